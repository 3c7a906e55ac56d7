#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <boost/regex.hpp>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"
#include "validation/comum/VerificadorLinhas.h"

// Reads <sub-basin>_PARAMETROS.txt (twenty lines: drainage area, kt weights, eighteen model
// parameters); hands on the kt count.
class LeitorParametros {
 public:
  LeitorParametros();
  Resultado validar();

  std::string caminho;
  int32_t numeroKts = 0;

 private:
  void lerLinhas(std::istream& arquivo, Resultado& resultado);
  void validarAreaDrenagem(Resultado& resultado, std::string valor);
  void validarKts(Resultado& resultado, std::string valor);
  void validarPesoKt(Resultado& resultado, const std::string& token, int32_t indice, double& soma);
  // restricoes: the signs refused (validation/comum/RestricoesSinal.h)
  void validarReal(Resultado& resultado, std::string valor, std::string nome, int restricoes);
  void validarLimites(Resultado& resultado);

  Utilitarios utilitarios;
  VerificadorLinhas verificador;
  int32_t numeroLinha = 1;
  boost::regex regexDecimal;
  boost::regex regexInteiro;
  std::string linha;
  std::string valorLido;     // the current line before its comment, trimmed
  std::string linhaInteira;  // scratch for a line judged whole
  std::array<std::string, 20> nomesParametros = {"area drenagem",
                                                 "Kt",
                                                 "Str",
                                                 "K2t",
                                                 "crec",
                                                 "Ai",
                                                 "Capc",
                                                 "kkt",
                                                 "k2t2",
                                                 "H1",
                                                 "H",
                                                 "K3t",
                                                 "k1t",
                                                 "ecof",
                                                 "pcof",
                                                 "ecof2",
                                                 "limite superior ebin",
                                                 "limite inferior ebin",
                                                 "limite superior chuva",
                                                 "limite inferior chuva"};
  double limiteInferiorEbin = 0;
  double limiteSuperiorEbin = 0;
  double limiteInferiorChuva = 0;
  double limiteSuperiorChuva = 0;
};
