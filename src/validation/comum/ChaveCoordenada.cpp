#include "validation/comum/ChaveCoordenada.h"

#include <cmath>

#include "validation/comum/Texto.h"

namespace {

// 180 in ten-thousandths: the offset that makes every value of -180 to 180 positive, and the
// bound of the values read, as a code past it would wrap into the other half of a pair.
constexpr int64_t deslocamento = 1800000;

// 2^64 over the golden ratio: consecutive codes land far apart in the index's table.
constexpr uint64_t multiplicadorHash = 0x9E3779B97F4A7C15ull;

// A value as 2 * (ten-thousandths + deslocamento), plus one for minus zero; 32 bits hold it.
uint64_t codigoValor(bool negativo, int64_t decimosMilesimos) {
  const int64_t valor = negativo ? -decimosMilesimos : decimosMilesimos;
  return static_cast<uint64_t>(2 * (valor + deslocamento) + (negativo && valor == 0 ? 1 : 0));
}

// Reads "[-]digits[.digits]" with one to `casas` decimals at the start of texto into
// ten-thousandths: how many bytes it took, 0 when no such text stands there. Leading zeros of any
// length are skipped, and a value past 180 either way is refused.
size_t lerDecimosMilesimos(std::string_view texto, size_t casas, bool& negativo,
                           int64_t& absoluto) {
  size_t posicao = 0;
  negativo = !texto.empty() && texto[0] == '-';
  if (negativo) ++posicao;
  int64_t inteiro = 0;
  const size_t inicioDigitos = posicao;
  while (posicao < texto.size() && ehDigito(texto[posicao])) {
    inteiro = inteiro * 10 + (texto[posicao] - '0');
    if (inteiro > 180) return 0;
    ++posicao;
  }
  if (posicao == inicioDigitos) return 0;
  int64_t fracao = 0;
  size_t lidas = 0;
  if (posicao < texto.size() && texto[posicao] == '.') {
    ++posicao;
    while (posicao < texto.size() && lidas < casas && ehDigito(texto[posicao])) {
      fracao = fracao * 10 + (texto[posicao] - '0');
      ++posicao;
      ++lidas;
    }
    if (lidas == 0) return 0;
  }
  for (size_t i = lidas; i < 4; ++i) fracao *= 10;
  absoluto = inteiro * 10000 + fracao;
  return absoluto <= deslocamento ? posicao : 0;
}

// A value as "%3.4f" writes it: four decimals, and no leading zero but the one before the point.
bool formaDaChave(std::string_view valor) {
  const size_t inicio = !valor.empty() && valor[0] == '-' ? 1 : 0;
  return valor.size() >= inicio + 6 && valor[valor.size() - 5] == '.' &&
         (valor[inicio] != '0' || valor[inicio + 1] == '.');
}

bool lerValor(std::string_view texto, size_t casas, uint64_t& codigo) {
  bool negativo = false;
  int64_t absoluto = 0;
  if (texto.empty() || lerDecimosMilesimos(texto, casas, negativo, absoluto) != texto.size())
    return false;
  codigo = codigoValor(negativo, absoluto);
  return true;
}

void escreverValor(std::string& texto, uint64_t codigo) {
  const int64_t valor = static_cast<int64_t>(codigo / 2) - deslocamento;
  if (valor < 0 || codigo % 2 == 1) texto += '-';
  const int64_t absoluto = valor < 0 ? -valor : valor;
  char digitos[24];
  size_t quantidade = 0;
  // at least one digit of the whole part and four of the fraction, written backwards
  for (int64_t resto = absoluto; quantidade < 5 || resto > 0; resto /= 10)
    digitos[quantidade++] = static_cast<char>('0' + resto % 10);
  while (quantidade > 4) texto += digitos[--quantidade];
  texto += '.';
  while (quantidade > 0) texto += digitos[--quantidade];
}

}  // namespace

bool lerCoordenada(std::string_view texto, int64_t& decimosMilesimos, uint32_t& codigo) {
  return !texto.empty() && lerCoordenadaInicial(texto, decimosMilesimos, codigo) == texto.size();
}

size_t lerCoordenadaInicial(std::string_view texto, int64_t& decimosMilesimos, uint32_t& codigo) {
  bool negativo = false;
  int64_t absoluto = 0;
  const size_t tamanho = lerDecimosMilesimos(texto, 3, negativo, absoluto);
  if (tamanho == 0) return 0;
  decimosMilesimos = negativo ? -absoluto : absoluto;
  codigo = static_cast<uint32_t>(codigoValor(negativo, absoluto));
  return tamanho;
}

bool codigoDaChave(std::string_view chave, CodigoCoordenada& codigo) {
  const size_t espaco = chave.find(' ');
  if (espaco == std::string_view::npos) return false;
  uint64_t primeiro = 0;
  uint64_t segundo = 0;
  const std::string_view longitude = chave.substr(0, espaco);
  const std::string_view latitude = chave.substr(espaco + 1);
  if (!formaDaChave(longitude) || !formaDaChave(latitude)) return false;
  if (!lerValor(longitude, 4, primeiro) || !lerValor(latitude, 4, segundo)) return false;
  codigo = primeiro << 32 | segundo;
  return true;
}

uint32_t codigoDoValor(double valor) {
  const double absoluto = std::fabs(valor);
  return static_cast<uint32_t>(
      codigoValor(std::signbit(valor), static_cast<int64_t>(std::llround(absoluto * 10000))));
}

std::string chaveDoCodigo(CodigoCoordenada codigo) {
  std::string texto;
  escreverValor(texto, codigo >> 32);
  texto += ' ';
  escreverValor(texto, codigo & 0xFFFFFFFFu);
  return texto;
}

size_t IndiceCoordenadas::vaga(CodigoCoordenada codigo) const {
  // the top bits of a multiplicative hash: every bit of the code reaches them
  size_t posicao = static_cast<size_t>((codigo * multiplicadorHash) >> deslocamentoHash);
  while (numeros[posicao] != ausente && porNumero[numeros[posicao]] != codigo)
    posicao = (posicao + 1) & (numeros.size() - 1);
  return posicao;
}

void IndiceCoordenadas::crescer() {
  const size_t capacidade = numeros.empty() ? 1024 : numeros.size() * 2;
  deslocamentoHash = 64;
  for (size_t tamanho = capacidade; tamanho > 1; tamanho /= 2) --deslocamentoHash;
  numeros.assign(capacidade, ausente);
  for (size_t numero = 0; numero < porNumero.size(); ++numero)
    numeros[vaga(porNumero[numero])] = static_cast<uint32_t>(numero);
}

uint32_t IndiceCoordenadas::inserir(CodigoCoordenada codigo, bool& novo) {
  // at most half full, so a probe ends soon
  if (2 * (porNumero.size() + 1) > numeros.size()) crescer();
  const size_t posicao = vaga(codigo);
  novo = numeros[posicao] == ausente;
  if (novo) {
    numeros[posicao] = static_cast<uint32_t>(porNumero.size());
    porNumero.push_back(codigo);
  }
  return numeros[posicao];
}

uint32_t IndiceCoordenadas::posicao(CodigoCoordenada codigo) const {
  if (numeros.empty()) return ausente;
  return numeros[vaga(codigo)];
}
