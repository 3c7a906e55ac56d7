#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads zel.conf (key = value lines); checks every known key, warns (150) about the keys it did
// not find and hands on arqPrev. Its findings quote the value and the line number, never the line.
class LeitorConfiguracao {
 public:
  LeitorConfiguracao();
  Resultado validar();

  bool arqPrev = false;
  std::string caminho;

 private:
  void ajustarValoresPadrao(bool limpar);
  void lerLinhas(std::istream& arquivo, Resultado& resultado);
  void validarCampo(Resultado& resultado, std::string chave, std::string valor);
  void validarValorPermitido(Resultado& resultado, std::string chave, std::string valor,
                             std::vector<std::string> valoresPermitidos);
  // restricoes: the signs refused (validation/comum/RestricoesSinal.h)
  void validarInteiro(Resultado& resultado, std::string chave, std::string valor, int restricoes);
  void validarReal(Resultado& resultado, std::string chave, std::string valor, int restricoes);
  void validarAmplitude(Resultado& resultado, const std::string& chave, const std::string& valor);
  void validarSinal(Resultado& resultado, const std::string& chave, const std::string& valor,
                    int restricoes, double numero, bool valorNoNulo);
  bool separadorDecimal(const std::string& valor);
  std::string mensagemNaoNumerico(const std::string& chave, const std::string& valor,
                                  bool separador);

  std::vector<std::string> valoresObjetivo;
  std::vector<std::string> valoresLigaDesliga;
  std::vector<std::string> valoresArqPrev;
  std::map<std::string, std::string> padroes;
  Utilitarios utilitarios;
  int32_t numeroLinha = 1;
};
