#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>
#include <utility>

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

// Judges a line seen in place: julgar(texto) gets the line up to its first NUL byte (as a C string
// holds it), then, when that passed although anything but blanks hides behind the NUL, the whole
// line (the NUL a byte of its field), which julgar must fail.
template <class Julgar>
void julgarAteNulo(std::string_view linha, Resultado& resultado, Julgar julgar) {
  const size_t nulo = linha.find('\0');
  if (nulo == std::string_view::npos) {
    julgar(linha);
    return;
  }
  julgar(linha.substr(0, nulo));
  if (resultado.valido() && nuloEscondeTexto(linha)) julgar(linha);
}

// The same for a reader whose checks read `linha`: it holds each text julgar() judges. `inteira`
// is scratch space, kept by the caller so that a file of such lines allocates once.
template <class Julgar>
void julgarAteNulo(std::string& linha, std::string& inteira, Resultado& resultado, Julgar julgar) {
  if (linha.find('\0') == std::string::npos) {
    julgar();
    return;
  }
  inteira.swap(linha);
  julgarAteNulo(std::string_view(inteira), resultado, [&](std::string_view texto) {
    linha.assign(texto);
    julgar();
  });
}

// Reads the remaining lines into `linha` under the shared line rules: a blank line takes no number
// and only blank lines may follow it; every other line goes to validarLinha(linhaAnterior) and
// then takes the next number. Stops at the first failing check. Each line is judged as
// julgarAteNulo says.
template <class ValidarLinha>
void lerLinhasDeDados(std::istream& arquivo, Resultado& resultado, std::string& linha,
                      std::string linhaAnterior, int32_t& numeroLinha, ValidarLinha validarLinha) {
  VerificadorLinhas verificador;
  std::string inteira;
  const auto julgar = [&] {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (resultado.valido() && !linha.empty()) validarLinha(std::as_const(linhaAnterior));
  };
  while (lerLinha(arquivo, linha)) {
    julgarAteNulo(linha, inteira, resultado, julgar);
    if (!resultado.valido()) return;
    if (!linha.empty()) ++numeroLinha;
    linhaAnterior.swap(linha);  // no copy per line: the next read overwrites linha
  }
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
  std::string inteira;
  julgarAteNulo(linha, inteira, resultado, [&] {
    VerificadorLinhas().verificarLinha(resultado, linha, linhaAntesDaPrimeira, numeroLinha, false);
    if (resultado.valido()) validarPrimeira();
  });
  if (!resultado.valido()) return;
  ++numeroLinha;
  lerLinhasDeDados(arquivo, resultado, linha, linha, numeroLinha, validarLinha);
}
