#include "config/LeitorInicializacao.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

using Caso = CasoLeitor;

const std::string valido = "01/03/2021 ' data\n10\n3\n12.5\n30\n45\n";

// The valid file with line n (1 to 6) replaced.
std::string comLinha(int n, const std::string& linha) {
  std::string conteudo;
  const char* linhas[] = {"01/03/2021", "10", "3", "12.5", "30", "45"};
  for (int i = 1; i <= 6; ++i) conteudo += (i == n ? linha : linhas[i - 1]) + std::string("\n");
  return conteudo;
}

// One reader for every row, as the driver uses it.
template <class Casos>
void verificarInicializacao(const Casos& casos) {
  PastaTemporaria pasta;
  LeitorInicializacao leitor;
  verificarCasos(casos, [&](const std::string& conteudo) {
    leitor.caminho = pasta.escrever("A_INICIALIZACAO.txt", conteudo);
    return leitor.validar();
  });
}

}  // namespace

TEST(LeitorInicializacaoTeste, LinhasAusentes) {
  const Caso casos[] = {
      {"valido, setima linha ignorada", valido + "qualquer coisa\n", 100,
       "Validacao inicializacao OK"},
      {"vazio", "", 196, "Arquivo vazio"},
      {"0x1A no inicio: vazio", "\x1A" + valido, 196, "Arquivo vazio"},
      {"so a data", "01/03/2021\n", 196, "Campo dia inicializacao nao informado"},
      {"terceira linha em branco", "01/03/2021\n10\n\n12.5\n30\n45\n", 196,
       "Campo dias previsao nao informado"},
      {"cinco linhas", "01/03/2021\n10\n3\n12.5\n30\n", 196, "Campo tuin nao informado"},
      {"cinco linhas sem fim de linha", "01/03/2021\n10\n3\n12.5\n30", 196,
       "Campo tuin nao informado"},
      {"primeira linha em branco", "\n10\n", 196, "Campo data rodada nao informado"},
      {"linha so com CR e branca", "01/03/2021\r\n\r\n", 196,
       "Campo dia inicializacao nao informado"},
      {"CRLF valido", "01/03/2021\r\n10\r\n3\r\n12.5\r\n30\r\n45", 100,
       "Validacao inicializacao OK"},
  };
  verificarInicializacao(casos);
}

TEST(LeitorInicializacaoTeste, DataDaRodada) {
  const auto invalida = [](const std::string& data) {
    return "Data invalida ou nao existente\nValor lido: " + data + "\nLinha: " + data +
           "\nNumero da linha: 1";
  };
  const auto formato = [](const std::string& data) {
    return "Data em formato invalido. Formato esperado: dd/mm/aaaa\nValor lido: " + data +
           "\nLinha: " + data + "\nNumero da linha: 1";
  };
  const Caso casos[] = {
      {"31/02/2020", comLinha(1, "31/02/2020"), 105, invalida("31/02/2020")},
      {"29/02/2019", comLinha(1, "29/02/2019"), 105, invalida("29/02/2019")},
      {"00/01/2020", comLinha(1, "00/01/2020"), 105, invalida("00/01/2020")},
      {"15/13/2020", comLinha(1, "15/13/2020"), 105, invalida("15/13/2020")},
      {"01/01/1399", comLinha(1, "01/01/1399"), 105, invalida("01/01/1399")},
      {"01/01/0000", comLinha(1, "01/01/0000"), 105, invalida("01/01/0000")},
      {"29/02/2020 passa", comLinha(1, "29/02/2020"), 100, "Validacao inicializacao OK"},
      {"01/01/1400 passa", comLinha(1, "01/01/1400"), 100, "Validacao inicializacao OK"},
      {"31/12/9999 passa", comLinha(1, "31/12/9999"), 100, "Validacao inicializacao OK"},
      {"1/2/2020", comLinha(1, "1/2/2020"), 105, formato("1/2/2020")},
      {"2020-02-01", comLinha(1, "2020-02-01"), 105, formato("2020-02-01")},
      {"01-02-2020", comLinha(1, "01-02-2020"), 105, formato("01-02-2020")},
      {"linha de brancos", comLinha(1, "   "), 105,
       "Data em formato invalido. Formato esperado: dd/mm/aaaa\nValor lido: \nLinha:    \n"
       "Numero da linha: 1"},
  };
  verificarInicializacao(casos);
}

