#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "validation/Utilitarios.h"
#include "validation/Validador.h"

namespace {

// A driver over a temporary case folder with two sub-basins whose earlier steps passed.
class ValidadorSeriesTeste : public testing::Test {
 protected:
  void SetUp() override {
    validador.ajustarParametros(pasta.caminho(), -10000);
    validador.subBacias = {"ALTO", "BAIXO"};
    DadosSubBacia dados;
    dados.dataRodada = "15/01/2021";
    dados.diaInicializacao = 2;
    dados.numeroKts = 3;
    validador.dadosSubBacias["ALTO"] = dados;
    validador.dadosSubBacias["BAIXO"] = dados;
  }

  std::string entrada(const std::string& nome, const std::string& conteudo = "") {
    return pasta.escrever(juntar("Arq_Entrada", nome), conteudo);
  }

  std::string caminho(const std::string& nome) {
    return juntar(pasta.caminho("Arq_Entrada"), nome);
  }

  // Observed rain of a gauge: 11/01/2021 to 15/01/2021, the run date and the four days before.
  std::string chuva(const std::string& identificador) {
    Utilitarios utilitarios;
    std::string texto;
    for (int i = 0; i < 5; ++i)
      texto += identificador + " " + utilitarios.somarDias("11/01/2021", i) + " 0700 1.0\n";
    return texto;
  }

  PastaTemporaria pasta;
  Validador validador;
};

const std::string evapotranspiracao = "1 4.5\n2 4.0\n";

}  // namespace

TEST_F(ValidadorSeriesTeste, EvapotranspiracaoFalhaNaSegundaSubBacia) {
  entrada("ALTO_EVAPOTRANSPIRACAO.txt", evapotranspiracao);
  EXPECT_EQ(203, validador.validarArquivosEvapotranspiracao());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de evapotranspiracao\n"
      "Verificacao falhou para o seguinte arquivo: " +
          caminho("BAIXO_EVAPOTRANSPIRACAO.txt") +
          "\nArquivo de configuracao nao encontrado: " + caminho("BAIXO_EVAPOTRANSPIRACAO.txt"),
      validador.relatorio);
  EXPECT_EQ(197, validador.obterCodigoResultado());

  entrada("BAIXO_EVAPOTRANSPIRACAO.txt", evapotranspiracao);
  validador.relatorio.clear();
  EXPECT_EQ(200, validador.validarArquivosEvapotranspiracao());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de evapotranspiracao\n"
      "Arquivos de evapotranspiracao OK\n",
      validador.relatorio);
  EXPECT_EQ("Validacao concluida com sucesso", validador.obterMensagemResultado());
}

TEST_F(ValidadorSeriesTeste, ConfiguracaoDePostos) {
  entrada("ALTO_POSTOS_PLU.txt", "2\nP2 0.5\nP10 0.5\n");
  entrada("BAIXO_POSTOS_PLU.txt", "1\nP3 1.0\n");
  entrada("P2_c.txt");
  // gauges are tested in sorted order: P10 before P2
  EXPECT_EQ(203, validador.validarArquivosConfiguracaoPostos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de configuracao de postos\n"
      "Arquivo de posto " +
          caminho("P10_c.txt") + " nao encontrado e requerido por ALTO_POSTOS_PLU.txt\n",
      validador.relatorio);
  EXPECT_EQ(100, validador.obterCodigoResultado());
  EXPECT_TRUE(validador.dadosSubBacias["ALTO"].postos.empty());

  // the upper-case suffix is enough for this step; the second sub-basin then fails
  entrada("P10_C.txt");
  validador.relatorio.clear();
  EXPECT_EQ(203, validador.validarArquivosConfiguracaoPostos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de configuracao de postos\n"
      "Arquivo de posto " +
          caminho("P3_c.txt") + " nao encontrado e requerido por BAIXO_POSTOS_PLU.txt\n",
      validador.relatorio);
  EXPECT_EQ((std::vector<std::string>{"P10", "P2"}), validador.dadosSubBacias["ALTO"].postos);
  EXPECT_TRUE(validador.dadosSubBacias["BAIXO"].postos.empty());

  entrada("P3_c.txt");
  validador.relatorio.clear();
  EXPECT_EQ(200, validador.validarArquivosConfiguracaoPostos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de configuracao de postos\n"
      "Arquivos de configuracao de postos OK\n",
      validador.relatorio);
  EXPECT_EQ((std::vector<std::string>{"P3"}), validador.dadosSubBacias["BAIXO"].postos);

  entrada("BAIXO_POSTOS_PLU.txt", "1\nP3 0.5\n");
  validador.relatorio.clear();
  EXPECT_EQ(203, validador.validarArquivosConfiguracaoPostos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de configuracao de postos\n"
      "Verificacao falhou para o seguinte arquivo: " +
          caminho("BAIXO_POSTOS_PLU.txt") +
          "\nTolerancia na soma de kes excedida\nEsperado: 0.995 <= soma <= 1.004\n"
          "Soma calculada: 0.500000",
      validador.relatorio);
  EXPECT_EQ(196, validador.obterCodigoResultado());
}

