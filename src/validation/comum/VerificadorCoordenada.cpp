#include "validation/comum/VerificadorCoordenada.h"

#include <string>

#include "validation/comum/ChaveCoordenada.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/TextoNumerico.h"

namespace {

void relatar(Resultado& resultado, const AchadoCoordenada& achado, const std::string& valor,
             std::string_view linha, int32_t numeroLinha) {
  std::string mensagem = achado.texto + trechoValorLido(valor) + achado.depoisDoValor;
  const std::string texto(linha);
  switch (achado.trechos) {
    case TrechosCoordenada::nenhum:
      break;
    case TrechosCoordenada::linhaENumero:
      mensagem += trechoLinhaNumero(texto, numeroLinha);
      break;
    case TrechosCoordenada::numeroELinha:
      mensagem += trechoNumeroLinha(numeroLinha) + trechoLinha(texto);
      break;
    case TrechosCoordenada::linhaNumeroELinha:
      mensagem += trechoLinhaNumero(texto, numeroLinha) + trechoLinha(texto);
      break;
  }
  resultado = {mensagem, 105};
}

}  // namespace

uint32_t VerificadorCoordenada::verificar(Resultado& resultado, std::string_view valor,
                                          std::string_view linha, int32_t numeroLinha) const {
  int64_t decimosMilesimos = 0;
  uint32_t codigo = 0;
  if (lerCoordenada(valor, decimosMilesimos, codigo) &&
      decimosMilesimos >= minimo * int64_t{10000} && decimosMilesimos <= maximo * int64_t{10000})
    return codigo;
  if (!converteReal(valor)) {
    relatar(resultado, naoNumerico, std::string(valor), linha, numeroLinha);
    return 0;
  }
  // nan, inf, a plus sign, an exponent or a fourth decimal pass the numeric test but not this one
  if (!ehInteiroSimples(valor) && !ehDecimalAteTresCasas(valor)) {
    relatar(resultado, formato, std::string(valor), linha, numeroLinha);
    return 0;
  }
  const double coordenada = lerReal(valor);
  if (coordenada < minimo) {
    relatar(resultado, menor, textoReal(coordenada), linha, numeroLinha);
    return 0;
  }
  if (coordenada > maximo) {
    relatar(resultado, maior, textoReal(coordenada), linha, numeroLinha);
    return 0;
  }
  // the common form above takes every text that gets here; its code all the same
  return codigoDoValor(coordenada);
}
