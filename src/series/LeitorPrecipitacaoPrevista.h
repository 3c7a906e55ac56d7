#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include <boost/regex.hpp>

#include "validation/Resultado.h"
#include "validation/Utilitarios.h"

// Reads one forecast precipitation file, dated ("<modelo>_p<ddmmyy>a<ddmmyy>.dat", any number of
// values per line) or old (one value per line); hands on the coordinates of its lines as
// "%3.4f %3.4f" keys: in chaves, and also sorted in coordenadas and mapaCoordenadas while
// listarCoordenadas is on.
class LeitorPrecipitacaoPrevista {
 public:
  LeitorPrecipitacaoPrevista();
  Resultado validar();
  Resultado validarFormatoNovo();
  Resultado validarFormatoAntigo();
  void validarLongitude(std::string valor, Resultado& resultado, std::string linha);
  void validarLatitude(std::string valor, Resultado& resultado, std::string linha);
  void validarPrecipitacao(std::string valor, Resultado& resultado, std::string linha);

  std::string caminho;
  bool modeloNovo = false;
  // The forecast step turns it off and looks its grid keys up in chaves: sorting every key of a
  // large file into the two lists would cost more than reading the file.
  bool listarCoordenadas = true;
  std::unordered_set<std::string> chaves;
  std::vector<std::string> coordenadas;
  std::map<std::string, bool> mapaCoordenadas;
  int32_t numeroLinha = 1;

 private:
  void validarNomeArquivo(Resultado& resultado);
  Resultado validarArquivo(bool datado);
  void lerLinhasFormatoNovo(std::istream& arquivo, Resultado& resultado);
  void lerLinhasFormatoAntigo(std::istream& arquivo, Resultado& resultado);
  // The value read; 0 when the check failed.
  double verificarCoordenada(std::string_view valor, Resultado& resultado, std::string_view linha,
                             const char* nome, int32_t minimo, int32_t maximo);
  void verificarPrecipitacao(std::string_view valor, Resultado& resultado,
                             const std::string& linha);
  void guardarCoordenada(double longitude, double latitude);
  void listar();

  boost::regex regexNomeArquivo;
  Utilitarios utilitarios;
  // the smallest key found twice, empty while none is
  std::string menorRepetida;
  std::vector<std::string_view> campos;
};
