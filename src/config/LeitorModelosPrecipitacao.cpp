#include "config/LeitorModelosPrecipitacao.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/ListaNomes.h"
#include "validation/Mensagens.h"

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
  lerLinhas(resultado);
  if (resultado.codigo != 100 && resultado.codigo != 198) return resultado;

  const int32_t nomesLidos = numeroLinha - 2;
  if (nomesLidos != quantidadeModelos) {
    return {
        "Quantidade de dados no arquivo diferente da quantidade de modelos lidos\n"
        "Valor informado: " +
            textoInteiro(quantidadeModelos) +
            "\nQuantidade de dados do arquivo: " + textoInteiro(nomesLidos),
        196};
  }
  std::sort(modelos.begin(), modelos.end());
  const auto duplicado = std::adjacent_find(modelos.begin(), modelos.end());
  if (duplicado != modelos.end()) {
    return {"Modelo de precipitacao duplicado: " + *duplicado, 196};
  }
  return resultado;
}

// Line 1 and the names; a read error leaves 198 and lets the count check run on what was read.
void LeitorModelosPrecipitacao::lerLinhas(Resultado& resultado) {
  std::ifstream arquivo;
  try {
    arquivo.exceptions(std::ios::badbit);
    arquivo.open(caminho);
    lerListaNomes(arquivo, resultado, numeroLinha, linha, modelos,
                  [this](Resultado& resultadoLinha, std::string& valor) {
                    validarQuantidadeModelos(resultadoLinha, valor);
                  });
  } catch (const std::exception&) {
    resultado = {"Arquivo de modelos corrompido: " + caminho, 198};
  }
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
