#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <boost/regex.hpp>

#include "validation/comum/ChaveCoordenada.h"
#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Reads one forecast precipitation file, dated ("<modelo>_p<ddmmyy>a<ddmmyy>.dat", any number of
// values per line) or old (one value per line); hands on the coordinates of its lines as
// "%3.4f %3.4f" keys, sorted in coordenadas and mapaCoordenadas. A caller that gives an index of
// the keys it looks for gets, instead, which of them the file holds.
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
  void validarNomeArquivo(Resultado& resultado);
  void lerLinhasFormatoNovo(std::istream& arquivo, Resultado& resultado);
  void lerLinhasFormatoAntigo(std::istream& arquivo, Resultado& resultado);
  // The code of the value (see lerCoordenada); 0 when the check failed.
  uint32_t verificarCoordenada(std::string_view valor, Resultado& resultado, std::string_view linha,
                               const char* nome, int32_t minimo, int32_t maximo);
  void verificarPrecipitacao(std::string_view valor, Resultado& resultado,
                             const std::string& linha);
  void validarPrecipitacao(const std::string& valor, Resultado& resultado,
                           const std::string& linha);
  void guardarCoordenada(CodigoCoordenada codigo);
  void anotarRepetida(CodigoCoordenada codigo);
  void listar();
  void limpar();

  int32_t numeroLinha = 1;
  boost::regex regexNomeArquivo;
  Utilitarios utilitarios;
  // keys of the file that are not in the index, while it is read, and without an index the
  // same in the order they came
  IndiceCoordenadas chaves;
  std::vector<CodigoCoordenada> codigosLidos;
  // the smallest key found twice, empty while none is
  std::string menorRepetida;
  std::vector<std::string_view> campos;
  // the keys of the file being read and of the last one read with the same index, in line order,
  // with their numbers in it
  struct ChaveLida {
    CodigoCoordenada codigo;
    uint32_t posicao;
  };
  std::vector<ChaveLida> chavesAtuais;
  std::vector<ChaveLida> chavesAnteriores;
  const IndiceCoordenadas* indiceAnterior = nullptr;
};
