#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads <gauge>_c.txt: one line per consecutive day (identifier, date, hour, precipitation),
// which must cover the run date and the days before it that the sub-basin needs.
class LeitorChuvaObservada {
 public:
  Resultado validar();

  std::string caminho;
  std::string dataRodada;
  int32_t numeroKts = 0;
  int32_t diaInicializacao = 0;
  std::string identificadorEsperado;

 private:
  void validarIdentificador(std::string_view identificador, Resultado& resultado,
                            const std::string& linha);
  void validarData(std::string_view data, Resultado& resultado, const std::string& linha);
  void validarHora(std::string_view hora, Resultado& resultado, const std::string& linha);
  void validarPrecipitacao(std::string_view precipitacao, Resultado& resultado,
                           const std::string& linha);
  void validarOrdemCronologica(Resultado& resultado, int64_t dia, const std::string& linha,
                               const std::string& linhaAnterior);
  void validarJanela(Resultado& resultado);

  int32_t numeroLinha = 1;
  Utilitarios utilitarios;
  // the lines' days are consecutive: the first one and the count say which were read
  int64_t primeiroDia = 0;
  std::vector<std::string_view> campos;  // of the line being read
};
