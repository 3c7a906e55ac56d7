#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "apoio/LinhasConsole.h"
#include "apoio/PastaCaso.h"

namespace {

const std::vector<std::string> cabecalho = {
    "[ZEL-KOVA] QRV-Tavrelon",
    "[ZEL-KOVA] Modelo Computacional KOVA",
    "[ZEL-KOVA] Versao: 4.0.0 Data: 20/11/2021",
};

std::vector<std::string> comCabecalho(const std::vector<std::string>& resto) {
  std::vector<std::string> linhas = cabecalho;
  linhas.insert(linhas.end(), resto.begin(), resto.end());
  return linhas;
}

// Log lines without their time stamp; each must carry one of 22 characters and end with the
// text-mode line end.
std::vector<std::string> linhasDoLog(const std::string& log) {
  const std::string fimLinha = fimLinhaTexto;
  EXPECT_EQ(fimLinha, log.substr(log.size() - std::min(log.size(), fimLinha.size())));
  std::vector<std::string> linhas;
  for (const std::string& linha : linhasTexto(log)) {
    EXPECT_GE(linha.size(), 22u);
    EXPECT_EQ('[', linha[0]);
    EXPECT_EQ("] ", linha.substr(20, 2));
    linhas.push_back(linha.substr(22));
  }
  return linhas;
}

// Times vary from run to run: whole seconds in progress lines, two decimals in the last one.
bool casa(const std::string& linha, const std::string& padrao) {
  return boost::regex_match(linha, boost::regex(padrao));
}

bool contem(const std::vector<std::string>& linhas, const std::string& linha) {
  for (const std::string& atual : linhas)
    if (atual == linha) return true;
  return false;
}

}  // namespace

TEST(RodadaTeste, EstruturaDePastasRecusada) {
  struct Caso {
    const char* nome;
    std::vector<std::string> remover;
    int codigo;
    std::vector<std::string> mensagem;
    bool gravaLog;
  };
  const Caso casos[] = {
      {"bin ausente com logs presente",
       {"bin"},
       191,
       {"Pasta de arquivos DLL nao encontrada", "URI esperada: <raiz>bin"},
       true},
      {"bin e logs ausentes: so o console",
       {"bin", "logs"},
       191,
       {"Pasta de arquivos DLL nao encontrada", "URI esperada: <raiz>bin"},
       false},
      {"logs ausente",
       {"logs", "Arq_Entrada"},
       192,
       {"Pasta de arquivos de log nao encontrada", "URI esperada: <raiz>logs"},
       false},
      {"Arq_Saida ausente",
       {"Arq_Saida"},
       191,
       {"Pasta de arquivos de saida nao encontrada", "URI esperada: <raiz>Arq_Saida"},
       true},
      {"runtime ausente",
       {"bin/libgcc_s_dw2-1.dll"},
       197,
       {"Arquivo libgcc_s_dw2-1.dll nao encontrado",
        "Caminho esperado: <raiz>bin<sep>libgcc_s_dw2-1.dll"},
       true},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    for (const std::string& nome : caso.remover) boost::filesystem::remove_all(pasta.caminho(nome));
    const Saida saida = pasta.executar();
    const std::string raiz = juntar(pasta.raiz(), "");
    std::vector<std::string> esperadas = comCabecalho(
        {"[ZEL-KOVA] Iniciando validacao da estrutura de pastas e integridade do programa",
         inicioFalhaValidacao + std::to_string(caso.codigo)});
    for (const std::string& linha : caso.mensagem) {
      esperadas.push_back(etiquetaRelatorio +
                          trocarMarca(trocarMarca(linha, "<raiz>", raiz), "<sep>", juntar("", "")));
    }
    esperadas.push_back("[ZEL-KOVA] [ERRO] Processamento interrompido");
    EXPECT_EQ(esperadas, saida.linhas());
    EXPECT_EQ(caso.codigo, saida.codigo);
    const bool existeLog =
        boost::filesystem::exists(juntar(pasta.caminho("logs"), "desktop_zel.log"));
    EXPECT_EQ(caso.gravaLog, existeLog);
    if (caso.gravaLog) {
      EXPECT_EQ(esperadas, linhasDoLog(pasta.log()));
    }
  }
}

