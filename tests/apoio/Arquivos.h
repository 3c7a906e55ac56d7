#pragma once

#include <set>
#include <string>
#include <vector>

// A fresh folder under the test temp folder, removed with its content at the end.
class PastaTemporaria {
 public:
  PastaTemporaria();
  ~PastaTemporaria();
  PastaTemporaria(const PastaTemporaria&) = delete;
  PastaTemporaria& operator=(const PastaTemporaria&) = delete;

  // Joins the names with the program's path separator.
  std::string caminho(const std::string& nome = "") const;
  // Writes the file (folders on the way are created) and returns its path.
  std::string escrever(const std::string& nome, const std::string& conteudo) const;

 private:
  std::string raiz;
};

// Line end of a file the program writes in text mode.
#ifdef _WIN32
inline constexpr const char* fimLinhaTexto = "\r\n";
#else
inline constexpr const char* fimLinhaTexto = "\n";
#endif

// Roots of the temporary folders alive in this process.
const std::set<std::string>& pastasTemporarias();

std::string lerArquivo(const std::string& caminho);
// The lines of a text the program wrote in text mode, without their line ends; a last piece
// without a line end is a line too.
std::vector<std::string> linhasTexto(const std::string& conteudo);
// Joins two path pieces with the program's separator.
std::string juntar(const std::string& pasta, const std::string& nome);
