#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

#include <boost/regex.hpp>

#include "validation/Resultado.h"
#include "validation/Utilitarios.h"

// Reads one forecast precipitation file, dated ("<modelo>_p<ddmmyy>a<ddmmyy>.dat", any number of
// values per line) or old (one value per line); hands on the coordinates of its lines as
// "%3.4f %3.4f" keys of mapaCoordenadas.
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
  std::vector<std::string> coordenadas;
  std::map<std::string, bool> mapaCoordenadas;
  bool modeloNovo = false;
  int32_t numeroLinha = 1;

 private:
  void validarNomeArquivo(Resultado& resultado);
  Resultado validarArquivo(bool datado);
  void lerLinhasFormatoNovo(std::istream& arquivo, Resultado& resultado);
  void lerLinhasFormatoAntigo(std::istream& arquivo, Resultado& resultado);
  void validarCoordenada(const std::string& valor, Resultado& resultado, const std::string& linha,
                         const std::string& nome, int32_t minimo, int32_t maximo);
  void guardarCoordenada(double longitude, double latitude);
  void procurarRepetida(Resultado& resultado);

  boost::regex regexDecimal;
  boost::regex regexInteiro;
  boost::regex regexNomeArquivo;
  Utilitarios utilitarios;
};
