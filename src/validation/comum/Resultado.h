#pragma once

#include <cstdint>
#include <string>

// The code of a check that passed.
inline constexpr int32_t codigoValido = 100;

// Outcome of every check: codigoValido is valid; a failing check replaces both fields.
struct Resultado {
  std::string mensagem;
  int32_t codigo = codigoValido;

  bool valido() const { return codigo == codigoValido; }
};
