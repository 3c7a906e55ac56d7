#pragma once

#include <cstddef>
#include <istream>
#include <string_view>
#include <vector>

// The lines of a stream seen in place, read a large block at a time, for files of millions of
// lines: no line is copied. The line rules are lerLinha's (see Texto.h): one carriage return
// right before a line feed is dropped, one before the end of the file stays, and the text ends at
// the first 0x1A byte (the Windows build leaves both to its text-mode stream). A stream that
// raises on badbit raises here on a hard read error.
class LeitorLinhasEmBloco {
 public:
  static constexpr size_t tamanhoPadrao = 128 * 1024;

  explicit LeitorLinhasEmBloco(std::istream& origem, size_t tamanhoBloco = tamanhoPadrao);

  // The next line, valid until the next call; false once the text has ended.
  bool proxima(std::string_view& linha);

 private:
  void encher();

  std::istream& entrada;
  // the unread text stands in [inicio, fim); a line longer than the block makes it grow
  std::vector<char> bloco;
  size_t inicio = 0;
  size_t fim = 0;
  bool terminado = false;  // nothing more comes from the stream
};
