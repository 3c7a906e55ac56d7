#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads <sub-basin>.txt: six "|"-separated fields per record, dated by the fifth; the file must
// hold each of the numeroKts + diaInicializacao - 3 days before the run date, none twice.
class LeitorVazaoVerificada {
 public:
  // Run date "dd/mm/aaaa", kept as "aaaa/mm/dd".
  void definirDataInicializacao(const std::string& data);
  Resultado validar();

  std::string caminho;
  int32_t diaInicializacao = 0;
  int32_t numeroKts = 0;

 private:
  void validarIdentificador(std::string_view texto, Resultado& resultado, const std::string& linha);
  void validarOrigem(std::string_view origem, Resultado& resultado, const std::string& linha);
  void validarPeriodicidade(std::string_view texto, Resultado& resultado, const std::string& linha);
  void validarTipo(std::string_view texto, Resultado& resultado, const std::string& linha);
  void validarDataHora(std::string_view texto, Resultado& resultado, const std::string& linha);
  void validarVazao(std::string_view texto, Resultado& resultado, const std::string& linha);
  void validarJanela(Resultado& resultado);
  void registrarDia(int64_t dia);

  Utilitarios utilitarios;
  int32_t numeroLinha = 1;
  std::string dataInicializacao;
  // one flag per calendar day, from 01/01/1400: the days read; the earliest day read twice
  std::vector<bool> diasLidos;
  int64_t menorRepetido = 0;
};
