#include "run/RegistroLog.h"

#include <iostream>
#include <sstream>

#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"

namespace {

// Captures the console and points the log at a file for one test.
class Captura {
 public:
  explicit Captura(const std::string& caminhoLog) : anterior(std::cout.rdbuf(console.rdbuf())) {
    if (arquivoLog.is_open()) arquivoLog.close();
    arquivoLog.clear();
    abrirArquivoLog(caminhoLog);
  }
  ~Captura() {
    std::cout.rdbuf(anterior);
    arquivoLog.close();
    arquivoLog.clear();
    arquivoLog.exceptions(std::ios::goodbit);
  }
  std::string textoConsole() const { return console.str(); }

 private:
  std::ostringstream console;
  std::streambuf* anterior;
};

const char* const carimbo = "\\[\\d{2}-\\d{2}-\\d{4} \\d{2}:\\d{2}:\\d{2}\\] ";

}  // namespace

TEST(RegistroLogTeste, DestinosDeRegistrarLog) {
  struct Caso {
    const char* nome;
    int destinos;
    std::string console;
    bool noArquivo;
  };
  const Caso casos[] = {
      {"nenhum", 0, "", false},
      {"console", 1, "[ZEL-KOVA] linha\n", false},
      {"arquivo", 2, "", true},
      {"ambos", 3, "[ZEL-KOVA] linha\n", true},
      {"bits acima ignorados", 4 | 1, "[ZEL-KOVA] linha\n", false},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaTemporaria pasta;
    std::string console;
    {
      Captura captura(pasta.caminho("log.txt"));
      registrarLog("linha", caso.destinos);
      console = captura.textoConsole();
    }
    EXPECT_EQ(caso.console, console);
    const std::string arquivo = lerArquivo(pasta.caminho("log.txt"));
    if (caso.noArquivo) {
      EXPECT_TRUE(boost::regex_match(
          arquivo, boost::regex(std::string(carimbo) + "\\[ZEL-KOVA\\] linha" + fimLinhaTexto)))
          << arquivo;
    } else {
      EXPECT_EQ("", arquivo);
    }
  }
}

TEST(RegistroLogTeste, TextoLinhaALinha) {
  struct Caso {
    const char* nome;
    std::string texto;
    std::string prefixo;
    std::string console;
  };
  const Caso casos[] = {
      {"vazio", "", "[VAL]", ""},
      {"so quebras", "\n\n", "[VAL]", ""},
      {"duas linhas e uma vazia", "a\n\nb\n", "[VAL]", "[ZEL-KOVA] [VAL] a\n[ZEL-KOVA] [VAL] b\n"},
      {"sem prefixo", "a", "", "[ZEL-KOVA] a\n"},
      {"ultima sem quebra", "a\nb", "P", "[ZEL-KOVA] P a\n[ZEL-KOVA] P b\n"},
      {"retorno de carro fica", "a\r\nb", "", "[ZEL-KOVA] a\r\n[ZEL-KOVA] b\n"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    PastaTemporaria pasta;
    std::string console;
    {
      Captura captura(pasta.caminho("log.txt"));
      registrarTexto(caso.texto, caso.prefixo, 3);
      console = captura.textoConsole();
    }
    EXPECT_EQ(caso.console, console);
    // the same lines in the file, each behind the one time stamp of the call
    const std::string arquivo = lerArquivo(pasta.caminho("log.txt"));
    std::string semCarimbo;
    std::string primeiro;
    for (const std::string& linha : linhasTexto(arquivo)) {
      ASSERT_GE(linha.size(), 22u);
      if (primeiro.empty()) primeiro = linha.substr(0, 22);
      EXPECT_EQ(primeiro, linha.substr(0, 22));
      semCarimbo += linha.substr(22) + "\n";
    }
    EXPECT_EQ(caso.console, semCarimbo);
  }
}

TEST(RegistroLogTeste, AcrescentaAoLogExistente) {
  PastaTemporaria pasta;
  const std::string caminho = pasta.escrever("log.txt", "linha antiga\n");
  {
    Captura captura(caminho);
    registrarLog("nova", 2);
  }
  const std::string arquivo = lerArquivo(caminho);
  EXPECT_EQ(0u, arquivo.find("linha antiga\n"));
  EXPECT_TRUE(boost::regex_match(arquivo, boost::regex("linha antiga\n" + std::string(carimbo) +
                                                       "\\[ZEL-KOVA\\] nova" + fimLinhaTexto)));
}

TEST(RegistroLogTeste, LogNaoAbertoSoConsole) {
  PastaTemporaria pasta;
  Captura captura(pasta.caminho("falta/log.txt"));
  registrarLog("linha");
  EXPECT_EQ("[ZEL-KOVA] linha\n", captura.textoConsole());
}

TEST(RegistroLogTeste, ErroDeEscritaAvisaUmaVezESegueNoConsole) {
  Captura captura("/dev/full");
  ASSERT_TRUE(arquivoLog.is_open());
  registrarLog("primeira");
  registrarLog("segunda");
  registrarTexto("terceira", "", 3);
  EXPECT_EQ(
      "[ZEL-KOVA] primeira\n"
      "[ZEL-KOVA] [ERRO] Falha de escrita no arquivo de log; os registros seguem apenas no "
      "console\n"
      "[ZEL-KOVA] segunda\n"
      "[ZEL-KOVA] terceira\n",
      captura.textoConsole());
  EXPECT_FALSE(arquivoLog.is_open());
}
