#pragma once

#include <cstdint>
#include <string_view>

#include "validation/comum/Resultado.h"

// The line pieces that close a coordinate finding, in their order.
enum class TrechosCoordenada {
  nenhum,
  linhaENumero,
  numeroELinha,
  linhaNumeroELinha,  // the line quoted twice
};

// One finding as a reader words it: its text, what follows the value read (a bound, or nothing),
// then the line pieces.
struct AchadoCoordenada {
  const char* texto;
  const char* depoisDoValor;
  TrechosCoordenada trechos;
};

// Checks a longitude or latitude field in the stages every reader runs: the common form within
// the bounds passes at once; any other text is judged numeric, then of the form "^\-?[0-9]+$" or
// "^\-?[0-9]+\.[0-9]{1,3}$", then within the bounds. Each reader words the findings its own way;
// all of them carry code 105.
struct VerificadorCoordenada {
  AchadoCoordenada naoNumerico;
  AchadoCoordenada formato;
  AchadoCoordenada menor;
  AchadoCoordenada maior;
  int32_t minimo;
  int32_t maximo;

  // The code of the trimmed field valor (see lerCoordenada); when the check fails, resultado
  // holds the finding and the code means nothing.
  uint32_t verificar(Resultado& resultado, std::string_view valor, std::string_view linha,
                     int32_t numeroLinha) const;
};