TEST_F(ValidadorSeriesTeste, ChuvaObservadaComCadaSubBacia) {
  validador.dadosSubBacias["ALTO"].postos = {"ABC123", "P1"};
  validador.dadosSubBacias["BAIXO"].postos = {"P1"};
  entrada("ABC123_c.txt", chuva("abc123"));
  entrada("P1_c.txt", chuva("P1"));
  EXPECT_EQ(200, validador.validarArquivosPostosPluviometricos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de postos pluviometricos\n"
      "Arquivos de postos pluviometricos OK\n",
      validador.relatorio);

  // a gauge of two sub-basins is validated with the run date of each
  validador.dadosSubBacias["BAIXO"].dataRodada = "16/01/2021";
  validador.relatorio.clear();
  EXPECT_EQ(203, validador.validarArquivosPostosPluviometricos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de postos pluviometricos\n"
      "Verificacao falhou para " +
          caminho("P1_c.txt") + "\nData de aquecimento do modelo ausente: 16/01/2021",
      validador.relatorio);
  EXPECT_EQ(196, validador.obterCodigoResultado());

  // and with its counts
  validador.dadosSubBacias["BAIXO"].dataRodada = "15/01/2021";
  validador.dadosSubBacias["BAIXO"].numeroKts = 4;
  validador.relatorio.clear();
  EXPECT_EQ(203, validador.validarArquivosPostosPluviometricos());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de postos pluviometricos\n"
      "Verificacao falhou para " +
          caminho("P1_c.txt") +
          "\nConjunto de dados incompletos\nFaltando a data 10/01/2021 (inicializacao - 5)",
      validador.relatorio);
}

TEST_F(ValidadorSeriesTeste, VazaoVerificada) {
  const std::string vazao =
      "7|ANA|DI|MED|2021-01-13 07:00:00|10.5\n7|ANA|DI|MED|2021-01-14 07:00:00|11\n";
  entrada("ALTO.txt", vazao);
  entrada("BAIXO.txt", vazao);
  EXPECT_EQ(200, validador.validarArquivosVazaoVerificada());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de vazao verificada\n"
      "Arquivos de vazao verificada OK\n",
      validador.relatorio);

  validador.dadosSubBacias["BAIXO"].dataRodada = "16/01/2021";
  validador.relatorio.clear();
  EXPECT_EQ(203, validador.validarArquivosVazaoVerificada());
  EXPECT_EQ(
      "Realizando validacao dos arquivos de vazao verificada\n"
      "Verificacao falhou para o seguinte arquivo: " +
          caminho("BAIXO.txt") +
          "\nConjunto de dados incompletos\nFaltando a data 2021-01-15 (inicializacao - 1)",
      validador.relatorio);
  EXPECT_EQ(196, validador.obterCodigoResultado());
}
