#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

#include "validation/comum/Resultado.h"
#include "validation/comum/Texto.h"
#include "validation/comum/Utilitarios.h"
#include "validation/comum/VerificadorLinhas.h"

// Reading shared by the readers: opening a file and the line loop under the shared line rules.

// What a reader makes of a file that exists but cannot be opened.
enum class ArquivoQueNaoAbre {
  falha,  // abrirArquivo answers false, as for a missing file
  vazio,  // the stream reads as an empty file
};

// Opens an existing file, its stream raising only on a hard read error. False when the file is
// missing, or cannot be opened and seNaoAbrir is falha.
bool abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo,
                  ArquivoQueNaoAbre seNaoAbrir = ArquivoQueNaoAbre::falha);

// Reads the remaining lines into `linha` under the shared line rules: a blank line takes no number
// and only blank lines may follow it; every other line goes to validarLinha(linhaAnterior) and
// then takes the next number. Stops at the first failing check.
template <class ValidarLinha>
void lerLinhasDeDados(std::istream& arquivo, Resultado& resultado, std::string& linha,
                      std::string linhaAnterior, int32_t& numeroLinha, ValidarLinha validarLinha) {
  VerificadorLinhas verificador;
  bool podeLer = arquivo.good();
  while (lerLinha(arquivo, linha)) {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (!resultado.valido()) return;
    if (!linha.empty()) {
      validarLinha(linhaAnterior);
      if (!resultado.valido()) return;
      ++numeroLinha;
    }
    linhaAnterior.swap(linha);  // no copy per line: the next read overwrites linha
    podeLer = arquivo.good();
  }
  // a read refused by a stream already at its end leaves linha as it was: the last line
  if (!podeLer) linha.swap(linhaAnterior);
}

// A list file from its first line, numeroLinha at 1: line 1 into `linha` (an unreadable one is
// checked as an empty line) under the shared line rules after linhaAntesDaPrimeira
// (marcadorPrimeiraLinha fails a blank line 1), then validarPrimeira(); once it passed, the other
// lines as lerLinhasDeDados reads them, from number 2. A file read to its end leaves numeroLinha
// at its number of data lines plus two.
template <class ValidarPrimeira, class ValidarLinha>
void lerLinhasDeLista(std::istream& arquivo, Resultado& resultado, std::string& linha,
                      const std::string& linhaAntesDaPrimeira, int32_t& numeroLinha,
                      ValidarPrimeira validarPrimeira, ValidarLinha validarLinha) {
  if (!lerLinha(arquivo, linha)) linha.clear();
  VerificadorLinhas().verificarLinha(resultado, linha, linhaAntesDaPrimeira, numeroLinha, false);
  if (!resultado.valido()) return;
  validarPrimeira();
  if (!resultado.valido()) return;
  ++numeroLinha;
  lerLinhasDeDados(arquivo, resultado, linha, linha, numeroLinha, validarLinha);
}
