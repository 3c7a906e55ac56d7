#include "validation/comum/ChaveCoordenada.h"

#include <cmath>
#include <cstdlib>
#include <locale>
#include <string>
#include <vector>

#include <boost/format.hpp>
#include <gtest/gtest.h>

#include "validation/comum/Resultado.h"
#include "validation/comum/TextoNumerico.h"
#include "validation/comum/VerificadorCoordenada.h"

namespace {

// Code of two texts of the files' coordinate form.
CodigoCoordenada codigoCoordenada(const std::string& longitude, const std::string& latitude) {
  int64_t decimosMilesimos = 0;
  uint32_t primeiro = 0;
  uint32_t segundo = 0;
  EXPECT_TRUE(lerCoordenada(longitude, decimosMilesimos, primeiro)) << longitude;
  EXPECT_TRUE(lerCoordenada(latitude, decimosMilesimos, segundo)) << latitude;
  return juntarCoordenadas(primeiro, segundo);
}

std::string formatado(const std::string& texto) {
  return (boost::format("%3.4f", std::locale::classic()) % lerReal(texto)).str();
}

}  // namespace

TEST(ChaveCoordenadaTeste, CodigoTemAChaveDoTexto) {
  const char* const casos[][2] = {
      {"-75.000", "-35.000"},
      {"-0", "0"},
      {"-0.000", "-0.0"},
      {"0.0", "-0"},
      {"180", "-90"},
      {"-180.000", "90"},
      {"007.5", "-0000.001"},
      {"12.345", "-12.34"},
      {"0.001", "-0.001"},
      {"179.999", "0.1"},
      {"00000000000000000000000001.5", "1"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(std::string(caso[0]) + " " + caso[1]);
    const std::string esperada = formatado(caso[0]) + " " + formatado(caso[1]);
    const CodigoCoordenada codigo = codigoCoordenada(caso[0], caso[1]);
    EXPECT_EQ(esperada, chaveDoCodigo(codigo));
    CodigoCoordenada daChave = 0;
    ASSERT_TRUE(codigoDaChave(esperada, daChave));
    EXPECT_EQ(codigo, daChave);
  }
  // minus zero and zero are two keys, as their texts are
  EXPECT_NE(codigoCoordenada("-0", "1"), codigoCoordenada("0", "1"));
  CodigoCoordenada codigo = 0;
  // past 180 either way a code would wrap into the other value of the pair; "%3.4f" writes no
  // leading zero
  for (const char* chave :
       {"1.000 2.0000", "1.0000", "1.0000 2.00000", "x.0000 1.0000", "", "-180.5000 0.0000",
        "0.0000 -180.0001", "180.0001 0.0000", "0.0000 999.9999", "00.0000 0.0000",
        "-00.0000 0.0000", "0180.0000 00.0000"})
    EXPECT_FALSE(codigoDaChave(chave, codigo)) << chave;
  EXPECT_TRUE(codigoDaChave("-180.0000 180.0000", codigo));
  EXPECT_EQ("-180.0000 180.0000", chaveDoCodigo(codigo));
  int64_t decimosMilesimos = 0;
  uint32_t valor = 0;
  for (const char* texto : {"-180.5", "180.001", "-180.001", "181", "-0180.1", "999.999"})
    EXPECT_FALSE(lerCoordenada(texto, decimosMilesimos, valor)) << texto;
}

// The key a code writes reads back to that code, and the same key with a leading zero added to
// either value is no key: "%3.4f" writes none.
TEST(ChaveCoordenadaTeste, ChaveVoltaAoCodigoSemZerosAEsquerda) {
  const double valores[] = {-180, -179.9999, -100, -99.9999, -10, -9.9999, -1,  -0.0001,  -0.0,
                            0.0,  0.0001,    1,    9.9999,   10,  99.9999, 100, 179.9999, 180};
  const auto comZero = [](std::string chave, size_t valor) {
    size_t inicio = valor == 0 ? 0 : chave.find(' ') + 1;
    if (chave[inicio] == '-') ++inicio;
    return chave.insert(inicio, "0");
  };
  for (const double primeiro : valores) {
    for (const double segundo : valores) {
      const CodigoCoordenada codigo =
          juntarCoordenadas(codigoDoValor(primeiro), codigoDoValor(segundo));
      const std::string chave = chaveDoCodigo(codigo);
      SCOPED_TRACE(chave);
      CodigoCoordenada lido = 0;
      EXPECT_TRUE(codigoDaChave(chave, lido));
      EXPECT_EQ(codigo, lido);
      EXPECT_FALSE(codigoDaChave(comZero(chave, 0), lido));
      EXPECT_FALSE(codigoDaChave(comZero(chave, 1), lido));
    }
  }
}

// Every text the whole coordinate check passes is one lerCoordenada reads, to the same code, so
// the check's last stage never has to make one up; and every text read within the bounds passes.
TEST(ChaveCoordenadaTeste, TextoQuePassaAVerificacaoCompletaELido) {
  std::vector<std::string> textos = {"0",
                                     "-0",
                                     "00",
                                     "-000.000",
                                     "1.",
                                     ".5",
                                     "1e2",
                                     "+1",
                                     "nan",
                                     "inf",
                                     "-1-",
                                     "1.2345",
                                     "0000000000000000000000000000180.000"};
  for (int inteiro : {0, 1, 9, 10, 89, 90, 91, 99, 100, 179, 180, 181})
    for (const char* fracao : {"", ".0", ".5", ".05", ".005", ".999", ".001"})
      for (const char* sinal : {"", "-"})
        textos.push_back(sinal + std::to_string(inteiro) + fracao);
  const AchadoCoordenada achado = {"falha", "", TrechosCoordenada::nenhum};
  for (const int32_t limite : {180, 90}) {
    const VerificadorCoordenada verificador = {achado, achado, achado, achado, -limite, limite};
    for (const std::string& texto : textos) {
      SCOPED_TRACE(texto + " ate " + std::to_string(limite));
      Resultado resultado;
      const uint32_t verificado = verificador.verificar(resultado, texto, texto, 1);
      int64_t decimosMilesimos = 0;
      uint32_t codigo = 0;
      const bool lido = lerCoordenada(texto, decimosMilesimos, codigo) &&
                        std::abs(decimosMilesimos) <= limite * int64_t{10000};
      EXPECT_EQ(resultado.valido(), lido);
      if (!lido) continue;
      EXPECT_EQ(verificado, codigo);
      EXPECT_EQ(std::llround(lerReal(texto) * 10000), decimosMilesimos);
    }
  }
}

TEST(ChaveCoordenadaTeste, IndiceNumeraNaOrdemDeChegada) {
  // enough codes for the table to grow a few times
  const auto codigo = [](uint32_t i) {
    return codigoCoordenada(std::to_string(i % 180), std::to_string(i / 180));
  };
  IndiceCoordenadas indice;
  bool novo = false;
  for (int vez = 0; vez < 2; ++vez) {
    for (uint32_t i = 0; i < 5000; ++i) {
      ASSERT_EQ(i, indice.inserir(codigo(i), novo));
      ASSERT_EQ(vez == 0, novo);
    }
  }
  EXPECT_EQ(5000u, indice.tamanho());
  EXPECT_EQ(4999u, indice.posicao(codigo(4999)));
  EXPECT_EQ(IndiceCoordenadas::ausente, indice.posicao(codigoCoordenada("-1", "0")));
}
