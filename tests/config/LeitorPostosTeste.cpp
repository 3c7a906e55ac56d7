#include "config/LeitorPostos.h"

#include <boost/algorithm/string/join.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"

namespace {

// A pass shows, after its message, the identifiers handed on.
std::string ok(const std::string& identificadores) {
  return "Validacao concluida com sucesso [" + identificadores + "]";
}

void verificar(const std::vector<CasoLeitor>& casos) {
  PastaTemporaria pasta;
  LeitorPostos leitor;  // one reader for every file, as the driver uses it
  verificarCasos(casos, [&](const std::string& conteudo) {
    leitor.caminho = pasta.escrever("BACIA_POSTOS_PLU.txt", conteudo);
    Resultado resultado = leitor.validar();
    if (resultado.codigo == 100) {
      resultado.mensagem += " [" + boost::algorithm::join(leitor.identificadores, " ") + "]";
    }
    return resultado;
  });
}

}  // namespace

TEST(LeitorPostosTeste, QuantidadeNaPrimeiraLinha) {
  const std::string naoNumerico = "Valor do campo quantidade de postos nao numerico";
  std::vector<CasoLeitor> casos = {
      {"brancos depois da quantidade", "1  \t\nP1 1.000\n", 100, ok("P1")},
      {"zeros a esquerda", "002\nP1 0.5\nP2 0.5\n", 100, ok("P1 P2")},
      {"arquivo vazio", "", 105, comValorLido(naoNumerico, "", "", 1)},
      {"primeira linha em branco", "\n1\nP1 1.0\n", 105, comValorLido(naoNumerico, "", "", 1)},
      {"maior inteiro de 32 bits", "2147483647\nP1 1.0\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 2147483647\nQuantidade de dados do arquivo: 1"},
      {"branco no inicio", " 1\nP1 1.0\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  1\nNumero da linha: 1"},
      {"tabulacao no inicio", "\t1\nP1 1.0\n", 105,
       "Tabulacao encontrada na linha: \t1\nNumero da linha: 1"},
  };
  for (const char* valor : {"+1", "1.0", "1 ' um", "2147483648"}) {
    casos.push_back({valor, valor + std::string("\nP1 1.0\n"), 105,
                     comValorLido(naoNumerico, valor, valor, 1)});
  }
  for (const char* valor : {"0", "-0", "-2"}) {  // this message has no line piece
    casos.push_back({valor, valor + std::string("\n"), 105,
                     "Valor do campo quantidade de postos negativo ou nulo\nValor lido: " +
                         std::string(valor) + "\nNumero da linha: 1"});
  }
  verificar(casos);
}

TEST(LeitorPostosTeste, CorteDasLinhasDePostos) {
  const std::string muitoLongo(5000, 'X');
  std::vector<CasoLeitor> casos = {
      {"dois brancos antes do peso", "1\nP1  1.000\n", 100, ok("P1")},
      {"colunas fixas: oito caracteres, tab e peso", "1\nABCDEFGH\t1.000\n", 100, ok("ABCDEFGH")},
      {"colunas fixas: identificador curto aparado, nona coluna pulada",
       "1\nAB\t\t\t\t\t\tx1.000\n", 100, ok("AB")},
      {"colunas fixas: barra como separador", "1\nABCDEFGH|1.000\n", 100, ok("ABCDEFGH")},
      {"colunas fixas: nove caracteres e tab, identificador nao cortado", "1\nP00000001\t1.000\n",
       103,
       comValorLido("Identificador do posto com tamanho menor que um ou maior que oito.",
                    "P00000001", "P00000001\t1.000", 2)},
      {"crlf", "2\r\nP1 0.5\r\nP2 0.5\r\n", 100, ok("P1 P2")},
      {"linhas vazias no fim", "1\nP1 1.0\n\n\n", 100, ok("P1")},
      {"identificador de nove caracteres", "1\nABCDEFGHI 1.0\n", 103,
       "Identificador do posto com tamanho menor que um ou maior que oito.\nValor lido: "
       "ABCDEFGHI\nLinha: ABCDEFGHI 1.0\nNumero da linha: 2"},
      {"identificador vazio antes do branco", "1\n 1.0\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  1.0\nNumero da linha: 2"},
      {"exatamente oito caracteres: peso vazio", "1\nABCDEFGH\n", 105,
       "Valor do campo ke nao numerico\nValor lido: \nLinha: ABCDEFGH\nNumero da linha: 2"},
      {"nove caracteres: peso vazio", "1\nABCDEFGH\t\n", 105,
       "Valor do campo ke nao numerico\nValor lido: \nLinha: ABCDEFGH\t\nNumero da linha: 2"},
      {"identificador sem peso", "1\nP1\n", 105,
       "Valor do campo ke nao numerico\nValor lido: \nLinha: P1\nNumero da linha: 2"},
      {"linha em branco entre postos", "2\nP1 0.5\n\nP2 0.5\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 3"},
      {"tabulacao no inicio do posto", "1\n\tP1 1.0\n", 105,
       "Tabulacao encontrada na linha: \tP1 1.0\nNumero da linha: 2"},
      {"campo muito longo julgado pelas verificacoes", "1\nP1 " + muitoLongo + "\n", 105,
       "Valor do campo ke nao numerico\nValor lido: " + muitoLongo + "\nLinha: P1 " + muitoLongo +
           "\nNumero da linha: 2"},
  };
  // hyphen, underscore, accented letter; a line of up to eight characters without a blank is all
  // identifier
  for (const char* linha : {"P-1 1.0", "P_1 1.0", "P\xC3\xA7 1.0", "P1\t1.0", "P0010.60"}) {
    const std::string texto = linha;
    casos.push_back(
        {linha, "1\n" + texto + "\n", 102,
         comValorLido("Identificador deve conter somente caracteres alfa num\xC3\xA9ricos.",
                      texto.substr(0, texto.find(' ')), texto, 2)});
  }
  verificar(casos);
}

