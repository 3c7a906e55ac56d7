#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads <sub-basin>_POSTOS_PLU.txt (a gauge count, then one gauge and its weight ke per line);
// hands on identificadores, sorted.
class LeitorPostos {
 public:
  LeitorPostos();
  Resultado validar();

  std::string caminho;
  std::vector<std::string> identificadores;

 private:
  void validarQuantidadePostos(Resultado& resultado, const std::string& valor);
  void validarIdentificador(Resultado& resultado, std::string identificador);
  void validarKe(Resultado& resultado, std::string ke);
  void lerLinhas(std::istream& arquivo, Resultado& resultado);
  void validarFinal(Resultado& resultado);

  boost::regex regexKe;
  int32_t numeroLinha = 1;
  std::string linha;
  Utilitarios utilitarios;
  int32_t quantidadePostos = 0;
  double somaKe = 0.0;
};
