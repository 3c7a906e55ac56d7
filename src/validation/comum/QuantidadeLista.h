#pragma once

#include <cstdint>
#include <string>

#include "validation/comum/Resultado.h"

// The count on line 1 of a list file (sub-basins, models, gauges, grid points). valor is the text
// the reader takes as the count, trimmed here; it must be an integer that fits 32 bits, made only
// of digits after an optional minus unless aceitaSinalMais, and above zero. nome is what is
// counted ("sub-bacias"); linha and numeroLinha go into the messages. Hands back the count, or 0
// with the finding in resultado.
int32_t validarQuantidadeLista(Resultado& resultado, std::string valor, const std::string& nome,
                               bool aceitaSinalMais, const std::string& linha, int32_t numeroLinha);