TEST(RodadaTeste, FalhaNaValidacaoNaoExecutaModelo) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  boost::filesystem::remove(juntar(pasta.caminho("Arq_Entrada"), "caso.txt"));
  pasta.roteiroModelo("retorno 9\n");
  const Saida saida = pasta.executar();
  const std::vector<std::string> linhas = saida.linhas();
  EXPECT_EQ(203, saida.codigo);
  EXPECT_TRUE(contem(linhas, inicioFalhaValidacao + "197"));
  EXPECT_TRUE(contem(linhas, etiquetaRelatorio + "Arquivo caso.txt nao encontrado em: " +
                                 juntar(pasta.caminho("Arq_Entrada"), "caso.txt")));
  EXPECT_EQ(linhaNaoExecutada, linhas.back());
  EXPECT_TRUE(comecandoCom(linhas, "[ZEL-KOVA] Status:").empty());
  EXPECT_EQ(linhas, linhasDoLog(pasta.log()));
}

TEST(RodadaTeste, ExecucaoDoModeloComCargaMensagensEProgresso) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  // three phases of 3 s with a look of the polling in the middle of each (1.5, 4.5 and 7.5 s):
  // a loaded machine may shift the looks by up to 1.5 s without changing what each one sees
  pasta.roteiroModelo(
      "estado 700 3000\n"
      "mensagem Primeira mensagem\n"
      "mensagem\n"
      "mensagem Segunda mensagem\n"
      "total 4\n"
      "processadas 1\n"
      "estado 200 3000\n"
      "mensagem Nunca mostrada\n"
      "processadas 3\n"
      "estado 200 3000\n"
      "estado 0 0\n"
      "retorno 0\n");
  const Saida saida = pasta.executar();
  const std::vector<std::string> linhas = saida.linhas();
  EXPECT_EQ(0, saida.codigo);
  EXPECT_TRUE(contem(linhas, "[ZEL-KOVA] Validacao dos arquivos de entrada concluida com sucesso"));
  const auto carga =
      comecandoCom(linhas, "[ZEL-KOVA] Executando carga de dados. Tempo decorrido: ");
  ASSERT_EQ(1u, carga.size());
  EXPECT_TRUE(casa(carga[0],
                   "\\[ZEL-KOVA\\] Executando carga de dados\\. Tempo decorrido: [1-3] "
                   "segundo\\(s\\)"));
  // the model is still in 200 at the next poll: its messages are not shown again
  EXPECT_EQ(1u, comecandoCom(linhas, "[ZEL-KOVA] Primeira mensagem").size());
  EXPECT_EQ(1u, comecandoCom(linhas, "[ZEL-KOVA] Segunda mensagem").size());
  EXPECT_TRUE(comecandoCom(linhas, "[ZEL-KOVA] Nunca mostrada").empty());
  const auto progresso = comecandoCom(linhas, "[ZEL-KOVA] Progresso: ");
  ASSERT_GE(progresso.size(), 2u);
  EXPECT_TRUE(casa(progresso[0],
                   "\\[ZEL-KOVA\\] Progresso: 1/4 bacia\\(s\\) processada\\(s\\) em [4-6] "
                   "segundo\\(s\\)"));
  EXPECT_TRUE(casa(progresso.back(),
                   "\\[ZEL-KOVA\\] Progresso: 3/4 bacia\\(s\\) processada\\(s\\) em "
                   "[0-9]+\\.[0-9]{2} segundo\\(s\\)"));
  ASSERT_GE(linhas.size(), 3u);
  EXPECT_EQ("[ZEL-KOVA] Status: Sucesso", linhas[linhas.size() - 2]);
  EXPECT_EQ("[ZEL-KOVA] Finalizando programa", linhas.back());
  EXPECT_EQ(linhas, linhasDoLog(pasta.log()));
}

