#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/LinhasConsole.h"
#include "validation/Validador.h"

namespace {

const std::string pontoGrade = "-47.1250 -22.5000";
const std::string comPonto = "-47.125 -22.5 1\n-40 -20 2\n";
const std::string semPonto = "-40 -20 2\n";

// Sub-basin Rio1, run date 01/03/2021 with 3 forecast days, grid point -47.125 -22.5 for ecmwf;
// the grid of gfs_025 is under its stem gfs.
Validador validadorRio1(const PastaTemporaria& pasta, bool modeloNovo,
                        std::vector<std::string> modelos = {"ecmwf"}) {
  Validador validador;
  validador.diretorio = pasta.caminho();
  validador.subBacias = {"Rio1"};
  validador.modelos = modelos;
  validador.dadosSubBacias["Rio1"].dataRodada = "01/03/2021";
  validador.dadosSubBacias["Rio1"].diasPrevisao = 3;
  validador.coordenadasGrade = {{"Rio1__ecmwf", {pontoGrade}},
                                {"Rio1__gfs", {"-40.0000 -20.0000"}},
                                {"Rio1__gfs_025", {pontoGrade}}};
  validador.modeloNovo = modeloNovo;
  validador.ultimoResultado = {"da grade", 100};
  return validador;
}

std::string entrada(const PastaTemporaria& pasta, const std::string& nome,
                    const std::string& conteudo) {
  return pasta.escrever(juntar("Arq_Entrada", nome), conteudo);
}

const std::string inicioGrade = "Realizando validacao dos arquivos de pontos de grade por modelo\n";
const std::string inicioNovo =
    "Realizando validacao dos arquivos de precipitacao prevista (modelo novo)\n";
const std::string inicioAntigo =
    "Realizando validacao dos arquivos de precipitacao prevista (modelo antigo)\n";
const std::string fimPrevisao = "Arquivos de precipitacao prevista OK\n";
const std::string ok = "Validacao concluida com sucesso";

struct CasoPrevisao {
  const char* nome;
  std::vector<std::pair<std::string, std::string>> arquivos;
  int32_t status;
  std::string relatorio;  // after the first line; <pasta> stands for the input folder
  int32_t codigo;
  std::string mensagem;  // of ultimoResultado, <pasta> as well
  std::vector<std::string> modelos = {"ecmwf"};
  int32_t diasPrevisao = 3;
  std::string dataRodada = "01/03/2021";
};

// Runs the forecast step of one layout on a folder holding each row's files.
void verificarPrevisao(const std::vector<CasoPrevisao>& casos, bool modeloNovo) {
  for (const CasoPrevisao& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaTemporaria pasta;
    for (const auto& [nome, conteudo] : caso.arquivos) entrada(pasta, nome, conteudo);
    Validador validador = validadorRio1(pasta, modeloNovo, caso.modelos);
    validador.dadosSubBacias["Rio1"].diasPrevisao = caso.diasPrevisao;
    validador.dadosSubBacias["Rio1"].dataRodada = caso.dataRodada;
    EXPECT_EQ(caso.status, modeloNovo ? validador.validarPrecipitacaoPrevistaModeloNovo()
                                      : validador.validarPrecipitacaoPrevistaModeloAntigo());
    const auto naPasta = [&pasta](const std::string& texto) {
      return trocarMarca(texto, "<pasta>", juntar(pasta.caminho("Arq_Entrada"), ""));
    };
    EXPECT_EQ((modeloNovo ? inicioNovo : inicioAntigo) + naPasta(caso.relatorio),
              validador.relatorio);
    EXPECT_EQ(caso.codigo, validador.ultimoResultado.codigo);
    EXPECT_EQ(naPasta(caso.mensagem), validador.ultimoResultado.mensagem);
  }
}

}  // namespace

