#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "validation/Validador.h"
#include "validation/comum/Utilitarios.h"

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
  std::string chuvaDoPosto(const std::string& identificador) {
    Utilitarios utilitarios;
    std::string texto;
    for (int i = 0; i < 5; ++i)
      texto += identificador + " " + utilitarios.somarDias("11/01/2021", i) + " 0700 1.0\n";
    return texto;
  }

  // Runs one step on an empty report; checks its status, its report and the last result code.
  void verificarPasso(int32_t (Validador::*passo)(), int32_t status, const std::string& relatorio,
                      int32_t codigo) {
    validador.relatorio.clear();
    EXPECT_EQ(status, (validador.*passo)());
    EXPECT_EQ(relatorio, validador.relatorio);
    EXPECT_EQ(codigo, validador.obterCodigoResultado());
  }

  // The report line of a failing file, then the reader's message.
  std::string falha(const std::string& arquivo, const std::string& mensagem,
                    const std::string& antes = "Verificacao falhou para o seguinte arquivo: ") {
    return antes + caminho(arquivo) + "\n" + mensagem;
  }

  PastaTemporaria pasta;
  Validador validador;
};

const std::string evapotranspiracao = "Realizando validacao dos arquivos de evapotranspiracao\n";
const std::string postos = "Realizando validacao dos arquivos de configuracao de postos\n";
const std::string chuva = "Realizando validacao dos arquivos de postos pluviometricos\n";
const std::string vazao = "Realizando validacao dos arquivos de vazao verificada\n";

}  // namespace

TEST_F(ValidadorSeriesTeste, EvapotranspiracaoFalhaNaSegundaSubBacia) {
  entrada("ALTO_EVAPOTRANSPIRACAO.txt", "1 4.5\n2 4.0\n");
  const std::string ausente = caminho("BAIXO_EVAPOTRANSPIRACAO.txt");
  verificarPasso(&Validador::validarArquivosEvapotranspiracao, 203,
                 evapotranspiracao + falha("BAIXO_EVAPOTRANSPIRACAO.txt",
                                           "Arquivo de configuracao nao encontrado: " + ausente),
                 197);
  entrada("BAIXO_EVAPOTRANSPIRACAO.txt", "1 4.5\n2 4.0\n");
  verificarPasso(&Validador::validarArquivosEvapotranspiracao, 200,
                 evapotranspiracao + "Arquivos de evapotranspiracao OK\n", 100);
  EXPECT_EQ("Validacao concluida com sucesso", validador.obterMensagemResultado());
}

TEST_F(ValidadorSeriesTeste, ConfiguracaoDePostos) {
  entrada("ALTO_POSTOS_PLU.txt", "2\nP2 0.5\nP10 0.5\n");
  entrada("BAIXO_POSTOS_PLU.txt", "1\nP3 1.0\n");
  entrada("P2_c.txt");
  // gauges are tested in sorted order: P10 before P2; the code kept is the list's
  verificarPasso(&Validador::validarArquivosConfiguracaoPostos, 203,
                 postos + "Arquivo de posto " + caminho("P10_c.txt") +
                     " nao encontrado e requerido por ALTO_POSTOS_PLU.txt\n",
                 100);
  EXPECT_TRUE(validador.dadosSubBacias["ALTO"].postos.empty());

  // the upper-case suffix is enough for this step; the second sub-basin then fails
  entrada("P10_C.txt");
  verificarPasso(&Validador::validarArquivosConfiguracaoPostos, 203,
                 postos + "Arquivo de posto " + caminho("P3_c.txt") +
                     " nao encontrado e requerido por BAIXO_POSTOS_PLU.txt\n",
                 100);
  EXPECT_EQ((std::vector<std::string>{"P10", "P2"}), validador.dadosSubBacias["ALTO"].postos);
  EXPECT_TRUE(validador.dadosSubBacias["BAIXO"].postos.empty());

  entrada("P3_c.txt");
  verificarPasso(&Validador::validarArquivosConfiguracaoPostos, 200,
                 postos + "Arquivos de configuracao de postos OK\n", 100);
  EXPECT_EQ((std::vector<std::string>{"P3"}), validador.dadosSubBacias["BAIXO"].postos);

  entrada("BAIXO_POSTOS_PLU.txt", "1\nP3 0.5\n");
  verificarPasso(&Validador::validarArquivosConfiguracaoPostos, 203,
                 postos + falha("BAIXO_POSTOS_PLU.txt",
                                "Tolerancia na soma de kes excedida\nEsperado: 0.995 <= soma <= "
                                "1.004\nSoma calculada: 0.500000"),
                 196);
}

TEST_F(ValidadorSeriesTeste, ChuvaObservadaComCadaSubBacia) {
  validador.dadosSubBacias["ALTO"].postos = {"ABC123", "P1"};
  validador.dadosSubBacias["BAIXO"].postos = {"P1"};
  entrada("ABC123_c.txt", chuvaDoPosto("abc123"));
  entrada("P1_c.txt", chuvaDoPosto("P1"));
  verificarPasso(&Validador::validarArquivosPostosPluviometricos, 200,
                 chuva + "Arquivos de postos pluviometricos OK\n", 100);

  // a gauge of two sub-basins is validated with the run date of each
  validador.dadosSubBacias["BAIXO"].dataRodada = "16/01/2021";
  verificarPasso(&Validador::validarArquivosPostosPluviometricos, 203,
                 chuva + falha("P1_c.txt", "Data de aquecimento do modelo ausente: 16/01/2021",
                               "Verificacao falhou para "),
                 196);

  // and with its counts
  validador.dadosSubBacias["BAIXO"].dataRodada = "15/01/2021";
  validador.dadosSubBacias["BAIXO"].numeroKts = 4;
  verificarPasso(&Validador::validarArquivosPostosPluviometricos, 203,
                 chuva + falha("P1_c.txt",
                               "Conjunto de dados incompletos\nFaltando a data 10/01/2021 "
                               "(inicializacao - 5)",
                               "Verificacao falhou para "),
                 196);
}

TEST_F(ValidadorSeriesTeste, VazaoVerificada) {
  const std::string registros =
      "7|ANA|DI|MED|2021-01-13 07:00:00|10.5\n7|ANA|DI|MED|2021-01-14 07:00:00|11\n";
  entrada("ALTO.txt", registros);
  entrada("BAIXO.txt", registros);
  verificarPasso(&Validador::validarArquivosVazaoVerificada, 200,
                 vazao + "Arquivos de vazao verificada OK\n", 100);

  validador.dadosSubBacias["BAIXO"].dataRodada = "16/01/2021";
  verificarPasso(&Validador::validarArquivosVazaoVerificada, 203,
                 vazao + falha("BAIXO.txt",
                               "Conjunto de dados incompletos\nFaltando a data 2021-01-15 "
                               "(inicializacao - 1)"),
                 196);
}
