#include "validation/Validador.h"

#include <boost/algorithm/string/replace.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/LinhasConsole.h"
#include "apoio/PastaCaso.h"

TEST(ValidadorTeste, AjusteEModo) {
  Validador validador;
  EXPECT_EQ(201, validador.codigo);
  EXPECT_EQ(100, validador.obterCodigoResultado());
  EXPECT_EQ(202, validador.validar());
  EXPECT_EQ(201, validador.codigo);
  EXPECT_EQ("Parametros do validador nao foram ajustados corretamente\nValidacao abortada",
            validador.relatorio);

  validador.ajustarParametros("/pasta", 0);
  EXPECT_EQ(202, validador.codigo);
  EXPECT_EQ("Modo de execucao da aplicacao desconhecido. Lido: 0", validador.relatorio);
  EXPECT_EQ("", validador.diretorio);
  EXPECT_EQ(202, validador.validar());
  EXPECT_EQ("Parametros do validador nao foram ajustados corretamente\nValidacao abortada",
            validador.relatorio);

  validador.ajustarParametros("/pasta", -12);
  EXPECT_EQ("Modo de execucao da aplicacao desconhecido. Lido: -12", validador.relatorio);
  validador.ajustarParametros("/pasta", -30000);
  EXPECT_EQ(200, validador.codigo);
  EXPECT_EQ(-30000, validador.modo);
  EXPECT_EQ("/pasta", validador.diretorio);
}

TEST(ValidadorTeste, PassoDoCasoOrdenaECriaRegistros) {
  PastaTemporaria pasta;
  pasta.escrever(juntar("Arq_Entrada", "caso.txt"), "2\nSUL\nNORTE\n");
  Validador validador;
  validador.ajustarParametros(pasta.caminho(), -10000);
  EXPECT_EQ(200, validador.validarArquivoCaso());
  EXPECT_EQ((std::vector<std::string>{"NORTE", "SUL"}), validador.subBacias);
  EXPECT_EQ(2u, validador.dadosSubBacias.size());
  EXPECT_EQ(0, validador.dadosSubBacias["SUL"].numeroKts);
  EXPECT_EQ("Realizando validacao do arquivo caso.txt\nArquivo caso.txt OK\n", validador.relatorio);
  EXPECT_EQ("Validacao caso.txt OK", validador.obterMensagemResultado());
}

TEST(ValidadorTeste, PassoDoCasoFalha) {
  PastaTemporaria pasta;
  pasta.escrever(juntar("Arq_Entrada", "caso.txt"), "2\nA\n");
  Validador validador;
  validador.ajustarParametros(pasta.caminho(), -10000);
  EXPECT_EQ(203, validador.validarArquivoCaso());
  EXPECT_EQ(
      "Realizando validacao do arquivo caso.txt\n"
      "Quantidade de dados no arquivo diferente da quantidade de sub-bacias lidas\n"
      "Valor informado: 2\nQuantidade de dados do arquivo: 1",
      validador.relatorio);
  EXPECT_EQ(196, validador.obterCodigoResultado());
  EXPECT_TRUE(validador.subBacias.empty());
}

TEST(ValidadorTeste, EstruturaDeDiretorios) {
  PastaTemporaria pasta;
  Validador validador;
  validador.ajustarParametros(pasta.caminho(), -30000);
  pasta.escrever(juntar("bin", "ZEL-KOVA.dll"), "");
  pasta.escrever(juntar("bin", "libgcc_s_dw2-1.dll"), "");
  pasta.escrever(juntar("bin", "libstdc++-6.dll"), "");
  pasta.escrever(juntar("logs", "x"), "");
  // service mode needs neither Arq_Entrada nor Arq_Saida
  EXPECT_EQ(200, validador.validarEstruturaDiretorios());
  EXPECT_EQ("Realizando validacao da estrutura de diretorios\nEstrutura de diretorios OK\n",
            validador.relatorio);
  EXPECT_EQ("Validacao da configuracao do modo servico concluida com sucesso",
            validador.obterMensagemResultado());

  Validador desktop;
  desktop.ajustarParametros(pasta.caminho(), -10000);
  EXPECT_EQ(203, desktop.validarEstruturaDiretorios());
  EXPECT_EQ(203, desktop.codigo);
  EXPECT_EQ(
      "Realizando validacao da estrutura de diretorios\n"
      "Pasta de arquivos de entrada nao encontrada\nURI esperada: " +
          pasta.caminho("Arq_Entrada"),
      desktop.relatorio);
}

