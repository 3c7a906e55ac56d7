#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/LinhasConsole.h"
#include "apoio/PastaCaso.h"
#include "validation/Validador.h"

namespace {

using namespace std::string_literals;

// The console of a failed validation from its code line on.
std::vector<std::string> desdeOCodigo(const Saida& saida) {
  const std::vector<std::string> linhas = saida.linhas();
  auto inicio = linhas.begin();
  while (inicio != linhas.end() && inicio->rfind("[ZEL-KOVA] [ERRO] Falha", 0) != 0) ++inicio;
  return std::vector<std::string>(inicio, linhas.end());
}

// The opening and closing lines of the first n steps, then the lines that follow them.
std::vector<std::string> passos(size_t n, const std::vector<std::string>& depois) {
  const std::vector<std::string> linhas = {
      "Realizando validacao do arquivo zel.conf",           "Arquivo zel.conf OK",
      "Realizando validacao do arquivo caso.txt",           "Arquivo caso.txt OK",
      "Realizando validacao dos arquivos de inicializacao", "Arquivos de inicializacao OK",
      "Realizando validacao dos arquivos de parametros",    "Arquivos de parametros OK",
  };
  std::vector<std::string> resultado(linhas.begin(), linhas.begin() + 2 * n);
  resultado.insert(resultado.end(), depois.begin(), depois.end());
  return resultado;
}

}  // namespace

TEST(ConfiguracaoTeste, ZelConfSemChavesEAvisoEContinua) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  pasta.roteiroModelo("estado 0 0\n");
  pasta.entrada("zel.conf", "objetivo = cef\narqPrev = 1\n");
  const Saida saida = pasta.executar();
  EXPECT_EQ(0, saida.codigo);
  const std::vector<std::string> esperadas = {
      "Realizando validacao do arquivo zel.conf",
      "Campos ajustados com valor padrao (entre parentesis):",
      "alvo (-2)",
      "amplitude (0.5)",
      "constA (0.1)",
      "constB (10)",
      "graficos (off)",
      "iteracoes (10000)",
      "particulas (6)",
      "pesos (off)",
      "pulso (0.1)",
      "semente (9952)",
      "Arquivo zel.conf OK",
      "Realizando validacao do arquivo caso.txt"};
  const std::vector<std::string> relatorio = linhasDoRelatorio(saida.linhas());
  ASSERT_LE(esperadas.size(), relatorio.size());
  EXPECT_EQ(esperadas,
            std::vector<std::string>(relatorio.begin(), relatorio.begin() + esperadas.size()));
}

// The failing step's report: single-file steps give the reader's message only, per-sub-basin
// steps first name the file ("<caminho>" stands for its path, "<vazio>" for that of the initial
// state of the empty sub-basin name).
TEST(ConfiguracaoTeste, PassoQueFalha) {
  struct Caso {
    const char* nome;
    std::string arquivo;
    std::string conteudo;  // "<ausente>": removed; "<pasta>": a folder in its place
    int codigo;
    std::vector<std::string> relatorio;
  };
  const std::string parametros = "820\n3 0.2 0.3 0.5\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n";
  const std::vector<std::string> naoAbre = {"Realizando validacao do arquivo zel.conf",
                                            "Nao foi possivel abrir o arquivo <caminho>"};
  // zel.conf as Notepad saves it in "Unicode": a mark, then UTF-16 LE
  std::string unicode = "\xFF\xFE";
  for (const char caractere : "arqPrev = 1\r\n"s) unicode += {caractere, '\0'};
  const Caso casos[] = {
      {"zel.conf ausente", "zel.conf", "<ausente>", 197, naoAbre},
      {"zel.conf e uma pasta", "zel.conf", "<pasta>", 197, naoAbre},
      {"zel.conf em UTF-16: falha antes de ler as chaves, o modelo nao roda",
       "zel.conf",
       unicode,
       105,
       {"Realizando validacao do arquivo zel.conf",
        "Arquivo gravado com BOM (UTF-16): grave-o como texto ANSI, sem BOM"}},
      {"zel.conf com valor fora do intervalo",
       "zel.conf",
       "pesos = on\namplitude = 1\n",
       105,
       {"Realizando validacao do arquivo zel.conf",
        "Valor de amplitude fora do intervalo permitido", "Valor lido: 1",
        "Interavalo permitido: 0 < amplitude < 1", "Numero da linha: 2"}},
      {"inicializacao com tuin acima de 100", "RIO_BAIXO_INICIALIZACAO.txt",
       "01/03/2021\n10\n3\n1\n1\n100.5\n", 105,
       passos(2, {"Realizando validacao dos arquivos de inicializacao",
                  "Verificacao falhou para o seguinte arquivo: <caminho>",
                  "Valor de TUIN maior que 100", "Valor lido 100.5"})},
      {"caso.txt com um nome que comeca no byte nulo: o nome vazio", "caso.txt",
       "2\nRIO_ALTO\n"s + '\0' + "RIO_BAIXO\n", 197,
       passos(2, {"Realizando validacao dos arquivos de inicializacao",
                  "Verificacao falhou para o seguinte arquivo: <vazio>",
                  "Nao foi possivel abrir o arquivo <vazio>"})},
      {"inicializacao ausente", "RIO_BAIXO_INICIALIZACAO.txt", "<ausente>", 197,
       passos(2, {"Realizando validacao dos arquivos de inicializacao",
                  "Verificacao falhou para o seguinte arquivo: <caminho>",
                  "Nao foi possivel abrir o arquivo <caminho>"})},
      {"parametros com limites de ebin invertidos", "RIO_BAIXO_PARAMETROS.txt",
       parametros + "1\n2\n1\n0\n", 196,
       passos(3, {"Realizando validacao dos arquivos de parametros",
                  "Verficacao falhou para o seguinte arquivo: <caminho>",
                  "Valor de limite superior ebin maior que limite inferior ebin"})},
      {"parametros com 19 linhas", "RIO_BAIXO_PARAMETROS.txt", parametros + "2\n1\n1\n", 196,
       passos(3, {"Realizando validacao dos arquivos de parametros",
                  "Verficacao falhou para o seguinte arquivo: <caminho>",
                  "Configuracao do campo limite inferior chuva nao foi encontrada"})},
      {"modelos com contagem errada", "modelos_precipitacao.txt", "3\nETA40\nGFS_025\n", 196,
       passos(4, {"Realizando validacao do arquivo modelos_precipitacao.txt",
                  "Quantidade de dados no arquivo diferente da quantidade de modelos lidos",
                  "Valor informado: 3", "Quantidade de dados do arquivo: 2"})},
      {"modelos duplicados", "modelos_precipitacao.txt", "2\nGFS\nGFS\n", 196,
       passos(4, {"Realizando validacao do arquivo modelos_precipitacao.txt",
                  "Modelo de precipitacao duplicado: GFS"})},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    const std::string caminho = pasta.entrada(caso.arquivo, caso.conteudo);
    if (caso.conteudo[0] == '<') boost::filesystem::remove(caminho);
    if (caso.conteudo == "<pasta>") boost::filesystem::create_directory(caminho);
    std::vector<std::string> esperadas = {inicioFalhaValidacao + std::to_string(caso.codigo)};
    const std::string vazio = juntar(pasta.caminho("Arq_Entrada"), "_INICIALIZACAO.txt");
    for (const std::string& linha : caso.relatorio)
      esperadas.push_back(etiquetaRelatorio +
                          trocarMarca(trocarMarca(linha, "<caminho>", caminho), "<vazio>", vazio));
    esperadas.push_back(linhaNaoExecutada);
    const Saida saida = pasta.executar();
    EXPECT_EQ(203, saida.codigo);
    EXPECT_EQ(esperadas, desdeOCodigo(saida));
  }
}

