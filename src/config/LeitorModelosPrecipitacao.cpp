#include "config/LeitorModelosPrecipitacao.h"

#include "validation/comum/ListaNomes.h"
#include "validation/comum/QuantidadeLista.h"

LeitorModelosPrecipitacao::LeitorModelosPrecipitacao() = default;

Resultado LeitorModelosPrecipitacao::validar() {
  numeroLinha = 1;
  quantidadeModelos = 0;
  modelos.clear();
  linha.clear();
  Resultado resultado{"Validacao concluida com sucesso", 100};
  if (!utilitarios.arquivoExiste(caminho)) {
    return {"Arquivo de configuracao nao encontrado: " + caminho, 197};
  }
  validarListaNomes(caminho,
                    {"Arquivo de modelos corrompido: " + caminho, "modelos lidos",
                     "Modelo de precipitacao duplicado: "},
                    resultado, numeroLinha, linha, modelos,
                    [this](Resultado& resultadoLinha, std::string& valor) {
                      validarQuantidadeModelos(resultadoLinha, valor);
                      return quantidadeModelos;
                    });
  return resultado;
}

void LeitorModelosPrecipitacao::validarQuantidadeModelos(Resultado& resultado,
                                                         const std::string& valor) {
  quantidadeModelos =
      validarQuantidadeLista(resultado, valor, "modelos", false, linha, numeroLinha);
}
