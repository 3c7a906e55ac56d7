#include "series/LeituraDatas.h"

#include <exception>
#include <iterator>
#include <sstream>

bool abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo) {
  if (!utilitarios.arquivoExiste(caminho)) return false;
  arquivo.open(caminho);
  arquivo.exceptions(std::ios::badbit);
  return arquivo.is_open();
}

AnalisadorValoresEspeciais criarAnalisadorValoresEspeciais() {
  return AnalisadorValoresEspeciais("nao_e_data", "infinito_neg", "infinito_pos", "data_min",
                                    "data_max");
}

bool dataExiste(const std::string& texto, const std::string& formato,
                const AnalisadorValoresEspeciais& valoresEspeciais,
                const AnalisadorData& analisador) {
  try {
    std::istringstream leitura(texto);
    std::istreambuf_iterator<char> inicio(leitura);
    std::istreambuf_iterator<char> fim;
    analisador.parse_date(inicio, fim, formato, valoresEspeciais);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
