#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <vector>

// Text helpers every reader shares: reading a line, splitting it into fields, cases and trims.

// Ctrl-Z: old DOS tools still end a file with it; Windows text mode reads no further.
inline constexpr char fimDeTexto = '\x1A';

// One line as Windows text mode gives it, on every build: the line feed, with one carriage return
// right before it, is dropped (a carriage return before the end of the file stays); the text ends
// at the first 0x1A byte, and the part of its line before it is still a line.
bool lerLinha(std::istream& entrada, std::string& linha);

// Whether nothing is left to read, as lerLinha sees it: the end of the file or a 0x1A byte next.
bool textoTerminado(std::istream& entrada);

// An ASCII digit, whatever the locale.
inline bool ehDigito(char caractere) { return caractere >= '0' && caractere <= '9'; }

// An ASCII letter or digit, whatever the locale.
inline bool ehLetraOuDigito(char caractere) {
  return (caractere >= 'a' && caractere <= 'z') || (caractere >= 'A' && caractere <= 'Z') ||
         ehDigito(caractere);
}

// A line's text ends at its first NUL byte, as a C string does: the readers judge that text. Where
// it passes although anything but blanks follows the NUL, the line is judged again whole, the NUL a
// byte of its field, so that no NUL hides what stands after it.
std::string_view textoAteNulo(std::string_view linha);
bool nuloEscondeTexto(std::string_view linha);

// Value before a comment: the text before the first apostrophe; the whole line where a NUL byte
// stands behind it (a line judged whole, see textoAteNulo).
std::string valorAntesDoComentario(const std::string& linha);

// Lower case of A to Z only; every other byte stays.
std::string minusculas(std::string texto);

// Fields as a scan with `palavras` "%s" directives and a final "%[^\n]" gives them: runs of
// non-blanks, then the rest of the line after the blanks that follow them. A field the line does
// not reach is empty. A NUL byte is a byte of its field, so a number holding one fails its check
// instead of passing as the digits before it.
std::vector<std::string> camposVarredura(const std::string& linha, size_t palavras);

// The same fields as views into linha, written into campos (palavras + 1 of them).
void camposVarredura(std::string_view linha, size_t palavras,
                     std::vector<std::string_view>& campos);

// Without the blanks (classic-locale white space) at both ends, as boost::trim leaves a text.
std::string_view aparado(std::string_view texto);

// The identifier of a line without blanks, read in fixed columns: the first eight characters, the
// ninth being their separator. Where all nine are letters or digits the identifier is not cut:
// it is the whole run of letters and digits, longer than eight. Untrimmed.
std::string_view identificadorOitoColunas(std::string_view linha);
