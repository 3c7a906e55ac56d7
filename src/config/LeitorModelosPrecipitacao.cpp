#include "config/LeitorModelosPrecipitacao.h"

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/ListaNomes.h"
#include "validation/comum/Mensagens.h"

LeitorModelosPrecipitacao::LeitorModelosPrecipitacao() : regexInteiro("^\\-?[0-9]+$") {}

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

void LeitorModelosPrecipitacao::validarQuantidadeModelos(Resultado& resultado, std::string valor) {
  boost::trim(valor);
  if (!boost::regex_match(valor, regexInteiro) || !utilitarios.ehInteiro(valor)) {
    resultado = {"Valor do campo quantidade de modelos nao numerico" + trechoValorLido(valor) +
                     trechoLinha(linha) + trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  const int32_t quantidade = boost::lexical_cast<int32_t>(valor);
  if (quantidade <= 0) {  // this message has no line piece
    resultado = {"Valor do campo quantidade de modelos negativo ou nulo" + trechoValorLido(valor) +
                     trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  quantidadeModelos = quantidade;
}
