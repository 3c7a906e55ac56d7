#include "series/LeituraDatas.h"

#include <iterator>
#include <sstream>

AnalisadorValoresEspeciais criarAnalisadorValoresEspeciais() {
  return AnalisadorValoresEspeciais("nao_e_data", "infinito_neg", "infinito_pos", "data_min",
                                    "data_max");
}

boost::gregorian::date lerData(const std::string& texto, const std::string& formato,
                               const AnalisadorValoresEspeciais& valoresEspeciais,
                               const AnalisadorData& analisador) {
  std::istringstream leitura(texto);
  std::istreambuf_iterator<char> inicio(leitura);
  std::istreambuf_iterator<char> fim;
  return analisador.parse_date(inicio, fim, formato, valoresEspeciais);
}
