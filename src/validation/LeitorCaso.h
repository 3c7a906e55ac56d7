#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads caso.txt (a count, then one sub-basin name per line); hands on subBacias, sorted.
class LeitorCaso {
 public:
  Resultado validar();

  std::string caminho;
  std::vector<std::string> subBacias;

 private:
  void validarQuantidadeSubBacias(Resultado& resultado, const std::string& valor);

  int32_t numeroLinha = 1;
  int32_t quantidadeSubBacias = 0;
  std::string linha;
  Utilitarios utilitarios;
};