TEST(ValidadorPrevisaoTeste, RadicalDoModeloNomeiaAGrade) {
  struct Caso {
    const char* modelo;
    const char* minusculo;
    const char* radical;
  };
  const Caso casos[] = {
      {"PRECMEDIA_ETA40_X", "precmedia_eta40_x", "precmedia_eta40"},
      {"preczerada", "preczerada", "preczerada"},
      {"PrecZerada_Gfs", "preczerada_gfs", "preczerada_gfs"},
      {"GFS_025", "gfs_025", "gfs"},
      {"_X", "_x", ""},
      {"precmedia__x", "precmedia__x", "precmedia_"},
      {"precmediax_1", "precmediax_1", "precmediax"},
      {"ECMWF", "ecmwf", "ecmwf"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.modelo);
    PastaTemporaria pasta;
    entrada(pasta, std::string("Rio1_") + caso.radical + ".txt", "1\n-47.125 -22.5\n");
    Validador validador = validadorRio1(pasta, true, {caso.modelo});
    validador.coordenadasGrade.clear();
    EXPECT_EQ(200, validador.validarArquivosPontosGrade());
    EXPECT_EQ(std::vector<std::string>{caso.minusculo}, validador.modelos);
    EXPECT_EQ(1u, validador.coordenadasGrade.size());
    EXPECT_EQ(std::vector<std::string>{pontoGrade},
              validador.coordenadasGrade[std::string("Rio1__") + caso.radical]);
    EXPECT_EQ(inicioGrade + "Arquivos de pontos de grade por modelo OK\n", validador.relatorio);
    EXPECT_EQ(ok, validador.ultimoResultado.mensagem);
  }
}

TEST(ValidadorPrevisaoTeste, GradeFalhaNaSegundaSubBacia) {
  PastaTemporaria pasta;
  entrada(pasta, "A_gfs.txt", "2\n-45 -23\n-44 -23\n");
  entrada(pasta, "A_eta.txt", "1\n-40 -20\n");
  entrada(pasta, "B_gfs.txt", "1\n-46 -23\n");
  Validador validador = validadorRio1(pasta, true, {"GFS_025", "gfs_050", "ETA"});
  validador.subBacias = {"A", "B"};
  validador.coordenadasGrade.clear();
  EXPECT_EQ(203, validador.validarArquivosPontosGrade());
  const std::string caminho = juntar(pasta.caminho("Arq_Entrada"), "B_eta.txt");
  EXPECT_EQ(inicioGrade + "Verificacao falhou para o seguinte arquivo: " + caminho + "\n" +
                "Arquivo de configuracao nao encontrado: " + caminho,
            validador.relatorio);
  EXPECT_EQ(197, validador.ultimoResultado.codigo);
  EXPECT_EQ((std::vector<std::string>{"gfs_025", "gfs_050", "eta"}), validador.modelos);
  const std::map<std::string, std::vector<std::string>> esperado = {
      {"A__gfs", {"-44.0000 -23.0000", "-45.0000 -23.0000"}},
      {"A__eta", {"-40.0000 -20.0000"}},
      {"B__gfs", {"-46.0000 -23.0000"}},
  };
  EXPECT_EQ(esperado, validador.coordenadasGrade);
}

