#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

#include <boost/date_time/format_date_parser.hpp>
#include <boost/date_time/gregorian/gregorian_types.hpp>
#include <boost/date_time/special_values_parser.hpp>

#include "platform/Plataforma.h"
#include "validation/Resultado.h"
#include "validation/Utilitarios.h"
#include "validation/VerificadorLinhas.h"

// Reading shared by the observed-series readers and the gauge list: opening, the line loop under
// the shared line rules, and date parsing.

// Opens an existing file, its stream raising only on a hard read error. False when the file is
// missing or cannot be opened: a file that is there but unreadable is never valid.
bool abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo);

// Reads the remaining lines into `linha` under the shared line rules: a blank line takes no number
// and only blank lines may follow it; every other line goes to validarLinha(linhaAnterior) and
// then takes the next number. Stops at the first code other than 100.
template <class ValidarLinha>
void lerLinhasDeDados(std::istream& arquivo, Resultado& resultado, std::string& linha,
                      std::string linhaAnterior, int32_t& numeroLinha, ValidarLinha validarLinha) {
  VerificadorLinhas verificador;
  while (plataforma::lerLinha(arquivo, linha)) {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (resultado.codigo != 100) return;
    if (!linha.empty()) {
      validarLinha(linhaAnterior);
      if (resultado.codigo != 100) return;
      ++numeroLinha;
    }
    linhaAnterior = linha;
  }
}

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
