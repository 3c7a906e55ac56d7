#pragma once

#include <cstdint>
#include <string>

// Outcome of every check: 100 is valid; a failing check replaces both fields.
struct Resultado {
  std::string mensagem;
  int32_t codigo = 100;
};
