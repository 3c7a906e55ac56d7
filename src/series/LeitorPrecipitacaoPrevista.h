#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <boost/regex.hpp>

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
  // Keys the caller looks for, each with its position; null for none. With an index, presentes
  // tells which of them the file holds, and coordenadas and mapaCoordenadas stay empty: sorting
  // every key of a large file into them costs more than reading it. The index stays unchanged
  // while the reader holds it: the positions found in one file serve the next one.
  const std::unordered_map<std::string_view, uint32_t>* indice = nullptr;
  std::vector<bool> presentes;
  std::vector<std::string> coordenadas;
  std::map<std::string, bool> mapaCoordenadas;

 private:
  void validarNomeArquivo(Resultado& resultado);
  void lerLinhasFormatoNovo(std::istream& arquivo, Resultado& resultado);
  void lerLinhasFormatoAntigo(std::istream& arquivo, Resultado& resultado);
  // The value read; 0 when the check failed.
  double verificarCoordenada(std::string_view valor, Resultado& resultado, std::string_view linha,
                             const char* nome, int32_t minimo, int32_t maximo);
  void verificarPrecipitacao(std::string_view valor, Resultado& resultado,
                             const std::string& linha);
  void validarPrecipitacao(const std::string& valor, Resultado& resultado,
                           const std::string& linha);
  void guardarCoordenada(double longitude, double latitude, std::string_view textoLongitude,
                         std::string_view textoLatitude);
  bool coordenadaConhecida(std::string_view longitude, std::string_view latitude);
  void marcarPresente(uint32_t posicao, std::string_view longitude, std::string_view latitude);
  void listar();
  void limpar();

  int32_t numeroLinha = 1;
  boost::regex regexNomeArquivo;
  Utilitarios utilitarios;
  // keys of the file that are not in the index, while it is read
  std::unordered_set<std::string> chaves;
  // the smallest key found twice, empty while none is
  std::string menorRepetida;
  std::string chave;
  std::vector<std::string_view> campos;

  // Lines of a file read with an index, by line number: the two coordinate texts as written and
  // the position of their key, semPosicao when the index lacks it.
  struct LinhasLidas {
    struct Linha {
      size_t inicio;  // in texto, where the longitude starts; the latitude follows it
      size_t tamanhoLongitude;
      size_t tamanhoLatitude;
      uint32_t posicao;
    };
    std::string texto;
    std::vector<Linha> linhas;
    void limpar() {
      texto.clear();
      linhas.clear();
    }
  };
  static constexpr uint32_t semPosicao = UINT32_MAX;
  // The same texts on the same line of the next file passed the coordinate checks and give the
  // same key: neither runs again. Files of one model repeat their grid line for line.
  LinhasLidas conhecidas;  // of the last file read with indiceConhecido
  LinhasLidas lidas;       // of the file being read
  const std::unordered_map<std::string_view, uint32_t>* indiceConhecido = nullptr;
  size_t tamanhoIndiceConhecido = 0;
};
