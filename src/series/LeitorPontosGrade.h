#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "validation/Resultado.h"
#include "validation/Utilitarios.h"

// Reads the grid points of one sub-basin and forecast model (a count, then one "longitude
// latitude" per line); hands on coordenadas as "%3.4f %3.4f" texts, sorted.
class LeitorPontosGrade {
 public:
  LeitorPontosGrade();
  Resultado validar();
  void validarQuantidadePontos(Resultado& resultado, std::string valor);
  void validarLongitude(Resultado& resultado, std::string valor);
  void validarLatitude(Resultado& resultado, std::string valor);

  std::string caminho;
  std::vector<std::string> coordenadas;

 private:
  // What the longitude and latitude checks say, besides their limits.
  struct TextosCoordenada {
    const char* naoNumerico;
    const char* formato;
    const char* menor;
    const char* limiteInferior;
    const char* maior;
    const char* limiteSuperior;
    double minimo;
    double maximo;
  };
  void validarCoordenada(Resultado& resultado, std::string& valor, const TextosCoordenada& textos);
  void lerLinhas(Resultado& resultado);

  boost::regex regexDecimal;
  boost::regex regexInteiro;
  int32_t numeroLinha = 1;
  std::string linha;
  Utilitarios utilitarios;
  int32_t quantidadePontos = 0;
};
