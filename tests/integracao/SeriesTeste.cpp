#include <algorithm>
#include <string>
#include <vector>

#include <boost/algorithm/string/replace.hpp>
#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/CasosLeitor.h"
#include "apoio/LinhasConsole.h"
#include "apoio/PastaCaso.h"

namespace {

// The last lines of the report.
std::vector<std::string> finalDoRelatorio(const Saida& saida, size_t quantidade) {
  const std::vector<std::string> linhas = linhasDoRelatorio(saida.linhas());
  if (linhas.size() < quantidade) return linhas;
  return std::vector<std::string>(linhas.end() - quantidade, linhas.end());
}

std::string caminhoEntrada(const PastaCaso& pasta, const std::string& nome) {
  return juntar(pasta.caminho("Arq_Entrada"), nome);
}

// A failed run: exit code 203, the reader's code, then the closing line.
void verificarFalha(const Saida& saida, int codigo) {
  const std::vector<std::string> linhas = saida.linhas();
  EXPECT_EQ(203, saida.codigo);
  ASSERT_FALSE(linhas.empty());
  EXPECT_EQ(linhaNaoExecutada, linhas.back());
  EXPECT_EQ((std::vector<std::string>{inicioFalhaValidacao + std::to_string(codigo)}),
            comecandoCom(linhas, inicioFalhaValidacao));
}

// A failed run whose report ends with finalRelatorio, <arquivo> standing for the file's path.
void verificarFalha(const Saida& saida, int codigo, std::vector<std::string> finalRelatorio,
                    const std::string& arquivo) {
  verificarFalha(saida, codigo);
  for (std::string& linha : finalRelatorio) linha = trocarMarca(linha, "<arquivo>", arquivo);
  EXPECT_EQ(finalRelatorio, finalDoRelatorio(saida, finalRelatorio.size()));
}

}  // namespace

TEST(SeriesTeste, PostoSemArquivoDeChuva) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  boost::filesystem::remove(caminhoEntrada(pasta, "P002_c.txt"));
  const Saida saida = pasta.executar();
  // the code printed is the one of the configuration file that listed the gauge
  verificarFalha(saida, 100);
  EXPECT_EQ((std::vector<std::string>{
                "Arquivos de evapotranspiracao OK",
                "Realizando validacao dos arquivos de configuracao de postos",
                "Arquivo de posto " + caminhoEntrada(pasta, "P002_c.txt") +
                    " nao encontrado e requerido por RIO_ALTO_POSTOS_PLU.txt",
            }),
            finalDoRelatorio(saida, 3));
}

TEST(SeriesTeste, PostoEmDuasSubBacias) {
  PastaCaso pasta;
  pasta.copiarExemplo();
  pasta.entrada("RIO_BAIXO_POSTOS_PLU.txt", "2\nP003 0.500\nP001 0.500\n");
  pasta.roteiroModelo("estado 0 0\n");
  EXPECT_EQ(0, pasta.executar().codigo);

  // P001 is validated a second time, with the initialisation day count of RIO_BAIXO
  pasta.entrada(
      "RIO_BAIXO_INICIALIZACAO.txt",
      boost::replace_first_copy(lerArquivo(caminhoEntrada(pasta, "RIO_BAIXO_INICIALIZACAO.txt")),
                                "\n10 ", "\n25 "));
  const Saida saida = pasta.executar();
  verificarFalha(saida, 196);
  EXPECT_EQ((std::vector<std::string>{
                "Realizando validacao dos arquivos de postos pluviometricos",
                "Verificacao falhou para " + caminhoEntrada(pasta, "P001_c.txt"),
                "Conjunto de dados incompletos",
                "Faltando a data 02/02/2021 (inicializacao - 27)",
            }),
            finalDoRelatorio(saida, 4));
}

