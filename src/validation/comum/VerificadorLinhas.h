#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "validation/comum/Resultado.h"

// Previous-line text that switches on the blank-first-line rule for line 1.
inline const std::string marcadorPrimeiraLinha = "string_1q2_unica_??";

// Previous-line text before line 1 where a blank line 1 is allowed: neither blank nor the marker.
inline const std::string semLinhaAnterior = "inicio";

// Line checks most readers run before looking at a line's fields.
class VerificadorLinhas {
 public:
  void verificarLinha(Resultado& resultado, std::string_view linha, std::string_view linhaAnterior,
                      int32_t numeroLinha, bool ignorarLinhaEmBranco);
};
