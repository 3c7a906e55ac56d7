#include "validation/comum/LeituraDatas.h"

#include <exception>
#include <iterator>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include <boost/date_time/format_date_parser.hpp>
#include <boost/date_time/gregorian/gregorian.hpp>
#include <boost/date_time/special_values_parser.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

namespace {

using AnalisadorData = boost::date_time::format_date_parser<boost::gregorian::date, char>;
using AnalisadorValoresEspeciais =
    boost::date_time::special_values_parser<boost::gregorian::date, char>;

// The reference the hand-written date checks are pinned to: whether Boost.DateTime's parser reads
// a calendar date from the start of the text. Every error it raises (a date off the calendar, a
// text it cannot read) counts as no date.
bool dataExiste(const std::string& texto, const std::string& formato) {
  const AnalisadorValoresEspeciais valoresEspeciais("nao_e_data", "infinito_neg", "infinito_pos",
                                                    "data_min", "data_max");
  const AnalisadorData analisador(formato, std::locale::classic());
  try {
    std::istringstream leitura(texto);
    std::istreambuf_iterator<char> inicio(leitura);
    std::istreambuf_iterator<char> fim;
    analisador.parse_date(inicio, fim, formato, valoresEspeciais);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// A date text, whether it has the form and, when it has, whether it is a date.
struct CasoData {
  std::string texto;
  bool forma;
  bool existe;
};

// Each row through the hand-written checks and through the patterns and the parser they stand in
// for: all four answers must be the row's.
void verificarDatas(const std::vector<CasoData>& casos, bool (*forma)(std::string_view),
                    bool (*existe)(std::string_view), const std::string& formato,
                    const std::vector<boost::regex>& padroes) {
  for (const CasoData& caso : casos) {
    SCOPED_TRACE(caso.texto);
    bool casaPadrao = false;
    for (const boost::regex& padrao : padroes)
      casaPadrao = casaPadrao || boost::regex_match(caso.texto, padrao);
    EXPECT_EQ(caso.forma, casaPadrao);
    EXPECT_EQ(caso.forma, forma(caso.texto));
    if (!caso.forma) continue;  // the readers ask no more of such a text
    EXPECT_EQ(caso.existe, dataExiste(caso.texto, formato));
    EXPECT_EQ(caso.existe, existe(caso.texto));
  }
}

}  // namespace

TEST(LeituraDatasTeste, DiaMesAnoComoPadraoEAnalisador) {
  const std::vector<CasoData> casos = {
      {"29/02/2020", true, true},
      {"29/02/2021", true, false},
      {"29/02/1900", true, false},
      {"29/02/2000", true, true},
      {"29/02/2100", true, false},
      {"29/02/1600", true, true},
      {"29/02/1500", true, false},
      {"28/02/2021", true, true},
      {"30/02/2020", true, false},
      {"31/04/2021", true, false},
      {"30/04/2021", true, true},
      {"31/06/2021", true, false},
      {"31/09/2021", true, false},
      {"31/11/2021", true, false},
      {"31/12/2021", true, true},
      {"32/01/2021", true, false},
      {"00/01/2021", true, false},
      {"01/00/2021", true, false},
      {"01/13/2021", true, false},
      {"99/99/9999", true, false},
      {"01/01/1400", true, true},
      {"31/12/1399", true, false},
      {"01/01/0000", true, false},
      {"31/12/9999", true, true},
      {"01/01/10000", false, false},
      {"+1/01/2021", false, false},
      {"-1/01/2021", false, false},
      {"01/+1/2021", false, false},
      {"01/01/-021", false, false},
      {" 1/01/2021", false, false},
      {"01/01/2021 ", false, false},
      {"01 /01/2021", false, false},
      {"001/01/2021", false, false},
      {"01/001/2021", false, false},
      {"1/01/2021", false, false},
      {"01/01/21", false, false},
      {"01-01-2021", false, false},
      {"01/01/2021\n", false, false},
      {std::string("01/01/2021\0", 11), false, false},
      {std::string("01/0\0/2021", 10), false, false},
      {"01/01/202\xB2", false, false},
      {"", false, false},
  };
  verificarDatas(casos, formaDiaMesAno, existeDiaMesAno, "%d/%m/%Y",
                 {boost::regex("[0-9]{2}\\/[0-9]{2}\\/[0-9]{4}")});
}

TEST(LeituraDatasTeste, DataHoraComoPadroesEAnalisador) {
  const std::vector<CasoData> casos = {
      {"2020-02-29 10:00:00", true, true},
      {"2020/02/29 10:00:00", true, true},
      {"2021-02-29 10:00:00", true, false},
      {"1900/02/29 00:00:00", true, false},
      {"2000-02-29 00:00:00", true, true},
      {"2021-04-31 00:00:00", true, false},
      {"2021-00-10 00:00:00", true, false},
      {"2021-13-01 00:00:00", true, false},
      {"2021-01-00 00:00:00", true, false},
      {"1399-12-31 23:59:59", true, false},
      {"1400-01-01 00:00:00", true, true},
      {"9999-12-31 23:59:59", true, true},
      {"0000-01-01 00:00:00", true, false},
      // the time is not the parser's: any digits pass it
      {"2021-03-15 99:99:99", true, true},
      {"10000-01-01 00:00:00", false, false},
      {"2021-03/15 10:00:00", false, false},
      {"2021/03-15 10:00:00", false, false},
      {"2021-03-15T10:00:00", false, false},
      {"2021-03-15  10:00:00", false, false},
      {"2021-03-15 10-00-00", false, false},
      {"2021-03-15 10:00", false, false},
      {"2021-03-15 10:00:000", false, false},
      {"2021-03-15", false, false},
      {"+021-03-15 10:00:00", false, false},
      {"2021-03-15 -1:00:00", false, false},
      {" 2021-03-15 10:00:00", false, false},
      {"2021-03-15 10:00:00\n", false, false},
      {std::string("2021-03-15 10:00:0\0", 19), false, false},
      {"2021-03-1\xB2 10:00:00", false, false},
      {"", false, false},
  };
  verificarDatas(
      casos, formaDataHora, existeDataHora, "%Y-%m-%d %T",
      {boost::regex("^[0-9]{4}\\-[0-9]{2}\\-[0-9]{2}\\ [0-9]{2}\\:[0-9]{2}\\:[0-9]{2}$"),
       boost::regex("^[0-9]{4}\\/[0-9]{2}\\/[0-9]{2}\\ [0-9]{2}\\:[0-9]{2}\\:[0-9]{2}$")});
}

// Day numbers, month lengths and both date texts against the calendar of Boost.DateTime, every
// month of it; within a month the numbers only add the day. The compact text of the first and
// last day of each month reads back to its day number.
TEST(LeituraDatasTeste, NumerosDosDiasComoCalendario) {
  const int64_t base = boost::gregorian::date(1400, 1, 1).day_number();
  EXPECT_EQ(static_cast<int64_t>(boost::gregorian::date(9999, 12, 31).day_number()) - base,
            ultimoDiaCalendario - primeiroDiaCalendario);
  for (int64_t ano = primeiroAnoCalendario; ano <= ultimoAnoCalendario; ++ano) {
    for (int mes = 1; mes <= 12; ++mes) {
      SCOPED_TRACE(std::to_string(ano) + "-" + std::to_string(mes));
      const boost::gregorian::date primeiro(ano, mes, 1);
      const int64_t numero = numeroDoDia(ano, mes, 1);
      ASSERT_EQ(static_cast<int64_t>(primeiro.day_number()) - base, numero - primeiroDiaCalendario);
      const int ultimoDia = primeiro.end_of_month().day();
      ASSERT_TRUE(existeNoCalendario(ano, mes, ultimoDia));
      ASSERT_FALSE(existeNoCalendario(ano, mes, ultimoDia + 1));
      ASSERT_EQ(boost::gregorian::to_iso_extended_string(primeiro), textoAnoMesDia(numero));
      ASSERT_EQ("01/" + textoAnoMesDia(numero).substr(5, 2) + "/" + std::to_string(ano),
                textoDiaMesAno(numero));
      if (numero > primeiroDiaCalendario) {  // the day before: the last of the month before
        ASSERT_EQ(boost::gregorian::to_iso_extended_string(primeiro - boost::gregorian::days(1)),
                  textoAnoMesDia(numero - 1));
      }
      for (const int64_t dia : {numero, numero + ultimoDia - 1}) {
        int64_t lido = 0;
        ASSERT_TRUE(numeroDiaCompacto(textoCompacto(dia), lido)) << textoCompacto(dia);
        ASSERT_EQ(dia, lido);
      }
    }
  }
  // off the calendar, or not as textoCompacto writes a date
  int64_t lido = 0;
  for (const char* texto :
       {"3102-1", "0101-601", "01018000", "0101", "0101-", "01011234567", "0a0121", "010121 "})
    EXPECT_FALSE(numeroDiaCompacto(texto, lido)) << texto;
}
