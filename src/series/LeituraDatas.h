#pragma once

#include <string>

#include <boost/date_time/format_date_parser.hpp>
#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/special_values_parser.hpp>

// Date parsing of the series readers: a format parser and its special-value words.
using AnalisadorData = boost::date_time::format_date_parser<boost::gregorian::date, char>;
using AnalisadorValoresEspeciais =
    boost::date_time::special_values_parser<boost::gregorian::date, char>;

// The words for not a date, minus and plus infinity, minimum and maximum date.
AnalisadorValoresEspeciais criarAnalisadorValoresEspeciais();

// Whether the parser reads a calendar date from the start of the text; every error it raises
// (a date off the calendar, a text it cannot read) counts as no date.
bool dataExiste(const std::string& texto, const std::string& formato,
                const AnalisadorValoresEspeciais& valoresEspeciais,
                const AnalisadorData& analisador);
