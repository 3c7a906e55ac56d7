#pragma once

#include <cstdint>
#include <deque>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <boost/regex.hpp>

#include "validation/comum/ChaveCoordenada.h"
#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"
#include "validation/comum/VerificadorCoordenada.h"

// Reads one forecast precipitation file, dated ("<modelo>_p<ddmmyy>a<ddmmyy>.dat", any number of
// values per line) or old (one value per line), its lines seen in place a block at a time: a long
// file costs no more memory than 8 bytes for each of its keys outside the index. The driver always
// gives an index of the keys it looks for and gets, in presentes, which of them the file holds;
// coordenadas and mapaCoordenadas remain for a caller that gives none: the keys of the lines as
// "%3.4f %3.4f" texts, sorted.
class LeitorPrecipitacaoPrevista {
 public:
  LeitorPrecipitacaoPrevista();
  Resultado validar();

  std::string caminho;
  bool modeloNovo = false;
  // Keys the caller looks for, each with its number; null for none. With an index, presentes
  // tells which of them the file holds, and coordenadas and mapaCoordenadas stay empty: sorting
  // every key of a large file into them costs more than reading it.
  const IndiceCoordenadas* indice = nullptr;
  std::vector<bool> presentes;
  std::vector<std::string> coordenadas;
  std::map<std::string, bool> mapaCoordenadas;

 private:
  static const VerificadorCoordenada longitude;
  static const VerificadorCoordenada latitude;

  void validarNomeArquivo(Resultado& resultado);
  void lerLinhasFormatoNovo(std::istream& arquivo, Resultado& resultado);
  void validarLinhaDatada(Resultado& resultado, std::string_view linha, size_t& quantidadeEsperada);
  void lerLinhasFormatoAntigo(std::istream& arquivo, Resultado& resultado);
  void validarLinhaAntiga(Resultado& resultado, std::string_view linha);
  static bool linhaComum(std::string_view linha, CodigoCoordenada& codigo);
  void verificarPrecipitacao(Resultado& resultado, std::string_view valor, std::string_view linha);
  void validarPrecipitacao(Resultado& resultado, const std::string& valor,
                           const std::string& linha);
  void guardarCoordenada(CodigoCoordenada codigo);
  void anotarRepetida(CodigoCoordenada codigo);
  void listar();
  void limpar();

  int32_t numeroLinha = 1;
  boost::regex regexNomeArquivo;
  Utilitarios utilitarios;
  // keys of the file outside the index (every key, without one), in the order they came: 8 bytes
  // a key and no copying as a long file's keys pile up
  std::deque<CodigoCoordenada> foraDoIndice;
  // the smallest key found twice, empty while none is
  std::string menorRepetida;
  std::vector<std::string_view> campos;
};
