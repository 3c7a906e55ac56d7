#include "config/LeitorModelosPrecipitacao.h"

#include <fstream>

#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/ListaNomes.h"
#include "validation/comum/QuantidadeLista.h"

Resultado LeitorModelosPrecipitacao::validar() {
  numeroLinha = 1;
  quantidadeModelos = 0;
  modelos.clear();
  linha.clear();
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  std::ifstream arquivo;
  // a file that exists but cannot be opened reads as an empty one
  const Resultado aberto = abrirArquivo(utilitarios, caminho, arquivo,
                                        {"Arquivo de configuracao nao encontrado: " + caminho, 197},
                                        ArquivoQueNaoAbre::vazio);
  if (!aberto.valido()) return aberto;
  validarListaNomes(arquivo,
                    {"Arquivo de modelos corrompido: " + caminho, "modelos lidos",
                     "Modelo de precipitacao duplicado: "},
                    resultado, numeroLinha, linha, modelos,
                    [this](Resultado& resultadoLinha, const std::string& valor) {
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
