#include "series/LeitorEvapotranspiracao.h"

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"

namespace {

const std::string ok = "Validacao concluida com sucesso";

void verificar(const std::vector<CasoLeitor>& casos) {
  PastaTemporaria pasta;
  LeitorEvapotranspiracao leitor;  // one reader for every file, as the driver uses it
  verificarCasos(casos, [&](const std::string& conteudo) {
    leitor.caminho = pasta.escrever("BACIA_EVAPOTRANSPIRACAO.txt", conteudo);
    return leitor.validar();
  });
}

std::string meses(int quantidade) {
  std::string texto;
  for (int mes = 1; mes <= quantidade; ++mes) texto += std::to_string(mes) + " 3.5\n";
  return texto;
}

}  // namespace

TEST(LeitorEvapotranspiracaoTeste, LinhasEMeses) {
  // the month of the first line
  const auto primeiro = [](const char* achado, const std::string& mes) {
    return comValorLido(achado, mes, mes + " 1.0", 1);
  };
  const char* invalido = "Valor do mes invalido.";
  const char* decimal = "Valor do campo mes decimal (inteiro esperado)";
  verificar({
      {"arquivo vazio", "", 100, ok},
      {"so linhas vazias", "\n\n\n", 100, ok},
      {"doze meses e linhas vazias no fim", meses(12) + "\n\n", 100, ok},
      {"seis meses", meses(6), 100, ok},
      {"crlf", "1 2.0\r\n2 3.0\r\n", 100, ok},
      // 0x1A ends the text: the lines after it are never read
      {"0x1A no inicio de uma linha", "1 2.0\n\x1A\nx y\n", 100, ok},
      {"0x1A no meio da linha: o que vem antes e uma linha", "1 2.0\n2 3,0\x1Ax\nx y\n", 105,
       comValorLido("Valor do campo evapotranspiracao nao numerico", "3,0", "2 3,0", 2)},
      {"primeira linha vazia", "\n1 2.0\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 1"},
      {"linha vazia no meio nao conta", "1 2.0\n\n2 3.0\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 2"},
      {"branco no inicio", " 1 2.0\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  1 2.0\nNumero da linha: 1"},
      {"so brancos", "   \n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:    \nNumero da linha: 1"},
      {"tabulacao entre os campos", "1\t2.0\n", 105,
       "Tabulacao encontrada na linha: 1\t2.0\nNumero da linha: 1"},
      {"tabulacao no fim", "1 2.0\t\n", 105,
       "Tabulacao encontrada na linha: 1 2.0\t\nNumero da linha: 1"},
      {"primeiro mes 2", "2 1.0\n", 196,
       "Valor do mes nao sequencial\nValor esperado: 01\nValor lido: 2\nLinha: 2 1.0\n"
       "Numero da linha: 1"},
      {"mes 13 na decima terceira linha", meses(12) + "13 1.0\n", 105,
       comValorLido("Valor do mes invalido.", "13", "13 1.0", 13)},
      {"mes 1 na decima terceira linha", meses(12) + "1 1.0\n", 196,
       "Valor do mes nao sequencial\nValor esperado: 13\nValor lido: 1\nLinha: 1 1.0\n"
       "Numero da linha: 13"},
      {"01", "01 1.0\n", 100, ok},
      {"+1", "+1 1.0\n", 100, ok},
      {"0", "0 1.0\n", 105, primeiro(invalido, "0")},
      {"-0", "-0 1.0\n", 105, primeiro(invalido, "-0")},
      {"-1", "-1 1.0\n", 105, primeiro(invalido, "-1")},
      {"32 bits", "2147483647 1.0\n", 105, primeiro(invalido, "2147483647")},
      {"1.0", "1.0 1.0\n", 105, primeiro(decimal, "1.0")},
      {"1e0", "1e0 1.0\n", 105, primeiro(decimal, "1e0")},
      {"nan", "nan 1.0\n", 105, primeiro(decimal, "nan")},
      {"alem de 32 bits", "2147483648 1.0\n", 105, primeiro(decimal, "2147483648")},
      {"letras", "jan 1.0\n", 105, primeiro("Valor do campo mes nao numerico", "jan")},
  });
}

