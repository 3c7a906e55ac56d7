#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/random/mersenne_twister.hpp>

// Toolbox every object of a run holds by value: banner, code texts, existence and number tests,
// date-text arithmetic.
class Utilitarios {
 public:
  Utilitarios();
  explicit Utilitarios(uint32_t sementeGerador);

  std::string obterCabecalho();
  std::string obterMensagemCodigo(int codigo, std::string prefixo);
  std::string obterDiretorioAtual();

  // Never raise: every error of the status query counts as absence.
  bool arquivoExiste(const std::string& caminho);
  bool diretorioExiste(const std::string& caminho);

  // What boost::lexical_cast converts to int32_t and to double (validation/comum/TextoNumerico.h).
  bool ehInteiro(const std::string& texto);
  bool ehReal(const std::string& texto);

  // Both raise std::out_of_range for a date off the calendar (before or after the result).
  std::string formatarDataCompacta(const std::string& data, const std::string& formato,
                                   int64_t dias);
  std::string somarDias(const std::string& data, int64_t dias);

  std::string lerRegistro(const std::string& chaveRegistro, const std::string& nomeValor);
  int lerArquivoValores(std::vector<double>& valores, const std::string& caminho);
  int sortearInteiro(int minimo, int maximo);
  double sortearNormal();
  double sortearUniforme();
  double sortearUniforme(double a, double b);

 private:
  boost::random::mt19937 gerador;
};