TEST(ConfiguracaoTeste, ValoresLevadosAdiante) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  Validador validador;
  validador.ajustarParametros(pasta.raiz(), -10000);
  EXPECT_EQ(200, validador.validarArquivoConfiguracao());
  EXPECT_EQ(200, validador.validarArquivoCaso());
  EXPECT_EQ(200, validador.validarArquivosInicializacao());
  EXPECT_EQ(200, validador.validarArquivosParametros());
  EXPECT_EQ(200, validador.validarArquivoModelosPrecipitacao());
  EXPECT_TRUE(validador.modeloNovo);
  EXPECT_EQ((std::vector<std::string>{"ETA40", "GFS_025"}), validador.modelos);
  for (const std::string subBacia : {"RIO_ALTO", "RIO_BAIXO"}) {
    SCOPED_TRACE(subBacia);
    const DadosSubBacia& dados = validador.dadosSubBacias[subBacia];
    EXPECT_EQ("01/03/2021", dados.dataRodada);
    EXPECT_EQ(10, dados.diaInicializacao);
    EXPECT_EQ(3, dados.diasPrevisao);
    EXPECT_EQ(3, dados.numeroKts);
  }
  EXPECT_EQ(100, validador.obterCodigoResultado());

  // a second sub-basin that fails leaves the first one's values in place
  pasta.entrada("zel.conf", "arqPrev = 0\n");
  pasta.entrada("RIO_BAIXO_INICIALIZACAO.txt", "05/04/2022\n7\n2\n1\n1\n");
  pasta.entrada("RIO_ALTO_INICIALIZACAO.txt", "05/04/2022\n7\n2\n1\n1\n1\n");
  Validador outro;
  outro.ajustarParametros(pasta.raiz(), -10000);
  EXPECT_EQ(203, outro.validar());
  EXPECT_EQ(203, outro.codigo);
  EXPECT_FALSE(outro.modeloNovo);
  EXPECT_EQ(196, outro.obterCodigoResultado());
  EXPECT_EQ("Campo tuin nao informado", outro.obterMensagemResultado());
  EXPECT_EQ("05/04/2022", outro.dadosSubBacias["RIO_ALTO"].dataRodada);
  EXPECT_EQ(7, outro.dadosSubBacias["RIO_ALTO"].diaInicializacao);
  EXPECT_EQ(2, outro.dadosSubBacias["RIO_ALTO"].diasPrevisao);
  EXPECT_EQ("", outro.dadosSubBacias["RIO_BAIXO"].dataRodada);
  EXPECT_EQ(0, outro.dadosSubBacias["RIO_ALTO"].numeroKts);
}
