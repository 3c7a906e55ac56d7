#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A longitude and latitude pair as one integer: each value in ten-thousandths, with a mark of its
// own for minus zero, so two pairs share a code exactly when their "%3.4f %3.4f" keys are equal.
using CodigoCoordenada = uint64_t;

// A text of the files' coordinate form ("^\-?[0-9]+$" or "^\-?[0-9]+\.[0-9]{1,3}$") within -180
// to 180: its value in ten-thousandths and the code of that value; false for every other text,
// which the full checks then judge.
bool lerCoordenada(std::string_view texto, int64_t& decimosMilesimos, uint32_t& codigo);

// The same for the text of that form at the start of texto, which the first byte that cannot
// continue it ends: how many bytes it takes, 0 when no such text stands there.
size_t lerCoordenadaInicial(std::string_view texto, int64_t& decimosMilesimos, uint32_t& codigo);

// The code of a value within -180 to 180 with at most four decimals; minus zero has its own.
uint32_t codigoDoValor(double valor);

// The pair of two value codes.
inline CodigoCoordenada juntarCoordenadas(uint32_t longitude, uint32_t latitude) {
  return static_cast<CodigoCoordenada>(longitude) << 32 | latitude;
}

// Code of a "%3.4f %3.4f" key of values within -180 to 180; false for any other text.
bool codigoDaChave(std::string_view chave, CodigoCoordenada& codigo);

// The "%3.4f %3.4f" key of a code.
std::string chaveDoCodigo(CodigoCoordenada codigo);

// Codes numbered 0, 1, 2... in the order they first came; a flat table, for the millions of
// look-ups of the forecast files.
class IndiceCoordenadas {
 public:
  static constexpr uint32_t ausente = UINT32_MAX;

  // Number of codigo, numbering it first when it is new; novo says which.
  uint32_t inserir(CodigoCoordenada codigo, bool& novo);
  // Number of codigo, or ausente.
  uint32_t posicao(CodigoCoordenada codigo) const;
  size_t tamanho() const { return porNumero.size(); }

 private:
  size_t vaga(CodigoCoordenada codigo) const;
  void crescer();

  // the table holds numbers, ausente in an empty slot; the codes stand in porNumero, in the
  // order they came
  std::vector<uint32_t> numeros;
  std::vector<CodigoCoordenada> porNumero;
  int deslocamentoHash = 64;  // 64 less the bits of the table's size
};
