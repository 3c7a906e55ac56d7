#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>
#include <string_view>
#include <utility>

#include "validation/comum/RecusaTextoAposNulo.h"
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

// Opens an existing file, its stream raising only on a hard read error. Gives the failure that
// ends the file before its first line, or a valid result: naoAbre when the file is missing, or
// cannot be opened and seNaoAbrir is falha; 105 when it starts with a byte-order mark, which no
// reader (nor the model library) would read past as anything but text.
Resultado abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo,
                       Resultado naoAbre, ArquivoQueNaoAbre seNaoAbrir = ArquivoQueNaoAbre::falha);

// What a reader may make of a line with text hidden behind a NUL byte (anything but blanks after
// its first NUL), once the line up to that NUL passed.
enum class TextoAposNulo {
  // The judgement of the whole line must fail it. Should it pass, a RecusaTextoAposNulo (a
  // std::ios_base::failure) is raised, which every reader's read loop turns into its corrupt-file
  // result: such a line never passes by accident.
  recusado,
  // The reader decides and may pass it: zel.conf reads no unknown key, even one cut at a NUL, and
  // a name list takes each name up to its NUL.
  decididoPeloLeitor,
};

// Raises the RecusaTextoAposNulo of a line passed with text hidden behind its NUL. Out of line:
// with the throw inlined, the old forecast layout ran 2-3% slower side by side.
[[noreturn]] void recusarTextoAposNulo();

// Judges a line seen in place: julgar(texto) is asked about the line up to its first NUL byte (as
// a C string holds it); when that passed and text hides behind the NUL, it is asked again about
// the whole line, the NUL a byte of the field it stands in, as aposNulo says.
template <class Julgar>
void julgarNoLugarAteNulo(std::string_view linha, Resultado& resultado, TextoAposNulo aposNulo,
                          Julgar julgar) {
  const size_t nulo = linha.find('\0');
  if (nulo == std::string_view::npos) {
    julgar(linha);
    return;
  }
  julgar(linha.substr(0, nulo));
  if (!resultado.valido() || !nuloEscondeTexto(linha)) return;
  julgar(linha);
  if (resultado.valido() && aposNulo == TextoAposNulo::recusado) recusarTextoAposNulo();
}

// The same for a reader whose checks read `linha`: julgar() reads in it each text it is asked
// about, and after the call it holds the last of them: the line up to its NUL, or the whole line
// when that was judged too. `inteira` is scratch space, kept by the caller so that a file of such
// lines allocates once.
template <class Julgar>
void julgarAteNulo(std::string& linha, std::string& inteira, Resultado& resultado,
                   TextoAposNulo aposNulo, Julgar julgar) {
  if (linha.find('\0') == std::string::npos) {
    julgar();
    return;
  }
  inteira.swap(linha);
  julgarNoLugarAteNulo(std::string_view(inteira), resultado, aposNulo, [&](std::string_view texto) {
    linha.assign(texto);
    julgar();
  });
}

// Reads the remaining lines into `linha` under the shared line rules: a blank line takes no number
// and only blank lines may follow it; every other line goes to validarLinha(linhaAnterior) and
// then takes the next number. Stops at the first failing check. Each line is judged as
// julgarAteNulo says: a line blank up to a NUL with text after it is judged whole, so it goes to
// validarLinha and is counted.
template <class ValidarLinha>
void lerLinhasDeDados(std::istream& arquivo, Resultado& resultado, std::string& linha,
                      std::string linhaAnterior, int32_t& numeroLinha, ValidarLinha validarLinha,
                      TextoAposNulo aposNulo = TextoAposNulo::recusado) {
  VerificadorLinhas verificador;
  std::string inteira;
  const auto julgar = [&] {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (resultado.valido() && !linha.empty()) validarLinha(std::as_const(linhaAnterior));
  };
  while (lerLinha(arquivo, linha)) {
    julgarAteNulo(linha, inteira, resultado, aposNulo, julgar);
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
                      ValidarPrimeira validarPrimeira, ValidarLinha validarLinha,
                      TextoAposNulo aposNulo = TextoAposNulo::recusado) {
  if (!lerLinha(arquivo, linha)) linha.clear();
  std::string inteira;
  julgarAteNulo(linha, inteira, resultado, aposNulo, [&] {
    VerificadorLinhas().verificarLinha(resultado, linha, linhaAntesDaPrimeira, numeroLinha, false);
    if (resultado.valido()) validarPrimeira();
  });
  if (!resultado.valido()) return;
  ++numeroLinha;
  lerLinhasDeDados(arquivo, resultado, linha, linha, numeroLinha, validarLinha, aposNulo);
}
