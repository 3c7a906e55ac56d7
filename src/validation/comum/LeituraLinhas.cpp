#include "validation/comum/LeituraLinhas.h"

#include <exception>
#include <ios>
#include <streambuf>

namespace {

// The encoding a byte-order mark at the start of the buffer names; empty without one. Reads at
// most three bytes; a read error is left for the reader's first read to meet again.
std::string codificacaoDaMarca(std::streambuf& buffer) {
  std::string inicio(3, '\0');
  std::streamsize lidos = 0;
  try {
    lidos = buffer.sgetn(&inicio[0], static_cast<std::streamsize>(inicio.size()));
  } catch (const std::exception&) {
  }
  inicio.resize(static_cast<size_t>(lidos));
  if (inicio == "\xEF\xBB\xBF") return "UTF-8";
  if (inicio.compare(0, 2, "\xFF\xFE") == 0 || inicio.compare(0, 2, "\xFE\xFF") == 0)
    return "UTF-16";
  return "";
}

}  // namespace

Resultado abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo,
                       Resultado naoAbre, ArquivoQueNaoAbre seNaoAbrir) {
  if (!utilitarios.arquivoExiste(caminho)) return naoAbre;
  arquivo.open(caminho);
  std::string codificacao;
  if (arquivo.is_open()) {
    codificacao = codificacaoDaMarca(*arquivo.rdbuf());
    // back to the start, so the reader meets every byte; a file whose start cannot be reached
    // again is one that does not open
    if (arquivo.rdbuf()->pubseekpos(0, std::ios::in) != std::streampos(0)) arquivo.close();
  }
  arquivo.exceptions(std::ios::badbit);
  if (!arquivo.is_open()) return seNaoAbrir == ArquivoQueNaoAbre::vazio ? Resultado{} : naoAbre;
  if (!codificacao.empty()) {
    return {"Arquivo gravado com BOM (" + codificacao + "): grave-o como texto ANSI, sem BOM", 105};
  }
  return {};
}

void recusarTextoAposNulo() { throw RecusaTextoAposNulo("texto depois de um byte nulo passou"); }