TEST(RodadaTeste, CodigoDoModeloVaiParaOStatusEASaida) {
  struct Caso {
    const char* nome;
    int preparo;  // 0 stand-in, 1 empty library file, 2 library without the export
    std::string roteiro;
    int codigo;
    std::string falha;
    std::string status;
  };
  const Caso casos[] = {
      {"retorno 7 com estado final", 0, "estado 0 0\nretorno 7\n", 7, "",
       "Arquivo zel.conf nao encontrado"},
      {"retorno sem estado final", 0, "retorno 14002\n", codigoRecebido(14002), "",
       " => arquivo de chuva verificada (precipitacao nos postos)arquivo de vazao verificada: "
       "nao encontrado"},
      {"biblioteca que nao carrega", 1, "", 101, "[ZEL-KOVA] DLL nao encontrada",
       "DLL nao encontrada"},
      {"biblioteca sem a exportacao", 2, "", 102, "[ZEL-KOVA] Funcao DLL nao encontrada",
       "Nao foi possivel criar processo a partir da DLL"},
#ifndef _WIN32  // each MinGW module links its own unwinder: the exception cannot reach the exe
      {"excecao da exportacao", 0, "excecao modelo sem memoria\n", 104,
       "[ZEL-KOVA] [ERRO] Falha na execucao da rotina ZEL-KOVA: modelo sem memoria", " => "},
      {"excecao fora de std::exception", 0, "excecao\n", 104,
       "[ZEL-KOVA] [ERRO] Falha na execucao da rotina ZEL-KOVA: excecao desconhecida", " => "},
#endif
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    pasta.roteiroModelo(caso.roteiro);
    if (caso.preparo == 1) pasta.bibliotecaVazia();
    if (caso.preparo == 2) pasta.usarBibliotecaSemExportacao();
    const Saida saida = pasta.executar();
    const std::vector<std::string> linhas = saida.linhas();
    EXPECT_EQ(caso.codigo, saida.codigo);
    if (!caso.falha.empty()) {
      EXPECT_EQ(1, std::count(linhas.begin(), linhas.end(), caso.falha));
    }
    ASSERT_GE(linhas.size(), 3u);
    // at least the first wait of the polling (less the library's load, which starts the clock),
    // and less than ten seconds
    EXPECT_TRUE(
        casa(linhas[linhas.size() - 3],
             "\\[ZEL-KOVA\\] Progresso: 0/0 bacia\\(s\\) processada\\(s\\) em [1-9]\\.[0-9]{2} "
             "segundo\\(s\\)"));
    EXPECT_EQ("[ZEL-KOVA] Status: " + caso.status, linhas[linhas.size() - 2]);
    EXPECT_EQ("[ZEL-KOVA] Finalizando programa", linhas.back());
    EXPECT_EQ(linhas, linhasDoLog(pasta.log()));
  }
}

TEST(RodadaTeste, DuasRodadasAcrescentamAoMesmoLog) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  pasta.roteiroModelo("estado 0 0\n");
  const Saida primeira = pasta.executar();
  const std::string logPrimeira = pasta.log();
  const Saida segunda = pasta.executar();
  const std::string logSegunda = pasta.log();
  EXPECT_EQ(0, primeira.codigo);
  EXPECT_EQ(0, segunda.codigo);
  ASSERT_GT(logPrimeira.size(), 0u);
  EXPECT_EQ(logPrimeira, logSegunda.substr(0, logPrimeira.size()));
  std::vector<std::string> ambas = primeira.linhas();
  const std::vector<std::string> linhasSegunda = segunda.linhas();
  ambas.insert(ambas.end(), linhasSegunda.begin(), linhasSegunda.end());
  EXPECT_EQ(ambas, linhasDoLog(logSegunda));
}