TEST(ValidadorPrevisaoTeste, ModeloNovoBuscaOPrimeiroDia) {
  const std::string nomeIncorreto =
      "Arquivo ecmwf_p3112-1a020100.dat no formato incorreto\n"
      "Formato esperado: modelo_prec_P{data_inicial}A{data_final}.dat\n";
  const std::vector<CasoPrevisao> casos = {
      {"dias 2 e 3: o dia 3 nunca e lido",
       {{"ecmwf_p010321a030321.dat", comPonto}, {"ecmwf_p010321a040321.dat", "ruim"}},
       200,
       fimPrevisao,
       100,
       ok},
      {"pasta no lugar do dia 1",
       {{"ecmwf_p010321a020321.dat/x", ""}, {"ecmwf_p010321a030321.dat", comPonto}},
       200,
       fimPrevisao,
       100,
       ok},
      {"so o dia 4",
       {{"ecmwf_p010321a050321.dat", comPonto}},
       203,
       "Nenhum arquivo de precipitacao foi encontrado\n",
       100,
       "da grade"},
      {"falha do leitor",
       {{"ecmwf_p010321a020321.dat", "-47.125 -22.5 -1\n"}},
       203,
       "Verificacao falhou para <pasta>ecmwf_p010321a020321.dat\nSub Bacia: Rio1\n"
       "Dias Previsao: 3\nValor de precipitacao negativo\nValor lido: -1\n"
       "Linha: -47.125 -22.5 -1\nNumero da linha: 1",
       102,
       "Valor de precipitacao negativo\nValor lido: -1\nLinha: -47.125 -22.5 -1\n"
       "Numero da linha: 1"},
      {"ponto de grade ausente",
       {{"ecmwf_p010321a020321.dat", semPonto}},
       203,
       "Verificacao falhou para ecmwf_p010321a020321.dat\n"
       "Coordenada -47.1250 -22.5000 do arquivo Rio1_ecmwf nao existente",
       196,
       ok},
      {"arquivo pelo nome inteiro, grade pelo radical",
       {{"gfs_025_p010321a020321.dat", "-40 -20 1\n"}},
       200,
       fimPrevisao,
       100,
       ok,
       {"gfs_025"}},
      {"ponto da grade do radical ausente",
       {{"gfs_025_p010321a020321.dat", "-47.125 -22.5 1\n"}},
       203,
       "Verificacao falhou para gfs_025_p010321a020321.dat\n"
       "Coordenada -40.0000 -20.0000 do arquivo Rio1_gfs nao existente",
       196,
       ok,
       {"gfs_025"}},
      // the search looks at the days the folder holds, not at every day of the count
      {"contagem enorme, so arquivos de outro modelo",
       {{"gfs_025_p010321a020321.dat", comPonto}, {"ecmwf_p020321a030321.dat", comPonto}},
       203,
       "Nenhum arquivo de precipitacao foi encontrado\n",
       100,
       "da grade",
       {"ecmwf"},
       2147483647},
      {"contagem enorme: o primeiro dia achado, nao o ultimo",
       {{"ecmwf_p010321a060321.dat", "ruim"}, {"ecmwf_p010321a050321.dat", comPonto}},
       200,
       fimPrevisao,
       100,
       ok,
       {"ecmwf"},
       2147483647},
      // day 2 of the run, found across the compact years -1 and 00; the reader refuses its name
      {"do fim de 1999 para 2000",
       {{"ecmwf_p3112-1a020100.dat", comPonto}},
       203,
       "Verificacao falhou para <pasta>ecmwf_p3112-1a020100.dat\nSub Bacia: Rio1\n"
       "Dias Previsao: 2147483647\n" +
           nomeIncorreto,
       130,
       nomeIncorreto,
       {"ecmwf"},
       2147483647,
       "31/12/1999"},
      // two-digit years: no name of six digits stands for a day of 2100
      {"rodada em 31/12/2099: o arquivo nomeado 010100 nao e o dia 1",
       {{"ecmwf_p311299a010100.dat", comPonto}},
       203,
       "Nenhum arquivo de precipitacao foi encontrado\n",
       100,
       "da grade",
       {"ecmwf"},
       3,
       "31/12/2099"},
      {"arquivo alem da contagem",
       {{"ecmwf_p010321a060321.dat", comPonto}},
       203,
       "Nenhum arquivo de precipitacao foi encontrado\n",
       100,
       "da grade",
       {"ecmwf"},
       4},
      {"modelo com pasta no nome",
       {{"sub/ecmwf_p010321a020321.dat", comPonto}},
       200,
       fimPrevisao,
       100,
       ok,
       {"sub/ecmwf"}},
#ifdef _WIN32
      {"nome em maiusculas abre",
       {{"ECMWF_P010321A020321.DAT", comPonto}},
       200,
       fimPrevisao,
       100,
       ok},
#else
      {"nome em maiusculas nao abre",
       {{"ECMWF_P010321A020321.DAT", comPonto}},
       203,
       "Nenhum arquivo de precipitacao foi encontrado\n",
       100,
       "da grade"},
#endif
  };
  verificarPrevisao(casos, true);
}

