#include "validation/LeitorCaso.h"

#include <algorithm>
#include <fstream>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/ListaNomes.h"
#include "validation/Mensagens.h"

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
  lerLinhas(resultado);
  if (resultado.codigo != 100 && resultado.codigo != 198) return resultado;

  const int32_t linhasDados = numeroLinha - 2;
  if (linhasDados != quantidadeSubBacias) {
    return {
        "Quantidade de dados no arquivo diferente da quantidade de sub-bacias lidas\n"
        "Valor informado: " +
            textoInteiro(quantidadeSubBacias) +
            "\nQuantidade de dados do arquivo: " + textoInteiro(linhasDados),
        196};
  }
  std::sort(subBacias.begin(), subBacias.end());
  const auto duplicado = std::adjacent_find(subBacias.begin(), subBacias.end());
  if (duplicado != subBacias.end()) return {"Nome de sub-bacia duplicado: " + *duplicado, 196};
  return resultado;
}

// Line 1 and the names; a read error leaves 198 and lets the count check run on what was read.
void LeitorCaso::lerLinhas(Resultado& resultado) {
  std::ifstream arquivo;
  try {
    arquivo.exceptions(std::ios::badbit);
    arquivo.open(caminho);
    lerListaNomes(arquivo, resultado, numeroLinha, linha, subBacias,
                  [this](Resultado& resultadoLinha, std::string& valor) {
                    validarQuantidadeSubBacias(resultadoLinha, valor);
                  });
  } catch (const std::ios_base::failure&) {
    resultado = {"Arquivo de caso corrompido: " + caminho, 198};
  }
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
