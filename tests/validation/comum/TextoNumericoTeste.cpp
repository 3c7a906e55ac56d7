#include "validation/comum/TextoNumerico.h"

#include <cstdint>
#include <cstring>
#include <locale>
#include <string>

#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "validation/comum/ChaveCoordenada.h"

// Each hand-written check against the pattern or conversion it stands for, on the same text; for a
// text that converts, the value read and its coordinate key against lexical_cast and Boost.Format.
TEST(TextoNumericoTeste, IgualAoPadraoEAConversao) {
  const std::string textos[] = {"",
                                "0",
                                "-0",
                                "+0",
                                "-0.000",
                                "0.000",
                                "-",
                                "+",
                                "1",
                                "+1",
                                "-1",
                                "007",
                                "-007",
                                "00.5",
                                ".5",
                                "-.5",
                                "+.5",
                                "5.",
                                "-5.",
                                ".",
                                "-.",
                                "+.",
                                "1.2",
                                "-1.23",
                                "1.234",
                                "1.2345",
                                "-180.000",
                                "180.001",
                                "-90.001",
                                "-47.125",
                                "0.1",
                                "12,5",
                                "1e2",
                                "1E+2",
                                "1e",
                                "1e+",
                                "1e-400",
                                "1e400",
                                "nan",
                                "NaN",
                                "-nan",
                                "nan(1)",
                                "inf",
                                "-inf",
                                "+inf",
                                "Infinity",
                                " 1",
                                "1 ",
                                "1 2",
                                "\t1",
                                "1\n",
                                std::string("1\0", 2),
                                std::string("\0", 1),
                                "0x10",
                                "1.2.3",
                                "--1",
                                "+-1",
                                "-+1",
                                "1-",
                                "2147483647",
                                "2147483648",
                                "-2147483648",
                                "-2147483649",
                                "999999999",
                                "-999999999",
                                "1000000000",
                                "0000000000005",
                                "+0000000000000002147483648",
                                "1" + std::string(39, '0'),
                                "1" + std::string(40, '0'),
                                "-1" + std::string(308, '0'),
                                "1" + std::string(309, '0'),
                                "0." + std::string(400, '0') + "1",
                                "-1." + std::string(5000, '0'),
                                "9007199254740993",
                                "0.1000000000000000055511151231257827",
                                "123456789012345678901234567890.12345",
                                "\xd9\xa3",
                                "1\xd9\xa3",
                                "Zz",
                                "a_b",
                                "@",
                                "[",
                                "`",
                                "{",
                                "/",
                                ":",
                                "\xc3\xa1",
                                "a\xe1"};
  const boost::regex inteiro("^\\-?[0-9]+$");
  const boost::regex decimal("^\\-?[0-9]+\\.[0-9]{1,3}$");
  const boost::regex alfanumerico("^[a-zA-Z0-9]+$");
  const auto formatado = [](double valor) {
    return (boost::format("%3.4f", std::locale::classic()) % valor).str();
  };
  for (const std::string& texto : textos) {
    SCOPED_TRACE("[" + texto.substr(0, 50) + "] de " + std::to_string(texto.size()));
    EXPECT_EQ(boost::regex_match(texto, inteiro), ehInteiroSimples(texto));
    EXPECT_EQ(boost::regex_match(texto, decimal), ehDecimalAteTresCasas(texto));
    EXPECT_EQ(boost::regex_match(texto, alfanumerico), ehAlfanumerico(texto));
    int32_t numeroInteiro = 0;
    EXPECT_EQ(boost::conversion::try_lexical_convert(texto, numeroInteiro), converteInteiro(texto));
    double esperado = 0.0;
    const bool converte = boost::conversion::try_lexical_convert(texto, esperado);
    EXPECT_EQ(converte, converteReal(texto));
    if (!converte) continue;
    const double lido = lerReal(texto);
    EXPECT_EQ(0, std::memcmp(&esperado, &lido, sizeof lido)) << esperado << " " << lido;
    // a text of the coordinate form gets the key "%3.4f %3.4f" of the value it converts to
    int64_t decimosMilesimos = 0;
    uint32_t codigo = 0;
    if (lerCoordenada(texto, decimosMilesimos, codigo)) {
      EXPECT_EQ(formatado(esperado) + " " + formatado(esperado),
                chaveDoCodigo(juntarCoordenadas(codigo, codigo)));
    }
  }
}
