#include "validation/LeitorCaso.h"

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/ListaNomes.h"
#include "validation/comum/Mensagens.h"

LeitorCaso::LeitorCaso() : regexInteiro("^\\-?[0-9]+$") {}

Resultado LeitorCaso::validar() {
  numeroLinha = 1;
  quantidadeSubBacias = 0;
  subBacias.clear();
  linha.clear();
  Resultado resultado{std::string("Validacao ") + "caso.txt" + " OK", 100};
  if (!utilitarios.arquivoExiste(caminho)) {
    return {"Arquivo caso.txt nao encontrado em: " + caminho, 197};
  }
  validarListaNomes(caminho,
                    {"Arquivo de caso corrompido: " + caminho, "sub-bacias lidas",
                     "Nome de sub-bacia duplicado: "},
                    resultado, numeroLinha, linha, subBacias,
                    [this](Resultado& resultadoLinha, std::string& valor) {
                      validarQuantidadeSubBacias(resultadoLinha, valor);
                      return quantidadeSubBacias;
                    });
  return resultado;
}

void LeitorCaso::validarQuantidadeSubBacias(Resultado& resultado, std::string& valor) {
  boost::trim(valor);
  if (!boost::regex_match(valor, regexInteiro) || !utilitarios.ehInteiro(valor)) {
    resultado = {"Valor do campo quantidade de sub-bacias nao numerico" + trechoValorLido(valor) +
                     trechoLinha(linha) + trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  const int32_t quantidade = boost::lexical_cast<int32_t>(valor);
  if (quantidade <= 0) {  // this message has no line piece
    resultado = {"Valor do campo quantidade de sub-bacias negativo ou nulo" +
                     trechoValorLido(valor) + trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  quantidadeSubBacias = quantidade;
}
