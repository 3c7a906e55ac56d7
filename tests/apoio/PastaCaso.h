#pragma once

#include <string>
#include <vector>

#include "apoio/Arquivos.h"

// Console output and exit code of one run of the program.
struct Saida {
  std::string console;
  int codigo;
  // console lines with the tag, the time-dependent ones included
  std::vector<std::string> linhas() const;
};

// Exit code as the parent process gets it: Windows passes the whole code, Linux its low 8 bits.
inline int codigoRecebido(int codigo) {
#ifdef _WIN32
  return codigo;
#else
  return codigo & 0xFF;
#endif
}

// A case folder with bin (stand-in model library and its two runtime files), logs, Arq_Entrada
// and Arq_Saida, and no input file yet.
class PastaCaso {
 public:
  PastaCaso();

  std::string raiz() const { return pasta.caminho(); }
  std::string caminho(const std::string& nome) const { return pasta.caminho(nome); }
  // Writes Arq_Entrada/<nome>; returns its full path as the program builds it.
  std::string entrada(const std::string& nome, const std::string& conteudo) const;
  // Script of the stand-in model library (see ModeloSubstituto.cpp).
  void roteiroModelo(const std::string& roteiro) const;
  void usarBibliotecaSemExportacao() const;
  // Leaves an empty file in the library's place: it is there, but cannot be loaded.
  void bibliotecaVazia() const;
  // Copies the input files of the example case, which pass the whole validation.
  void copiarExemplo() const;
  std::string log() const;

  // Runs the program inside the case folder with standard input closed.
  Saida executar() const;

 private:
  PastaTemporaria pasta;
};
