#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"
#include "validation/comum/VerificadorCoordenada.h"

// Reads the grid points of one sub-basin and forecast model (a count, then one "longitude
// latitude" per line); hands on coordenadas as "%3.4f %3.4f" texts, sorted.
class LeitorPontosGrade {
 public:
  Resultado validar();

  std::string caminho;
  std::vector<std::string> coordenadas;

 private:
  static const VerificadorCoordenada longitude;
  static const VerificadorCoordenada latitude;

  void lerLinhas(std::istream& arquivo, Resultado& resultado);
  void validarQuantidadePontos(Resultado& resultado, const std::string& valor);

  int32_t numeroLinha = 1;
  std::string linha;
  Utilitarios utilitarios;
  int32_t quantidadePontos = 0;
  std::vector<std::string_view> campos;
};
