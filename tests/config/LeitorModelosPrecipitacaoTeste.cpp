#include "config/LeitorModelosPrecipitacao.h"

#include <sys/stat.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

// A new reader for every file, as the driver uses it.
void verificarModelos(const std::vector<CasoLeitorLista>& casos) {
  PastaTemporaria pasta;
  std::vector<std::string> modelos;
  verificarCasos(
      casos,
      [&](const std::string& conteudo) {
        LeitorModelosPrecipitacao leitor;
        leitor.caminho = pasta.escrever("modelos_precipitacao.txt", conteudo);
        const Resultado resultado = leitor.validar();
        modelos = leitor.modelos;
        return resultado;
      },
      [&] { return modelos; });
}

std::string diferenca(int informado, int lidos) {
  return "Quantidade de dados no arquivo diferente da quantidade de modelos lidos\n"
         "Valor informado: " +
         std::to_string(informado) + "\nQuantidade de dados do arquivo: " + std::to_string(lidos);
}

const char* ok = "Validacao concluida com sucesso";

}  // namespace

TEST(LeitorModelosPrecipitacaoTeste, Quantidade) {
  const auto naoNumerico = [](const std::string& valor, const std::string& linha) {
    return "Valor do campo quantidade de modelos nao numerico\nValor lido: " + valor +
           "\nLinha: " + linha + "\nNumero da linha: 1";
  };
  const auto negativo = [](const std::string& valor) {
    return "Valor do campo quantidade de modelos negativo ou nulo\nValor lido: " + valor +
           "\nNumero da linha: 1";
  };
  verificarModelos({
      {"comentario e brancos antes do apostrofo",
       "3   ' modelos\nA\nB\nC\n",
       100,
       ok,
       {"A", "B", "C"}},
      {"vazio", "", 196, "Primeira linha em branco"},
      {"primeira linha em branco", "\n2\n", 196, "Primeira linha em branco"},
      {"espaco no inicio", " 2\nA\nB\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  2\nNumero da linha: 1"},
      {"+3", "+3\nA\nB\nC\n", 105, naoNumerico("+3", "+3")},
      {"3.0", "3.0\n", 105, naoNumerico("3.0", "3.0")},
      {"texto", "tres ' x\n", 105, naoNumerico("tres", "tres ' x")},
      {"maior inteiro", "2147483647\n", 196, diferenca(2147483647, 0)},
      {"alem do inteiro", "2147483648\n", 105, naoNumerico("2147483648", "2147483648")},
      {"zero", "0\n", 105, negativo("0")},
      {"negativo", "-1\n", 105, negativo("-1")},
      {"2 com tres nomes", "2\nA\nB\nC\n", 196, diferenca(2, 3)},
      {"2 com um nome", "2\nA\n", 196, diferenca(2, 1)},
      {"1 sem nome", "1\n", 196, diferenca(1, 0)},
  });
}

TEST(LeitorModelosPrecipitacaoTeste, Nomes) {
  const std::string longo(3000, 'M');
  verificarModelos({
      {"ordem de bytes", "3\nM3\nM2\nM1\n", 100, ok, {"M1", "M2", "M3"}},
      {"maiusculas antes de minusculas", "2\nmodelo\nMODELO\n", 100, ok, {"MODELO", "modelo"}},
      {"duplicado: o menor", "4\nM3\nM1\nM2\nM1\n", 196, "Modelo de precipitacao duplicado: M1"},
      {"duplicado com brancos a direita", "2\nETA40   \nETA40\n", 196,
       "Modelo de precipitacao duplicado: ETA40"},
      {"comentario depois do nome", "1\nETA40 \t ' modelo eta\n", 100, ok, {"ETA40"}},
      {"brancos internos ficam", "1\nETA 40\n", 100, ok, {"ETA 40"}},
      {"linha que comeca no apostrofo: nome vazio", "2\n' nada\nA\n", 100, ok, {"", "A"}},
      {"linha que comeca no byte nulo: nome vazio",
       comNulo("2\nGFS_025\n", "ECMWF\n"),
       100,
       ok,
       {"", "GFS_025"}},
      {"duas linhas em branco no fim", "2\nA\nB\n\n\n", 100, ok, {"A", "B"}},
      {"sem fim de linha", "2\nA\r\nB", 100, ok, {"A", "B"}},
      {"linha em branco no meio", "3\nA\n\n\nB\nC\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 3"},
      {"nome com tabulacao no inicio", "2\nA\n\tB\n", 105,
       "Tabulacao encontrada na linha: \tB\nNumero da linha: 3"},
      {"nome maior que 2047", "1\n" + longo + "\n", 100, ok, {longo}},
  });
}

TEST(LeitorModelosPrecipitacaoTeste, ArquivoAusenteENovaValidacao) {
  PastaTemporaria pasta;
  LeitorModelosPrecipitacao leitor;
  leitor.caminho = pasta.caminho("modelos_precipitacao.txt");
  Resultado resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Arquivo de configuracao nao encontrado: " + leitor.caminho, resultado.mensagem);

  // one reader, two files: the second list holds its own names only
  pasta.escrever("modelos_precipitacao.txt", "2\nB\nA\n");
  EXPECT_EQ(100, leitor.validar().codigo);
  pasta.escrever("modelos_precipitacao.txt", "1\nC\n");
  EXPECT_EQ(100, leitor.validar().codigo);
  EXPECT_EQ(std::vector<std::string>{"C"}, leitor.modelos);

  // a file that cannot be opened reads as an empty one
  chmod(leitor.caminho.c_str(), 0);
  resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(196, resultado.codigo);
  EXPECT_EQ("Primeira linha em branco", resultado.mensagem);

  // a read error leaves 198, and the count check then replaces it
  leitor.caminho = "/proc/self/mem";
  resultado = leitor.validar();
  EXPECT_EQ(196, resultado.codigo);
  EXPECT_EQ(diferenca(0, -1), resultado.mensagem);
}
