#include "validation/comum/TextoNumerico.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

#include <boost/lexical_cast.hpp>

#include "validation/comum/Texto.h"

namespace {

// Digits from posicao on; returns where they end.
size_t pularDigitos(std::string_view texto, size_t posicao) {
  while (posicao < texto.size() && ehDigito(texto[posicao])) ++posicao;
  return posicao;
}

}  // namespace

bool ehInteiroSimples(std::string_view texto) {
  const size_t inicio = !texto.empty() && texto[0] == '-' ? 1 : 0;
  return texto.size() > inicio && pularDigitos(texto, inicio) == texto.size();
}

bool ehAlfanumerico(std::string_view texto) {
  return !texto.empty() && std::all_of(texto.begin(), texto.end(), ehLetraOuDigito);
}

bool ehDecimalAteTresCasas(std::string_view texto) {
  const size_t inicio = !texto.empty() && texto[0] == '-' ? 1 : 0;
  const size_t ponto = pularDigitos(texto, inicio);
  if (ponto == inicio || ponto == texto.size() || texto[ponto] != '.') return false;
  const size_t casas = texto.size() - ponto - 1;
  return casas >= 1 && casas <= 3 && pularDigitos(texto, ponto + 1) == texto.size();
}

bool converteInteiro(std::string_view texto) {
  const size_t inicio = !texto.empty() && (texto[0] == '-' || texto[0] == '+') ? 1 : 0;
  const size_t digitos = texto.size() - inicio;
  // up to nine digits always fit 32 bits
  if (digitos >= 1 && digitos <= 9 && pularDigitos(texto, inicio) == texto.size()) return true;
  int32_t valor = 0;
  return boost::conversion::try_lexical_convert(std::string(texto), valor);
}

bool ehRealSimples(std::string_view texto) {
  const size_t inicio = !texto.empty() && (texto[0] == '-' || texto[0] == '+') ? 1 : 0;
  const size_t ponto = pularDigitos(texto, inicio);
  size_t fim = ponto;
  if (ponto < texto.size() && texto[ponto] == '.') fim = pularDigitos(texto, ponto + 1);
  const size_t digitos = fim - inicio - (fim > ponto ? 1 : 0);
  return fim == texto.size() && digitos >= 1 && digitos <= 40;
}

bool converteReal(std::string_view texto) {
  if (ehRealSimples(texto)) return true;
  double valor = 0.0;
  return boost::conversion::try_lexical_convert(std::string(texto), valor);
}

double lerReal(std::string_view texto) {
  if (!ehRealSimples(texto)) return boost::lexical_cast<double>(std::string(texto));
  // both round to the nearest double; from_chars takes no plus sign
  if (texto[0] == '+') texto.remove_prefix(1);
  double valor = 0.0;
  std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  return valor;
}