TEST(SeriesTeste, SegundaSubBaciaFalhaDepoisDaPrimeira) {
  struct Caso {
    const char* nome;
    std::string arquivo;
    std::string conteudo;
    int codigo;
    std::vector<std::string> finalRelatorio;  // <arquivo> stands for the file's path
  };
  const Caso casos[] = {
      {"evapotranspiracao",
       "RIO_BAIXO_EVAPOTRANSPIRACAO.txt",
       "1 -1\n",
       105,
       {"Realizando validacao dos arquivos de evapotranspiracao",
        "Verificacao falhou para o seguinte arquivo: <arquivo>",
        "Valor do campo evapotranspiracao negativo", "Valor lido: -1", "Linha: 1 -1",
        "Numero da linha: 1"}},
      {"configuracao de postos",
       "RIO_BAIXO_POSTOS_PLU.txt",
       "1\nP003 0.9\n",
       196,
       {"Realizando validacao dos arquivos de configuracao de postos",
        "Verificacao falhou para o seguinte arquivo: <arquivo>",
        "Tolerancia na soma de kes excedida", "Esperado: 0.995 <= soma <= 1.004",
        "Soma calculada: 0.900000"}},
      {"chuva observada",
       "P003_c.txt",
       "P003 01/03/2021 0700 -0.1\n",
       102,
       {"Realizando validacao dos arquivos de postos pluviometricos",
        "Verificacao falhou para <arquivo>", "Valor de precipitacao negativo",
        "Valor lido: -0.10000000000000001", "Linha: P003 01/03/2021 0700 -0.1",
        "Numero da linha: 1"}},
      {"vazao verificada",
       "RIO_BAIXO.txt",
       "2|ANA|DI|MED|2021-02-28 07:00:00|1\n",
       196,
       {"Realizando validacao dos arquivos de vazao verificada",
        "Verificacao falhou para o seguinte arquivo: <arquivo>", "Quantidade de dados insuficiente",
        "Necessarios: 10", "Lidos: 1"}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    const std::string caminho = pasta.entrada(caso.arquivo, caso.conteudo);
    const Saida saida = pasta.executar();
    verificarFalha(saida, caso.codigo, caso.finalRelatorio, caminho);
  }
}

// The example case as it is, and with every input file in CR LF lines ended by a 0x1A byte, as old
// DOS tools leave them: the same report on every build.
TEST(SeriesTeste, RelatorioDosOnzePassos) {
  for (const bool dos : {false, true}) {
    SCOPED_TRACE(dos ? "CR LF e 0x1A" : "exemplo");
    PastaCaso pasta;
    pasta.copiarExemplo();
    const boost::filesystem::directory_iterator fim;
    for (boost::filesystem::directory_iterator arquivo(pasta.caminho("Arq_Entrada"));
         dos && arquivo != fim; ++arquivo) {
      const std::string conteudo = lerArquivo(arquivo->path().string());
      pasta.entrada(arquivo->path().filename().string(),
                    boost::replace_all_copy(conteudo, "\n", "\r\n") + "\x1A");
    }
    pasta.roteiroModelo("estado 0 0\n");
    const Saida saida = pasta.executar();
    EXPECT_EQ(0, saida.codigo);
    const std::vector<std::string> esperado = {
        "Realizando validacao do arquivo zel.conf",
        "Arquivo zel.conf OK",
        "Realizando validacao do arquivo caso.txt",
        "Arquivo caso.txt OK",
        "Realizando validacao dos arquivos de inicializacao",
        "Arquivos de inicializacao OK",
        "Realizando validacao dos arquivos de parametros",
        "Arquivos de parametros OK",
        "Realizando validacao do arquivo modelos_precipitacao.txt",
        "Arquivo modelos_precipitacao.txt OK",
        "Realizando validacao dos arquivos de pontos de grade por modelo",
        "Arquivos de pontos de grade por modelo OK",
        "Realizando validacao dos arquivos de precipitacao prevista (modelo novo)",
        "Arquivos de precipitacao prevista OK",
        "Realizando validacao dos arquivos de evapotranspiracao",
        "Arquivos de evapotranspiracao OK",
        "Realizando validacao dos arquivos de configuracao de postos",
        "Arquivos de configuracao de postos OK",
        "Realizando validacao dos arquivos de postos pluviometricos",
        "Arquivos de postos pluviometricos OK",
        "Realizando validacao dos arquivos de vazao verificada",
        "Arquivos de vazao verificada OK"};
    EXPECT_EQ(esperado, linhasDoRelatorio(saida.linhas()));
  }
}

// A nine-character gauge identifier with a tab after it, in the gauge list or in the rain file, is
// never cut at eight into the gauge P0030000, whose rain file is there.
TEST(SeriesTeste, IdentificadorDePostoNaoECortado) {
  const std::string chuva =
      lerArquivo(juntar(juntar(CAMINHO_EXEMPLO, "Arq_Entrada"), "P003_c.txt"));
  struct Caso {
    const char* nome;
    std::string postos;
    std::string chuva;
    const char* arquivoQueFalha;
    int codigo;
    std::vector<std::string> finalRelatorio;  // <arquivo> stands for the failing file's path
  };
  const Caso casos[] = {
      {"lista de postos",
       "1\nP00300001\t1.000\n",
       boost::replace_all_copy(chuva, "P003 ", "P0030000 "),
       "RIO_BAIXO_POSTOS_PLU.txt",
       103,
       {"Verificacao falhou para o seguinte arquivo: <arquivo>",
        "Identificador do posto com tamanho menor que um ou maior que oito.",
        "Valor lido: P00300001", "Linha: P00300001\t1.000", "Numero da linha: 2"}},
      {"chuva observada",
       "1\nP0030000 1.000\n",
       boost::replace_all_copy(boost::replace_all_copy(chuva, "P003", "P00300001"), " ", "\t"),
       "P0030000_c.txt",
       130,
       {"Verificacao falhou para <arquivo>", "Identificador do posto pluviometrico incorreto.",
        "Identificador lido: p00300001", "Identificador esperado: p0030000",
        "Linha: P00300001\t10/02/2021\t0700\t7.8", "Numero da linha: 1"}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    pasta.entrada("RIO_BAIXO_POSTOS_PLU.txt", caso.postos);
    pasta.entrada("P0030000_c.txt", caso.chuva);
    const Saida saida = pasta.executar();
    verificarFalha(saida, caso.codigo, caso.finalRelatorio,
                   caminhoEntrada(pasta, caso.arquivoQueFalha));
  }
}

// A value that passes when judged up to its NUL ("nan()") and again when judged whole, the NUL
// inside its parentheses: text hid behind the NUL, and each reader gives its corrupt-file result.
TEST(SeriesTeste, ValorAceitoComTextoAposNulo) {
  const std::string valor = comNulo("nan()", ")");
  struct Caso {
    const char* nome;
    std::string arquivo;
    std::string de;  // the example file's text that the value's line replaces
    std::string para;
    bool layoutAntigo;
    int codigo;
    std::vector<std::string> finalRelatorio;  // <arquivo> stands for the file's path
  };
  const std::string corrompido = "Arquivo de configuracao corrompido: <arquivo>";
  const Caso casos[] = {
      {"vazao verificada",
       "RIO_ALTO.txt",
       "2021-02-15 07:00:00|85.00",
       "2021-02-15 07:00:00|" + valor,
       false,
       3,
       {"Verificacao falhou para o seguinte arquivo: <arquivo>", corrompido}},
      {"chuva observada",
       "P001_c.txt",
       "0700 1.2",
       "0700 " + valor,
       false,
       3,
       {"Verificacao falhou para <arquivo>", corrompido}},
      {"evapotranspiracao",
       "RIO_ALTO_EVAPOTRANSPIRACAO.txt",
       "3 4.2",
       "3 " + valor,
       false,
       3,
       {"Verificacao falhou para o seguinte arquivo: <arquivo>", corrompido}},
      {"previsao, layout datado",
       "eta40_p010321a020321.dat",
       "-22.800 9.0",
       "-22.800 " + valor,
       false,
       198,
       {"Verificacao falhou para <arquivo>", "Sub Bacia: RIO_ALTO", "Dias Previsao: 3",
        corrompido}},
      {"previsao, layout antigo",
       "eta40_p010321a020321.dat",
       "-22.800 9.0",
       "-22.800 " + valor,
       true,
       198,
       {"Verificacao falhou para <arquivo>", corrompido}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    const std::string original = lerArquivo(caminhoEntrada(pasta, caso.arquivo));
    ASSERT_NE(std::string::npos, original.find(caso.de));
    const std::string caminho =
        pasta.entrada(caso.arquivo, boost::replace_first_copy(original, caso.de, caso.para));
    if (caso.layoutAntigo) {
      const std::string configuracao = lerArquivo(caminhoEntrada(pasta, "zel.conf"));
      pasta.entrada("zel.conf",
                    boost::replace_first_copy(configuracao, "arqPrev = 1", "arqPrev = 0"));
    }
    const Saida saida = pasta.executar();
    verificarFalha(saida, caso.codigo, caso.finalRelatorio, caminho);
  }
}
