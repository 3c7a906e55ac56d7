#pragma once

#include <string_view>

// Whole-text number (and identifier) tests written by hand, for the readers' hot loops. Each
// accepts exactly the texts its pattern or conversion accepts; the conversion tests decide the
// common forms here and hand every other text to the conversion itself.

// "^\-?[0-9]+$" as a whole.
bool ehInteiroSimples(std::string_view texto);

// "^[a-zA-Z0-9]+$" as a whole: ASCII letters and digits only.
bool ehAlfanumerico(std::string_view texto);

// "^\-?[0-9]+\.[0-9]{1,3}$" as a whole.
bool ehDecimalAteTresCasas(std::string_view texto);

// Texts boost::lexical_cast<int32_t> converts.
bool converteInteiro(std::string_view texto);

// Texts boost::lexical_cast<double> converts.
bool converteReal(std::string_view texto);

// A plain decimal: an optional sign, digits with at most one point, at least one digit and at
// most 40 in all (no overflow, no underflow, so it always converts). Nothing else.
bool ehRealSimples(std::string_view texto);

// A text that converteReal accepts, read as boost::lexical_cast<double> reads it.
double lerReal(std::string_view texto);
