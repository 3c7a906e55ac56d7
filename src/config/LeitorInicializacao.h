#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>

#include <boost/regex.hpp>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads <sub-basin>_INICIALIZACAO.txt (six lines, one value each); hands on the run date and the
// initialisation and forecast day counts.
class LeitorInicializacao {
 public:
  LeitorInicializacao();
  Resultado validar();

  std::string caminho;
  int32_t diaInicializacao = 0;
  std::string dataRodada;
  int32_t diasPrevisao = 0;

 private:
  void lerCampos(std::ifstream& arquivo, Resultado& resultado);
  // Reads the next line and judges its value (see julgarAteNulo); false when it failed.
  bool lerCampo(std::ifstream& arquivo, Resultado& resultado,
                const std::function<void()>& validarValor);
  void validarData(Resultado& resultado, std::string valor);
  // restricoes: the signs refused (validation/comum/RestricoesSinal.h)
  void validarInteiro(Resultado& resultado, std::string valor, std::string nome, int restricoes);
  void validarReal(Resultado& resultado, std::string valor, std::string nome, int restricoes);
  void validarRestricoes(Resultado& resultado, const std::string& valor, const std::string& nome,
                         int restricoes, double numero);
  std::string nomeCampoAtual() const;

  Utilitarios utilitarios;
  int32_t indiceCampo = 0;
  boost::regex regexDecimal;
  boost::regex regexInteiro;
  std::string linha;
  std::string linhaInteira;  // scratch for a line judged whole
  std::string valorLido;     // the current line before its comment, trimmed
  std::array<std::string, 6> nomesCampos = {
      "data rodada", "dia inicializacao", "dias previsao", "ebin", "supin", "tuin"};
};