TEST(LeitorEvapotranspiracaoTeste, Valores) {
  const std::string muitoLongo = "1." + std::string(5000, '0');
  const auto valor = [](const char* achado, const std::string& lido) {
    return comValorLido(achado, lido, "1 " + lido, 1);
  };
  const char* negativo = "Valor do campo evapotranspiracao negativo";
  const char* naoNumerico = "Valor do campo evapotranspiracao nao numerico";
  verificar({
      {"0", "1 0\n", 100, ok},
      {"-0", "1 -0\n", 100, ok},
      {"nan", "1 nan\n", 100, ok},
      {"inf", "1 inf\n", 100, ok},
      {"sinal de mais e expoente", "1 +46e-1\n", 100, ok},
      {"dois brancos antes do valor", "1  2.5\n", 100, ok},
      {"valor muito longo", "1 " + muitoLongo + "\n", 100, ok},
      {"-0.1", "1 -0.1\n", 105, valor(negativo, "-0.1")},
      {"-inf", "1 -inf\n", 105, valor(negativo, "-inf")},
      // the value is the whole rest of the line
      {"virgula", "1 2,5\n", 105, valor(naoNumerico, "2,5")},
      {"branco no fim", "1 2.5 \n", 105, valor(naoNumerico, "2.5 ")},
      {"unidade depois", "1 2.5 mm\n", 105, valor(naoNumerico, "2.5 mm")},
      {"apostrofo depois do valor", "1 2.5 ' janeiro\n", 105, valor(naoNumerico, "2.5 ' janeiro")},
      // only one carriage return belongs to the line end, and only before a line feed
      {"dois retornos de carro antes do fim de linha", "1 4.6\r\r\n", 105,
       valor(naoNumerico, "4.6\r")},
      {"retorno de carro no fim do arquivo", "1 4.6\r", 105, valor(naoNumerico, "4.6\r")},
      {"retorno de carro antes de 0x1A", "1 4.6\r\x1A\n", 105, valor(naoNumerico, "4.6\r")},
      {"so o mes", "1\n", 105, comValorLido(naoNumerico, "", "1", 1)},
      {"so brancos depois do byte nulo", "1 " + comNulo("2.5", " \t") + "\n", 100, ok},
      {"texto depois do byte nulo", "1 " + comNulo("2.5", "x") + "\n", 105,
       valor(naoNumerico, comNulo("2.5", "x"))},
  });
}

TEST(LeitorEvapotranspiracaoTeste, ArquivoAusenteIlegivelOuCorrompido) {
  PastaTemporaria pasta;
  LeitorEvapotranspiracao leitor;
  const std::string ausente = pasta.caminho("NADA_EVAPOTRANSPIRACAO.txt");
  // an empty file passes, but one that cannot be opened does not
  const std::string ilegivel = pasta.escrever("A_EVAPOTRANSPIRACAO.txt", "");
  const std::vector<CasoLeitor> casos = {
      {"ausente", ausente, 197, "Arquivo de configuracao nao encontrado: " + ausente},
      // the same reader starts again at line 1
      {"falha na linha 2", pasta.escrever("B_EVAPOTRANSPIRACAO.txt", "1 1.0\nx 1.0\n"), 105,
       comValorLido("Valor do campo mes nao numerico", "x", "x 1.0", 2)},
      {"falha na linha 1", pasta.escrever("C_EVAPOTRANSPIRACAO.txt", "x 1.0\n"), 105,
       comValorLido("Valor do campo mes nao numerico", "x", "x 1.0", 1)},
      {"ilegivel", ilegivel, 197, "Arquivo de configuracao nao encontrado: " + ilegivel},
      {"erro de leitura", "/proc/self/mem", 3,
       "Arquivo de configuracao corrompido: /proc/self/mem"},
  };
  verificarArquivos(casos, leitor, ilegivel);
}