TEST(LeitorInicializacaoTeste, ContagensDeDias) {
  const Caso casos[] = {
      {"1 nao basta", comLinha(2, "1"), 105,
       "Valor do campo dia inicializacao deve ser maior que 1"},
      {"2 passa", comLinha(2, "2"), 100, "Validacao inicializacao OK"},
      {"a linha acaba no byte nulo", comLinha(2, comNulo("1", "0")), 105,
       "Valor do campo dia inicializacao deve ser maior que 1"},
      {"texto depois do byte nulo", comLinha(3, comNulo("3", "0")), 105,
       campo("dias previsao", " nao numerico", comNulo("3", "0"), comNulo("3", "0"), 3)},
      {"zero", comLinha(2, "0"), 105, campo("dia inicializacao", " nulo", "0", "0", 2)},
      {"negativo", comLinha(2, "-2"), 105, campo("dia inicializacao", " negativo", "-2", "-2", 2)},
      {"sinal +", comLinha(2, "+5"), 105,
       campo("dia inicializacao", " nao numerico", "+5", "+5", 2)},
      {"3.0", comLinha(3, "3.0"), 105, campo("dias previsao", " nao numerico", "3.0", "3.0", 3)},
      {"maior inteiro", comLinha(3, "2147483647"), 100, "Validacao inicializacao OK"},
      {"alem do inteiro", comLinha(3, "2147483648"), 105,
       campo("dias previsao", " nao numerico", "2147483648", "2147483648", 3)},
      {"previsao zero", comLinha(3, "0"), 105, campo("dias previsao", " nulo", "0", "0", 3)},
      {"-0 e nulo, nao negativo", comLinha(3, "-0"), 105,
       campo("dias previsao", " nulo", "-0", "-0", 3)},
      {"valor vazio com comentario", comLinha(2, "   ' nada"), 196,
       "Configuracao do campo dia inicializacao: linha vazia\nNumero da linha: 2"},
      {"comentario e brancos", comLinha(2, " 12 \t' dias"), 100, "Validacao inicializacao OK"},
  };
  verificarInicializacao(casos);
}

TEST(LeitorInicializacaoTeste, Reais) {
  const Caso casos[] = {
      {"ebin vazio", comLinha(4, "   ' nada"), 105,
       campo("ebin", " nao numerico", "", "   ' nada", 4)},
      {"supin com ponto final passa", comLinha(5, "5."), 100, "Validacao inicializacao OK"},
      {"supin .5", comLinha(5, ".5"), 105, campo("supin", " nao numerico", ".5", ".5", 5)},
      {"supin nan", comLinha(5, "nan"), 105, campo("supin", " nao numerico", "nan", "nan", 5)},
      {"ebin zero passa", comLinha(4, "0"), 100, "Validacao inicializacao OK"},
      {"ebin -0.0 passa", comLinha(4, "-0.0"), 100, "Validacao inicializacao OK"},
      {"tuin 100 passa", comLinha(6, "100"), 100, "Validacao inicializacao OK"},
      {"tuin 100.5", comLinha(6, "100.5"), 105, "Valor de TUIN maior que 100\nValor lido 100.5"},
      {"tuin 0 passa", comLinha(6, "0"), 100, "Validacao inicializacao OK"},
      {"tuin negativo", comLinha(6, "-0.5"), 105, campo("tuin", " negativo", "-0.5", "-0.5", 6)},
      {"tuin 1e2", comLinha(6, "1e2"), 105, campo("tuin", " nao numerico", "1e2", "1e2", 6)},
      {"tabulacao no inicio e antes do comentario", comLinha(4, "\t12.5\t' ebin"), 100,
       "Validacao inicializacao OK"},
  };
  verificarInicializacao(casos);
}

TEST(LeitorInicializacaoTeste, SaidasENovaValidacao) {
  PastaTemporaria pasta;
  LeitorInicializacao leitor;
  leitor.caminho = pasta.escrever("A.txt", " 01/03/2021  ' data\n10\n3\n1\n2\n3\n");
  EXPECT_EQ(100, leitor.validar().codigo);
  EXPECT_EQ("01/03/2021", leitor.dataRodada);
  EXPECT_EQ(10, leitor.diaInicializacao);
  EXPECT_EQ(3, leitor.diasPrevisao);

  // a failure keeps what was stored before it; the next file starts from nothing
  leitor.caminho = pasta.escrever("B.txt", "02/03/2021\n1\n");
  EXPECT_EQ(105, leitor.validar().codigo);
  EXPECT_EQ(1, leitor.diaInicializacao);
  EXPECT_EQ(0, leitor.diasPrevisao);
  leitor.caminho = pasta.escrever("C.txt", "");
  EXPECT_EQ(196, leitor.validar().codigo);
  EXPECT_EQ("", leitor.dataRodada);
  EXPECT_EQ(0, leitor.diaInicializacao);

  leitor.caminho = pasta.caminho("D.txt");
  const Resultado ausente = leitor.validar();
  EXPECT_EQ(197, ausente.codigo);
  EXPECT_EQ("Nao foi possivel abrir o arquivo " + pasta.caminho("D.txt"), ausente.mensagem);
  leitor.caminho = pasta.caminho();
  EXPECT_EQ(197, leitor.validar().codigo);

  // a file that cannot be opened reads as an empty one
  leitor.caminho = pasta.escrever("E.txt", valido);
  chmod(leitor.caminho.c_str(), 0);
  const Resultado ilegivel = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(196, ilegivel.codigo);
  EXPECT_EQ("Arquivo vazio", ilegivel.mensagem);

  leitor.caminho = "/proc/self/mem";
  const Resultado erroLeitura = leitor.validar();
  EXPECT_EQ(197, erroLeitura.codigo);
  EXPECT_EQ("Arquivo de inicializacao corrompido\nCaminho do arquivo: /proc/self/mem",
            erroLeitura.mensagem);
}
