#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads <sub-basin>_EVAPOTRANSPIRACAO.txt: one line per month, in month order, the month number
// and a value not below zero.
class LeitorEvapotranspiracao {
 public:
  Resultado validar();

  std::string caminho;

 private:
  void validarMes(Resultado& resultado, std::string mes);
  void validarEvapotranspiracao(Resultado& resultado, std::string valor);
  void lerLinhas(std::istream& arquivo, Resultado& resultado);

  int32_t numeroLinha = 1;
  std::string linha;
  Utilitarios utilitarios;
};
