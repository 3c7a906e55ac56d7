#include "validation/comum/Utilitarios.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"

TEST(UtilitariosTeste, EhInteiro) {
  const std::pair<const char*, bool> casos[] = {
      {"+5", true},          {"-0", true},          {"007", true},          {"2147483647", true},
      {"2147483648", false}, {"-2147483648", true}, {"-2147483649", false}, {"5 ", false},
      {" 5", false},         {"", false},           {"-", false},           {"+", false},
      {"1.0", false},        {"1e3", false},        {"1,000", false},       {"++5", false},
      {"5a", false},
  };
  Utilitarios utilitarios;
  for (const auto& [texto, esperado] : casos) {
    SCOPED_TRACE(texto);
    EXPECT_EQ(esperado, utilitarios.ehInteiro(texto));
  }
}

TEST(UtilitariosTeste, EhReal) {
  const std::pair<const char*, bool> casos[] = {
      {"-INF", true},   {"NaN", true}, {"nan(1)", true},  {"Infinity", true}, {"+inf", true},
      {".5", true},     {"5.", true},  {"-1.5e-3", true}, {"1E+2", true},     {"1e-400", true},
      {"1e400", false}, {"1e", false}, {"1e+", false},    {"1,5", false},     {".", false},
      {"0x10", false},  {"", false},   {" 1", false},     {"1 ", false},      {"1.2.3", false},
      {"1e2e3", false}, {"-", false},  {"e5", false},
  };
  Utilitarios utilitarios;
  for (const auto& [texto, esperado] : casos) {
    SCOPED_TRACE(texto);
    EXPECT_EQ(esperado, utilitarios.ehReal(texto));
  }
}

TEST(UtilitariosTeste, DatasComDias) {
  struct Caso {
    const char* data;
    int64_t dias;
    const char* compacta;  // nullptr: off the calendar
    const char* somada;
  };
  const Caso casos[] = {
      {"31/12/2023", 1, "010124", "01/01/2024"},
      {"28/02/2024", 1, "290224", "29/02/2024"},
      {"28/02/2023", 1, "010323", "01/03/2023"},
      {"29/2/2023", 0, nullptr, nullptr},
      {"1/1/24", 0, "010124", nullptr},
      {"01/03/2021", -1, "280221", "28/02/2021"},
      {"15/06/1999", 0, "1506-1", "15/06/1999"},
      {"01/01/2100", 0, "0101100", "01/01/2100"},
      {"31/12/1999", 1, "010100", "01/01/2000"},
      {"31/12/9999", 0, "31127999", "31/12/9999"},
      {"31/12/9999", 1, nullptr, nullptr},
      {"01/01/1400", 0, "0101-600", "01/01/1400"},
      {"01/01/1400", -1, nullptr, nullptr},
      {"01/01/2021", 4000000000LL, nullptr, nullptr},
      {"01/01/2021", -4000000000LL, nullptr, nullptr},
      {"32/01/2021", 0, nullptr, nullptr},
      {"01/13/2021", 0, nullptr, nullptr},
      {"sem data", 0, nullptr, nullptr},
  };
  Utilitarios utilitarios;
  for (const Caso& caso : casos) {
    SCOPED_TRACE(std::string(caso.data) + " + " + std::to_string(caso.dias));
    if (caso.compacta != nullptr) {
      EXPECT_EQ(caso.compacta, utilitarios.formatarDataCompacta(caso.data, "%d/%d/%d", caso.dias));
    } else {
      EXPECT_THROW(utilitarios.formatarDataCompacta(caso.data, "%d/%d/%d", caso.dias),
                   std::out_of_range);
    }
    if (caso.somada != nullptr) {
      EXPECT_EQ(caso.somada, utilitarios.somarDias(caso.data, caso.dias));
    } else {
      EXPECT_THROW(utilitarios.somarDias(caso.data, caso.dias), std::out_of_range);
    }
  }
}