TEST(LeitorPostosTeste, Pesos) {
  const auto mensagem = [](const std::string& achado, const std::string& ke) {
    return comValorLido(achado, ke, "P1 " + ke, 2);
  };
  std::vector<CasoLeitor> casos = {
      {"1.000", "1\nP1 1.000\n", 100, ok("P1")},
      {"0.000 passa o campo e falha a soma", "1\nP1 0.000\n", 196,
       "Tolerancia na soma de kes excedida\nEsperado: 0.995 <= soma <= 1.004\n"
       "Soma calculada: 0.000000"},
      {"texto depois", "1\nP1 1.0 x\n", 105, mensagem("Valor do campo ke nao numerico", "1.0 x")},
      {"virgula", "1\nP1 0,5\n", 105, mensagem("Valor do campo ke nao numerico", "0,5")},
      {"texto depois do byte nulo", "1\nP1 " + comNulo("1.00", "x") + "\n", 105,
       mensagem("Valor do campo ke nao numerico", comNulo("1.00", "x"))},
  };
  for (const char* ke : {"1.5", "2.000", "-0.5", "inf", "-Infinity"}) {
    casos.push_back({ke, "1\nP1 " + std::string(ke) + "\n", 105,
                     mensagem("Valor de ke incorreto. Intervalo permitido: 0 <= ke <= 1", ke)});
  }
  // not a number passes the range and fails the form, so it can never reach the sum
  for (const char* ke : {"1", "0.1234", "5e-1", ".5", "nan", "NaN"}) {
    casos.push_back({ke, "1\nP1 " + std::string(ke) + "\n", 105,
                     mensagem("Valor do campo ke com formato incorreto\nFormato esperado: parte "
                              "inteira de tamanho um e duas casas decimais",
                              ke)});
  }
  verificar(casos);
}

TEST(LeitorPostosTeste, VerificacoesFinais) {
  const auto soma = [](const std::string& calculada) {
    return "Tolerancia na soma de kes excedida\nEsperado: 0.995 <= soma <= 1.004\n"
           "Soma calculada: " +
           calculada;
  };
  verificar({
      {"ordenados por bytes", "3\nB2 0.3\nA1 0.3\na10 0.4\n", 100, ok("A1 B2 a10")},
      {"soma 0.995", "2\nP1 0.5\nP2 0.495\n", 100, ok("P1 P2")},
      {"soma 0.994", "2\nP1 0.5\nP2 0.494\n", 196, soma("0.994000")},
      {"soma 1.004", "2\nP1 0.5\nP2 0.504\n", 100, ok("P1 P2")},
      {"soma 1.005", "2\nP1 0.5\nP2 0.505\n", 196, soma("1.005000")},
      {"quantidade antes da soma", "1\nP1 0.5\nP2 0.9\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 1\nQuantidade de dados do arquivo: 2"},
      {"so a primeira linha", "3\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 3\nQuantidade de dados do arquivo: 0"},
      {"repetido", "3\nP2 0.3\nP1 0.3\nP2 0.4\n", 196, "Valores repetidos para identificador P2"},
      {"caixa distinta nao repete", "2\nP1 0.5\np1 0.5\n", 100, ok("P1 p1")},
  });
}

TEST(LeitorPostosTeste, ArquivoAusenteIlegivelOuCorrompido) {
  PastaTemporaria pasta;
  LeitorPostos leitor;
  const std::string ausente = pasta.caminho("NADA_POSTOS_PLU.txt");
  const std::string ilegivel = pasta.escrever("A_POSTOS_PLU.txt", "1\nP1 1.0\n");
  const std::vector<CasoLeitor> casos = {
      {"ausente", ausente, 197, "Arquivo de configuracao nao encontrado: " + ausente},
      {"ilegivel", ilegivel, 197, "Arquivo de configuracao nao encontrado: " + ilegivel},
      // a read error leaves 3, and the count check then replaces it
      {"erro de leitura", "/proc/self/mem", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 0\nQuantidade de dados do arquivo: -1"},
  };
  verificarArquivos(casos, leitor, ilegivel);
}
