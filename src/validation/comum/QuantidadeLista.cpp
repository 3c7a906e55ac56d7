#include "validation/comum/QuantidadeLista.h"

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/Mensagens.h"
#include "validation/comum/TextoNumerico.h"

int32_t validarQuantidadeLista(Resultado& resultado, std::string valor, const std::string& nome,
                               bool aceitaSinalMais, const std::string& linha,
                               int32_t numeroLinha) {
  boost::trim(valor);
  if ((!aceitaSinalMais && !ehInteiroSimples(valor)) || !converteInteiro(valor)) {
    resultado = {textoCampo("quantidade de " + nome, " nao numerico", valor, linha, numeroLinha),
                 105};
    return 0;
  }
  const int32_t quantidade = boost::lexical_cast<int32_t>(valor);
  if (quantidade <= 0) {  // this message has no line piece
    resultado = {"Valor do campo quantidade de " + nome + " negativo ou nulo" +
                     trechoValorLido(valor) + trechoNumeroLinha(numeroLinha),
                 105};
    return 0;
  }
  return quantidade;
}
