#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads modelos_precipitacao.txt (a count, then one model name per line); hands on modelos,
// sorted.
class LeitorModelosPrecipitacao {
 public:
  Resultado validar();

  std::string caminho;
  std::vector<std::string> modelos;

 private:
  void validarQuantidadeModelos(Resultado& resultado, const std::string& valor);

  int32_t numeroLinha = 1;
  std::string linha;
  Utilitarios utilitarios;
  int32_t quantidadeModelos = 0;
};