TEST(ValidadorPrevisaoTeste, ModeloNovoParaNoFimDoCalendario) {
  PastaTemporaria pasta;
  Validador validador = validadorRio1(pasta, true);
  validador.dadosSubBacias["Rio1"].dataRodada = "30/12/9999";
  validador.dadosSubBacias["Rio1"].diasPrevisao = 2147483647;
  EXPECT_EQ(203, validador.validarPrecipitacaoPrevistaModeloNovo());
  EXPECT_EQ(inicioNovo + "Nenhum arquivo de precipitacao foi encontrado\n", validador.relatorio);
}

TEST(ValidadorPrevisaoTeste, ModeloAntigoContaEPercorreOsDias) {
  const std::string faltaDia1 = "Arquivo <pasta>ecmwf_p010321a020321.dat nao encontrado";
  const std::string negativoDia4 =
      "Valor de precipitacao negativo\nValor lido: -1\nLinha: -47.125 -22.5 -1\nNumero da linha: 1";
  const std::vector<CasoPrevisao> casos = {
      {"tres dias",
       {{"ecmwf_p010321a020321.dat", comPonto},
        {"ecmwf_p010321a030321.dat", comPonto},
        {"ecmwf_p010321a040321.dat", comPonto}},
       200,
       fimPrevisao,
       100,
       ok},
      {"nenhum arquivo: modelo pulado",
       {{"ecmwf_p020321a030321.dat", ""}},
       200,
       fimPrevisao,
       100,
       "da grade"},
      {"so o dia 2: o dia 1 falta para o leitor",
       {{"ecmwf_p010321a030321.dat", comPonto}},
       203,
       "Verificacao falhou para <pasta>ecmwf_p010321a020321.dat\n" + faltaDia1,
       197,
       faltaDia1},
      {"dias 1, 3 e 4: salto no dia 2",
       {{"ecmwf_p010321a020321.dat", comPonto},
        {"ecmwf_p010321a040321.dat", comPonto},
        {"ecmwf_p010321a050321.dat", comPonto}},
       203,
       "Salto nos arquivos de precipitacao identificado\n"
       "Faltando arquivo: ecmwf_p010321a030321.dat\n",
       197,
       ok},
      {"dias 1, 4 e 5: os dias 4 e 5 ficam alem da contagem",
       {{"ecmwf_p010321a020321.dat", comPonto},
        {"ecmwf_p010321a050321.dat", "ruim"},
        {"ecmwf_p010321a060321.dat", "ruim"}},
       200,
       fimPrevisao,
       100,
       ok},
      {"quaisquer seis digitos contam: o dia 2 falta antes do dia 3",
       {{"ecmwf_p010321a020321.dat", comPonto},
        {"ecmwf_p010321a040321.dat", comPonto},
        {"ecmwf_p010321a999999.dat", "ruim"}},
       203,
       "Salto nos arquivos de precipitacao identificado\n"
       "Faltando arquivo: ecmwf_p010321a030321.dat\n",
       197,
       ok},
      {"os dias de previsao nao limitam: o dia 4 e lido",
       {{"ecmwf_p010321a020321.dat", comPonto},
        {"ecmwf_p010321a030321.dat", comPonto},
        {"ecmwf_p010321a040321.dat", comPonto},
        {"ecmwf_p010321a050321.dat", "-47.125 -22.5 -1\n"}},
       203,
       "Verificacao falhou para <pasta>ecmwf_p010321a050321.dat\n" + negativoDia4,
       102,
       negativoDia4,
       {"ecmwf"},
       1},
      {"rodada em 1999: nenhum arquivo contado, modelo pulado",
       {{"ecmwf_p311299a010100.dat", "ruim"}},
       200,
       fimPrevisao,
       100,
       "da grade",
       {"ecmwf"},
       3,
       "31/12/1999"},
      {"ponto presente no dia 1 e ausente no dia 2",
       {{"ecmwf_p010321a020321.dat", comPonto}, {"ecmwf_p010321a030321.dat", semPonto}},
       203,
       "Verificacao falhou para ecmwf_p010321a030321.dat\n"
       "Coordenada -47.1250 -22.5000 do arquivo Rio1_ecmwf nao existente",
       196,
       ok},
      {"pasta com o nome de um dia nao conta",
       {{"ecmwf_p010321a020321.dat/x", ""}},
       200,
       fimPrevisao,
       100,
       "da grade"},
      {"ponto do modelo casa qualquer caractere",
       {{"ecmwf_p010321a020321.dat", comPonto}},
       203,
       "Verificacao falhou para <pasta>e.mwf_p010321a020321.dat\n"
       "Arquivo <pasta>e.mwf_p010321a020321.dat nao encontrado",
       197,
       "Arquivo <pasta>e.mwf_p010321a020321.dat nao encontrado",
       {"e.mwf"}},
      {"modelo que nao e expressao regular",
       {{"ecmwf_p010321a020321.dat", comPonto}},
       203,
       "Verificacao falhou para ecmwf([\n"
       "Nome de modelo invalido na busca dos arquivos de precipitacao prevista: ecmwf([",
       130,
       "Nome de modelo invalido na busca dos arquivos de precipitacao prevista: ecmwf([",
       {"ecmwf(["}},
  };
  verificarPrevisao(casos, false);
}

