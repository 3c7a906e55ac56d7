#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads caso.txt (a count, then one sub-basin name per line); hands on subBacias, sorted.
class LeitorCaso {
 public:
  LeitorCaso();
  Resultado validar();
  void validarQuantidadeSubBacias(Resultado& resultado, std::string& valor);

  std::string caminho;
  std::vector<std::string> subBacias;

 private:
  int32_t numeroLinha = 1;
  int32_t quantidadeSubBacias = 0;
  std::string linha;
  Utilitarios utilitarios;
  boost::regex regexInteiro;
};
