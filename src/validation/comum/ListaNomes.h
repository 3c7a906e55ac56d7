#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "validation/comum/Resultado.h"

// The texts that set one list file apart.
struct TextosListaNomes {
  std::string corrompido;  // whole message of a read error
  std::string lidos;       // what the count message says was read: "sub-bacias lidas"
  std::string duplicado;   // start of the duplicate message; the name follows
};

// Reads an open list file: line 1 holds a count, checked by validarQuantidade on the text before
// its comment, which hands the count back; each later line a name, the trimmed text before its
// comment and before the line's first NUL byte, into nomes (emptied first). Every counted line
// gives exactly one name, the empty one when that text is empty. Blank lines may end the file only
// and take no number, so numeroLinha ends two past the last name. A read error leaves 198 and the
// checks after the read still run. Then the number of names must equal the count and the names,
// sorted in place, must hold no duplicate.
void validarListaNomes(
    std::istream& arquivo, const TextosListaNomes& textos, Resultado& resultado,
    int32_t& numeroLinha, std::string& linha, std::vector<std::string>& nomes,
    const std::function<int32_t(Resultado&, const std::string&)>& validarQuantidade);