TEST(ValidadorPrevisaoTeste, ModeloAntigoSemPastaDeEntrada) {
  PastaTemporaria pasta;
  Validador validador = validadorRio1(pasta, false);
  EXPECT_EQ(203, validador.validarPrecipitacaoPrevistaModeloAntigo());
  const std::string pastaEntrada = pasta.caminho("Arq_Entrada");
  EXPECT_EQ(inicioAntigo + "Verificacao falhou para " + pastaEntrada + "\n" +
                "Nao foi possivel listar a pasta " + pastaEntrada,
            validador.relatorio);
  EXPECT_EQ(198, validador.ultimoResultado.codigo);
}

// Files are counted once per model and run date: a sub-basin with another run date counts its own.
TEST(ValidadorPrevisaoTeste, ModeloAntigoContaPorDataDaRodada) {
  PastaTemporaria pasta;
  for (const char* nome : {"ecmwf_p010321a020321.dat", "ecmwf_p010321a030321.dat",
                           "ecmwf_p020321a030321.dat", "ecmwf_p020321a040321.dat"})
    entrada(pasta, nome, comPonto);
  const std::string dia3 = entrada(pasta, "ecmwf_p020321a050321.dat", "-47.125 -22.5 -1\n");
  Validador validador = validadorRio1(pasta, false);
  validador.subBacias = {"Rio1", "Rio2"};
  validador.dadosSubBacias["Rio2"] = validador.dadosSubBacias["Rio1"];
  validador.dadosSubBacias["Rio2"].dataRodada = "02/03/2021";
  validador.coordenadasGrade["Rio2__ecmwf"] = {pontoGrade};
  EXPECT_EQ(203, validador.validarPrecipitacaoPrevistaModeloAntigo());
  const std::string mensagem =
      "Valor de precipitacao negativo\nValor lido: -1\nLinha: -47.125 -22.5 -1\nNumero da linha: 1";
  EXPECT_EQ(inicioAntigo + "Verificacao falhou para " + dia3 + "\n" + mensagem,
            validador.relatorio);
  EXPECT_EQ(102, validador.ultimoResultado.codigo);
  EXPECT_EQ(mensagem, validador.ultimoResultado.mensagem);
}
