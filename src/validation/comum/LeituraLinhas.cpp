#include "validation/comum/LeituraLinhas.h"

#include <ios>

bool abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo,
                  ArquivoQueNaoAbre seNaoAbrir) {
  if (!utilitarios.arquivoExiste(caminho)) return false;
  arquivo.open(caminho);
  arquivo.exceptions(std::ios::badbit);
  return arquivo.is_open() || seNaoAbrir == ArquivoQueNaoAbre::vazio;
}

void recusarTextoAposNulo() { throw RecusaTextoAposNulo("texto depois de um byte nulo passou"); }