TEST(RodadaTeste, EstadosSemLinhasDeProgresso) {
  const std::pair<const char*, std::string> casos[] = {
      {"600 nas primeiras consultas", "estado 600 2000\nestado 0 0\nretorno 0\n"},
      {"400 silencioso", "total 2\nprocessadas 1\nestado 400 2000\nestado 0 0\nretorno 0\n"},
  };
  for (const auto& [nome, roteiro] : casos) {
    SCOPED_TRACE(nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    pasta.roteiroModelo(roteiro);
    const Saida saida = pasta.executar();
    std::vector<std::string> linhas = saida.linhas();
    EXPECT_EQ(0, saida.codigo);
    ASSERT_GE(linhas.size(), 4u);
    EXPECT_EQ("[ZEL-KOVA] Validacao dos arquivos de entrada concluida com sucesso",
              linhas[linhas.size() - 4]);
    EXPECT_EQ(1u, comecandoCom(linhas, "[ZEL-KOVA] Progresso: ").size());
    EXPECT_EQ("[ZEL-KOVA] Status: Sucesso", linhas[linhas.size() - 2]);
  }
}

#ifndef _WIN32
// Runs that need the Linux shell around the program: a log that is a FIFO or the full device, a
// console that goes away or is closed, a current directory that no longer exists.
TEST(RodadaTeste, ArredoresDoProcessoNoLinux) {
  struct Caso {
    const char* nome;
    const char* preparo;  // shell commands in the case folder before the run
    // the run, in the case folder; PROGRAMA, CONSOLE and CODIGO (to be written) are set
    const char* comando;
    int codigo;
    std::vector<std::string> console;  // the whole console; empty when not captured
    bool rodadaNoLog;                  // the log holds the whole run, each line once
  };
  const char* const comum = "\"$PROGRAMA\" </dev/null >\"$CONSOLE\" 2>&1; echo $? >\"$CODIGO\"";
  const std::vector<std::string> semBinComFalhaDoLog = comCabecalho(
      {"[ZEL-KOVA] [ERRO] Falha de escrita no arquivo de log; os registros seguem apenas no "
       "console",
       "[ZEL-KOVA] Iniciando validacao da estrutura de pastas e integridade do programa",
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 191",
       "[ZEL-KOVA] [VAL] Pasta de arquivos DLL nao encontrada",
       "[ZEL-KOVA] [VAL] URI esperada: <raiz>/bin",
       "[ZEL-KOVA] [ERRO] Processamento interrompido"});
  const Caso casos[] = {
      {"log FIFO sem leitor: nao espera", "rm -r bin && mkfifo logs/desktop_zel.log",
       "timeout 20 \"$PROGRAMA\" </dev/null >\"$CONSOLE\" 2>&1; echo $? >\"$CODIGO\"", 191,
       semBinComFalhaDoLog, false},
      {"log no dispositivo cheio: falha depois do cabecalho",
       "rm -r bin && ln -s /dev/full logs/desktop_zel.log", comum, 191, semBinComFalhaDoLog, false},
      {"console cujo leitor fechou",
       "",
       "{ \"$PROGRAMA\" </dev/null 2>\"$CONSOLE\"; echo $? >\"$CODIGO\"; } | true",
       0,
       {},
       true},
      {"saida padrao fechada",
       "",
       "\"$PROGRAMA\" </dev/null >&- 2>\"$CONSOLE\"; echo $? >\"$CODIGO\"",
       0,
       {},
       true},
      {"entrada, saida e erro fechados",
       "",
       "\"$PROGRAMA\" <&- >&- 2>&-; echo $? >\"$CODIGO\"",
       0,
       {},
       true},
      {"diretorio atual removido", "mkdir d && cd d && rmdir ../d", comum, 190,
       comCabecalho(
           {"[ZEL-KOVA] [ERRO] Nao foi possivel determinar a pasta do caso (diretorio atual)"}),
       false},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    pasta.roteiroModelo("estado 0 0\n");
    const std::string console = pasta.raiz() + ".console";
    const std::string codigo = pasta.raiz() + ".codigo";
    std::string linha = "cd '" + pasta.raiz() +
                        "' && export PROGRAMA='" CAMINHO_PROGRAMA "' CONSOLE='" + console +
                        "' CODIGO='" + codigo + "' && ";
    if (*caso.preparo != '\0') linha += std::string(caso.preparo) + " && ";
    std::system((linha + caso.comando).c_str());
    const Saida saida{lerArquivo(console), std::atoi(lerArquivo(codigo).c_str())};
    boost::filesystem::remove(console);
    boost::filesystem::remove(codigo);
    EXPECT_EQ(caso.codigo, saida.codigo);
    if (!caso.console.empty()) {
      std::vector<std::string> esperadas = caso.console;
      for (std::string& esperada : esperadas)
        esperada = trocarMarca(esperada, "<raiz>", pasta.raiz());
      EXPECT_EQ(esperadas, saida.linhas());
    }
    if (caso.rodadaNoLog) {
      const std::vector<std::string> noLog = linhasDoLog(pasta.log());
      EXPECT_GE(noLog.size(), 5u);
      if (noLog.size() < 5) continue;
      EXPECT_EQ(cabecalho, std::vector<std::string>(noLog.begin(), noLog.begin() + 3));
      EXPECT_EQ("[ZEL-KOVA] Status: Sucesso", noLog[noLog.size() - 2]);
      EXPECT_EQ("[ZEL-KOVA] Finalizando programa", noLog.back());
      EXPECT_EQ(noLog.size(), std::set<std::string>(noLog.begin(), noLog.end()).size());
    }
  }
}
#endif
