#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "series/LeitorPrecipitacaoPrevista.h"
#include "validation/comum/ChaveCoordenada.h"
#include "validation/comum/Resultado.h"

// The journey of a grid key, from the grid file to a failure on a forecast file:
//   grid line "-45.25 -23.5"       --verificar-->       CodigoCoordenada, each value checked and
//                                                       coded once (LeitorPontosGrade)
//   CodigoCoordenada               --chaveDoCodigo-->   grid text "-45.2500 -23.5000", which the
//                                                       driver keeps per sub-basin and model
//   grid text                      --codigoDaChave-->   the same CodigoCoordenada (both values,
//                                                       64 bits): the one round trip of a key
//   CodigoCoordenada               --indice.inserir-->  number in the model's index (0, 1, 2...)
//   a forecast line's code         --indice.posicao-->  that number: its bit in the file's presence
//                                                       set, one per number, set by the reader
//   a grid's numbers, in its order --first unset bit--> that grid's own text, the missing key
// Past the grid text every key is a number; the missing one is named by the grid's own text.

// The part of a lower-case model name that names its grid file: the first "_" piece, or the
// first two when the first is precmedia or preczerada.
std::string radicalModelo(const std::string& modelo);

// The forecast files of one step. The sub-basins share the files of a model, so each file is
// read once; what stays of it is its result and its presence set over the model's grid keys (the
// union of the sub-basins' grids). The file's other keys live only while it is read.
class ArquivosPrevisao {
 public:
  using Grades = std::map<std::string, std::vector<std::string>>;
  using Presencas = std::vector<bool>;

  // The driver's sub-basins and grids (by "<sub-basin>__<radical>"), unchanged while the step
  // runs.
  ArquivosPrevisao(const std::vector<std::string>& bacias, const Grades& grades, bool novo);

  // Runs the reader on caminho, or hands back the result of its first reading; when it passes,
  // presentes points at the file's presence set, which lives as long as this object.
  Resultado validar(const std::string& modelo, const std::string& caminho,
                    const Presencas*& presentes);

  // The first grid coordinate of the sub-basin and model, in their order, that the presence set
  // of a file of that model lacks; null when the file holds them all.
  const std::string* coordenadaAusente(const std::string& subBacia, const std::string& modelo,
                                       const Presencas& presentes);

 private:
  struct Arquivo {
    Resultado resultado;
    Presencas presentes;
  };
  // Where each grid key of a sub-basin stands in the model's index, in the grid's order.
  struct Posicoes {
    const std::vector<std::string>* grade = nullptr;
    std::vector<uint32_t> numeros;
  };
  struct Modelo {
    IndiceCoordenadas indice;                           // each grid key of the model once
    std::map<std::string, Posicoes> posicoes;           // by sub-basin
    std::unordered_map<std::string, Arquivo> arquivos;  // by full path
  };

  Modelo& dadosModelo(const std::string& modelo);

  const std::vector<std::string>& subBacias;
  const Grades& coordenadasGrade;
  const bool modeloNovo;
  LeitorPrecipitacaoPrevista leitor;
  std::map<std::string, Modelo> modelos;
};
