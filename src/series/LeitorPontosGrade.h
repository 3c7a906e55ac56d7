#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads the grid points of one sub-basin and forecast model (a count, then one "longitude
// latitude" per line); hands on coordenadas as "%3.4f %3.4f" texts, sorted.
class LeitorPontosGrade {
 public:
  LeitorPontosGrade();
  Resultado validar();

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
  static const TextosCoordenada textosLongitude;
  static const TextosCoordenada textosLatitude;

  void lerLinhas(std::istream& arquivo, Resultado& resultado);
  void validarQuantidadePontos(Resultado& resultado, const std::string& valor);
  // Numeric, then form, then range, on the trimmed field; the code of the value (see
  // lerCoordenada), 0 when the check failed.
  uint32_t verificarCoordenada(Resultado& resultado, std::string_view campo,
                               const TextosCoordenada& textos);

  int32_t numeroLinha = 1;
  std::string linha;
  Utilitarios utilitarios;
  int32_t quantidadePontos = 0;
  std::vector<std::string_view> campos;
};
