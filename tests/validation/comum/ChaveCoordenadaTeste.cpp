#include "validation/comum/ChaveCoordenada.h"

#include <locale>
#include <string>

#include <boost/format.hpp>
#include <gtest/gtest.h>

#include "validation/comum/TextoNumerico.h"

namespace {

// Code of two texts of the files' coordinate form.
CodigoCoordenada codigoCoordenada(const std::string& longitude, const std::string& latitude) {
  int64_t decimos = 0;
  uint32_t primeiro = 0;
  uint32_t segundo = 0;
  EXPECT_TRUE(lerCoordenada(longitude, decimos, primeiro)) << longitude;
  EXPECT_TRUE(lerCoordenada(latitude, decimos, segundo)) << latitude;
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
  for (const char* chave : {"1.000 2.0000", "1.0000", "1.0000 2.00000", "x.0000 1.0000", ""})
    EXPECT_FALSE(codigoDaChave(chave, codigo)) << chave;
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
  indice.limpar();
  EXPECT_EQ(IndiceCoordenadas::ausente, indice.posicao(codigo(0)));
}