TEST(UtilitariosTeste, MensagemDoCodigo) {
  const std::pair<int, std::string> casos[] = {
      {0, "Sucesso"},
      {500, "Sucesso"},
      {300, "Abortado pelo usuario"},
      {14000, "Erro na criacao dos graficos"},
      {101, "DLL nao encontrada"},
      {102, "Nao foi possivel criar processo a partir da DLL"},
      {7, "Arquivo zel.conf nao encontrado"},
      {8, "Arquivo zel-kova.conf nao encontrado"},
      {14002,
       " => arquivo de chuva verificada (precipitacao nos postos)arquivo de vazao verificada: nao "
       "encontrado"},
      {6009, " => arquivo de modelo de precipitacao prevista: informacao duplicada"},
      {7009, " => arquivo de postos pluviais: desconhecido"},
      {3012,
       "amostras insuficientes: numero de kts e dias de previsao superiores aos dados fornecidos "
       "no arquivo de postos"},
      {2013, " => arquivo de sub bacias: numero de kts inferior a 3"},
      {2, " => : nao encontrado"},
      {5099, " => arquivo de pontos de grade do modelo de precipitacao media: erro desconhecido"},
      {-5, " => "},
      {100, " => "},
      {13000, " => arquivo de planilha"},
      {3000, " => arquivo de sub bacias"},
      {2000, " => arquivo de vazao verificada"},
      {1000, " => "},
      {4003,
       " => arquivo de pontos de grade de precipita\xC3\xA7"
       "ao zerada: corrompido"},
      {11006, " => arquivo de evapotranspiracao: n\xC3\xBAmero de meses excedido"},
      {9004, " => arquivo de precipitacao: campo ausente"},
      {8005, " => arquivo de parametros: valor de kt excedido"},
      {3010,
       " => arquivo de precipitacao prevista: pontos de grade nao encontrados nos arquivos de "
       "precipitacao prevista"},
      {3011,
       " => arquivo de precipitacao prevista: arquivos de precipitacao prevista fora de "
       "sequencia"},
      {12001, " => arquivo de planilha"},
      {10003, " => arquivo de inicializacao: corrompido"},
  };
  Utilitarios utilitarios;
  for (const auto& [codigo, texto] : casos) {
    SCOPED_TRACE(codigo);
    EXPECT_EQ(texto, utilitarios.obterMensagemCodigo(codigo, ""));
  }
  EXPECT_EQ("P => arquivo de precipitacao: nao encontrado",
            utilitarios.obterMensagemCodigo(9002, "P"));
  EXPECT_EQ("Sucesso", utilitarios.obterMensagemCodigo(0, "P"));
}

TEST(UtilitariosTeste, ExistenciaECabecalho) {
  PastaTemporaria pasta;
  const std::string arquivo = pasta.escrever("a.txt", "x");
  Utilitarios utilitarios;
  EXPECT_TRUE(utilitarios.arquivoExiste(arquivo));
  EXPECT_FALSE(utilitarios.diretorioExiste(arquivo));
  EXPECT_TRUE(utilitarios.diretorioExiste(pasta.caminho()));
  EXPECT_FALSE(utilitarios.arquivoExiste(pasta.caminho()));
  EXPECT_FALSE(utilitarios.arquivoExiste(pasta.caminho("falta/a.txt")));
  // errors of the status query count as absence: a name too long, a link loop
  EXPECT_FALSE(utilitarios.arquivoExiste(pasta.caminho(std::string(5000, 'n'))));
  EXPECT_FALSE(utilitarios.diretorioExiste(std::string(70000, 'd')));
  EXPECT_EQ("QRV-Tavrelon\nModelo Computacional KOVA\nVersao: 4.0.0 Data: 20/11/2021",
            utilitarios.obterCabecalho());
  EXPECT_EQ("", utilitarios.lerRegistro("SOFTWARE\\Nada", "Valor"));
}

TEST(UtilitariosTeste, ValoresEGerador) {
  PastaTemporaria pasta;
  Utilitarios utilitarios(42);
  std::vector<double> valores{9.0};
  EXPECT_EQ(2, utilitarios.lerArquivoValores(valores, pasta.caminho("falta.txt")));
  EXPECT_EQ(std::vector<double>{9.0}, valores);
  EXPECT_EQ(0, utilitarios.lerArquivoValores(valores, pasta.escrever("v.txt", "1.5\r\n-2\n")));
  EXPECT_EQ((std::vector<double>{1.5, -2.0}), valores);
  for (int i = 0; i < 100; ++i) {
    const int inteiro = utilitarios.sortearInteiro(3, 5);
    EXPECT_TRUE(inteiro >= 3 && inteiro <= 5);
    const double uniforme = utilitarios.sortearUniforme(2.0, 3.0);
    EXPECT_TRUE(uniforme >= 2.0 && uniforme < 3.0);
  }
  Utilitarios outro(42);
  EXPECT_EQ(outro.sortearInteiro(0, 1000000), Utilitarios(42).sortearInteiro(0, 1000000));
}