// A file of the example case that starts with a byte-order mark fails its step before any line is
// read, in each layout; the same bytes anywhere else, or a mark cut short, are text as before.
TEST(ValidadorTeste, MarcaDeOrdemDeBytes) {
  struct Caso {
    const char* nome;
    std::string arquivo;
    // "<marca>": the mark; "<cortada>": the mark without its last byte; "<exemplo>": the example
    std::string conteudo;
    bool antigo;  // arqPrev = 0
    int32_t codigo;
    std::string relatorio;  // the report's end; "<caminho>" stands for the file's path
  };
  const std::string inicializacao = "Realizando validacao dos arquivos de inicializacao\n";
  const std::string arquivo = "Verificacao falhou para o seguinte arquivo: <caminho>\n";
  const std::string comMarca = "<marca><exemplo>";
  const Caso casos[] = {
      {"zel.conf", "zel.conf", comMarca, false, 105, "Realizando validacao do arquivo zel.conf\n"},
      {"caso.txt", "caso.txt", comMarca, false, 105, "Realizando validacao do arquivo caso.txt\n"},
      {"inicializacao", "RIO_ALTO_INICIALIZACAO.txt", comMarca, false, 105,
       inicializacao + arquivo},
      {"parametros", "RIO_ALTO_PARAMETROS.txt", comMarca, false, 105,
       "Realizando validacao dos arquivos de parametros\n"
       "Verficacao falhou para o seguinte arquivo: <caminho>\n"},
      {"modelos", "modelos_precipitacao.txt", comMarca, false, 105,
       "Realizando validacao do arquivo modelos_precipitacao.txt\n"},
      {"pontos de grade", "RIO_ALTO_eta40.txt", comMarca, false, 105,
       "Realizando validacao dos arquivos de pontos de grade por modelo\n" + arquivo},
      {"previsao datada", "eta40_p010321a020321.dat", comMarca, false, 105,
       "Realizando validacao dos arquivos de precipitacao prevista (modelo novo)\n"
       "Verificacao falhou para <caminho>\nSub Bacia: RIO_ALTO\nDias Previsao: 3\n"},
      {"previsao antiga", "eta40_p010321a020321.dat", comMarca, true, 105,
       "Realizando validacao dos arquivos de precipitacao prevista (modelo antigo)\n"
       "Verificacao falhou para <caminho>\n"},
      {"evapotranspiracao", "RIO_ALTO_EVAPOTRANSPIRACAO.txt", comMarca, false, 105,
       "Realizando validacao dos arquivos de evapotranspiracao\n" + arquivo},
      {"lista de postos", "RIO_ALTO_POSTOS_PLU.txt", comMarca, false, 105,
       "Realizando validacao dos arquivos de configuracao de postos\n" + arquivo},
      {"chuva", "P001_c.txt", comMarca, false, 105,
       "Realizando validacao dos arquivos de postos pluviometricos\n"
       "Verificacao falhou para <caminho>\n"},
      {"vazao", "RIO_ALTO.txt", comMarca, false, 105,
       "Realizando validacao dos arquivos de vazao verificada\n" + arquivo},
      {"a marca num comentario", "caso.txt", "2 '<marca>\nRIO_ALTO\nRIO_BAIXO\n", false, 100, ""},
      {"a marca no inicio da segunda linha", "RIO_ALTO_INICIALIZACAO.txt",
       "01/03/2021\n<marca>10\n", false, 105,
       inicializacao + arquivo +
           "Valor do campo dia inicializacao nao numerico\nValor lido: <marca>10\n"
           "Linha: <marca>10\nNumero da linha: 2"},
      {"a marca sem o ultimo byte", "caso.txt", "<cortada>2\nRIO_ALTO\nRIO_BAIXO\n", false, 105,
       "Realizando validacao do arquivo caso.txt\n"
       "Valor do campo quantidade de sub-bacias nao numerico\nValor lido: <cortada>2\n"
       "Linha: <cortada>2\nNumero da linha: 1"},
  };
  const std::pair<std::string, std::string> marcas[] = {
      {"\xEF\xBB\xBF", "UTF-8"}, {"\xFF\xFE", "UTF-16"}, {"\xFE\xFF", "UTF-16"}};
  for (const Caso& caso : casos) {
    for (const auto& [marca, codificacao] : marcas) {
      SCOPED_TRACE(std::string(caso.nome) + ", " + codificacao);
      PastaCaso pasta;
      pasta.copiarExemplo();
      const std::string caminho = juntar(pasta.caminho("Arq_Entrada"), caso.arquivo);
      const auto trocarMarcas = [&](std::string texto) {
        texto = trocarMarca(texto, "<cortada>", marca.substr(0, marca.size() - 1));
        return trocarMarca(trocarMarca(texto, "<marca>", marca), "<caminho>", caminho);
      };
      if (caso.antigo) {
        const std::string conf = juntar(pasta.caminho("Arq_Entrada"), "zel.conf");
        pasta.entrada("zel.conf",
                      boost::replace_first_copy(lerArquivo(conf), "arqPrev = 1", "arqPrev = 0"));
      }
      pasta.entrada(caso.arquivo,
                    trocarMarcas(trocarMarca(caso.conteudo, "<exemplo>", lerArquivo(caminho))));
      Validador validador;
      validador.ajustarParametros(pasta.raiz(), -10000);
      EXPECT_EQ(caso.codigo == 100 ? 200 : 203, validador.validar());
      EXPECT_EQ(caso.codigo, validador.obterCodigoResultado());
      if (caso.codigo == 100) continue;
      std::string esperado = trocarMarcas(caso.relatorio);
      if (caso.conteudo == comMarca)
        esperado +=
            "Arquivo gravado com BOM (" + codificacao + "): grave-o como texto ANSI, sem BOM";
      ASSERT_LE(esperado.size(), validador.relatorio.size());
      EXPECT_EQ(esperado, validador.relatorio.substr(validador.relatorio.size() - esperado.size()));
    }
  }
}
