#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <string>
#include <vector>

#include "validation/Resultado.h"

// Reads a list file: line 1 holds a count, checked by validarQuantidade on the text before its
// comment; each later line a name, the trimmed text before its comment, appended to nomes. Blank
// lines may end the file only and take no number, so numeroLinha ends two past the last name
// counted. An unopened stream reads as an empty file. Stream errors are the caller's.
void lerListaNomes(std::istream& arquivo, Resultado& resultado, int32_t& numeroLinha,
                   std::string& linha, std::vector<std::string>& nomes,
                   const std::function<void(Resultado&, std::string&)>& validarQuantidade);
