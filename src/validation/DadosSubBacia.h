#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What one family's reader leaves for later families, per sub-basin.
struct DadosSubBacia {
  std::string dataRodada;
  int32_t diaInicializacao = 0;
  int32_t diasPrevisao = 0;
  int32_t numeroKts = 0;
  std::vector<std::string> postos;
};
