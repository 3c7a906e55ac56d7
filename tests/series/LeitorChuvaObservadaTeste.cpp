#include "series/LeitorChuvaObservada.h"

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"

namespace {

const std::string ok = "Validacao concluida com sucesso";

struct Janela {
  std::string dataRodada;
  int32_t numeroKts;
  int32_t diaInicializacao;
};

void verificar(const std::vector<CasoLeitor>& casos, const Janela& janela,
               const std::string& esperado = "posto1") {
  PastaTemporaria pasta;
  LeitorChuvaObservada leitor;  // one reader for every file, as the driver uses it
  leitor.dataRodada = janela.dataRodada;
  leitor.numeroKts = janela.numeroKts;
  leitor.diaInicializacao = janela.diaInicializacao;
  leitor.identificadorEsperado = esperado;
  verificarCasos(casos, [&](const std::string& conteudo) {
    leitor.caminho = pasta.escrever("POSTO1_c.txt", conteudo);
    return leitor.validar();
  });
}

// Rows with inputs of their own.
void verificar(const std::vector<std::pair<CasoLeitor, Janela>>& casos) {
  for (const auto& [caso, janela] : casos) verificar({caso}, janela);
}

// Only the run date 15/01/2021 is needed.
const Janela soRodada{"15/01/2021", 1, 0};
// The run date 15/01/2021 and the four days before it.
const Janela cincoDias{"15/01/2021", 3, 2};

// One line per day from the first date on.
std::string dias(const std::string& primeira, int quantidade) {
  Utilitarios utilitarios;
  std::string texto;
  for (int i = 0; i < quantidade; ++i)
    texto += "posto1 " + utilitarios.somarDias(primeira, i) + " 0700 1.5\n";
  return texto;
}

const std::string aquecimentoAusente = "Data de aquecimento do modelo ausente: 15/01/2021";

}  // namespace

TEST(LeitorChuvaObservadaTeste, Identificador) {
  const auto invalido = [](const std::string& lido, const std::string& linha) {
    return "Identificador do posto com caracteres invalidos. Esperado identificador alfa "
           "numerico.\nIdentificador lido: " +
           lido + "\nLinha: " + linha + "\nNumero da linha: 1";
  };
  verificar(
      {
          {"esperado", "posto1 15/01/2021 0700 1.5\n", 100, ok},
          {"maiusculas", "POSTO1 15/01/2021 0700 1.5\n", 100, ok},
          {"varios brancos e quinto campo", "posto1   15/01/2021  0700 1.5 extra\n", 100, ok},
          {"outro posto", "posto2 15/01/2021 0700 1.5\n", 130,
           "Identificador do posto pluviometrico incorreto.\nIdentificador lido: posto2\n"
           "Identificador esperado: posto1\nLinha: posto2 15/01/2021 0700 1.5\n"
           "Numero da linha: 1"},
          {"sublinhado", "pos_1 15/01/2021 0700 1.5\n", 130,
           invalido("pos_1", "pos_1 15/01/2021 0700 1.5")},
          {"vazio", "\v 15/01/2021 0700 1.5\n", 130, invalido("", "\v 15/01/2021 0700 1.5")},
          {"so tabulacoes: oito primeiros caracteres", "posto1\t15/01/2021\t0700\t1.5\n", 130,
           invalido("posto1\t1", "posto1\t15/01/2021\t0700\t1.5")},
          {"so tabulacoes: identificador completado com tabulacoes ate oito",
           "posto1\t\t15/01/2021\t0700\t1.5\n", 100, ok},
          {"so o identificador", "posto1\n", 105,
           comValorLido("Data em formato invalido. Formato esperado: dd/mm/aaaa", "", "posto1", 1)},
      },
      soRodada);
  // tab-separated: eight characters and a separator; a ninth letter or digit goes on
  verificar(
      {
          {"oito caracteres e tab", "posto123\t15/01/2021\t0700\t1.5\n", 100, ok},
          {"nove caracteres e tab", "POSTO1234\t15/01/2021\t0700\t1.5\n", 130,
           "Identificador do posto pluviometrico incorreto.\nIdentificador lido: posto1234\n"
           "Identificador esperado: posto123\nLinha: POSTO1234\t15/01/2021\t0700\t1.5\n"
           "Numero da linha: 1"},
      },
      soRodada, "posto123");
}

TEST(LeitorChuvaObservadaTeste, Data) {
  const auto linha = [](const std::string& data) { return "posto1 " + data + " 0700 1.5"; };
  std::vector<CasoLeitor> casos = {
      {"a linha acaba no byte nulo depois da data", linha(comNulo("15/01/2021", "")) + "\n", 104,
       "Valor de hora nao informado\nLinha: posto1 15/01/2021\nNumero da linha: 1"},
  };
  for (const char* data : {"1/01/2021", "01-01-2021", "01/01/21", "01/01/2021x"}) {
    casos.push_back({data, linha(data) + "\n", 105,
                     comValorLido("Data em formato invalido. Formato esperado: dd/mm/aaaa", data,
                                  linha(data), 1)});
  }
  for (const char* data : {"29/02/2021", "29/02/2100", "31/04/2021", "00/01/2021", "01/13/2021",
                           "01/01/1399", "01/00/2021", "32/01/2021", "01/01/0000"}) {
    casos.push_back({data, linha(data) + "\n", 105,
                     comValorLido("Data invalida ou nao existente", data, linha(data), 1)});
  }
  verificar(casos, soRodada);
  for (const char* data : {"29/02/2020", "01/01/1400", "31/12/9999"}) {
    verificar({{data, linha(data) + "\n", 100, ok}}, {data, 1, 0});
  }
}

TEST(LeitorChuvaObservadaTeste, Hora) {
  const auto linha = [](const std::string& hora) { return "posto1 15/01/2021 " + hora + " 1.5"; };
  std::vector<CasoLeitor> casos = {
      {"vazia", "posto1 15/01/2021\n", 104,
       "Valor de hora nao informado\nLinha: posto1 15/01/2021\nNumero da linha: 1"},
  };
  for (const char* hora : {"0000", "2359", "+959", "-059", "00+5", "-000"}) {
    casos.push_back({hora, linha(hora) + "\n", 100, ok});
  }
  for (const char* hora : {"123", "12345"}) {
    casos.push_back({hora, linha(hora) + "\n", 130,
                     comValorLido("Valor de hora invalido, esperado hhmm", hora, linha(hora), 1)});
  }
  for (const char* hora : {"2400", "0060", "ab00", "1a00", "12:3", "-100", "00-5", "9900"}) {
    casos.push_back({hora, linha(hora) + "\n", 105,
                     comValorLido("Valor de hora incorreto", hora, linha(hora), 1)});
  }
  verificar(casos, soRodada);
}

TEST(LeitorChuvaObservadaTeste, Precipitacao) {
  const auto linha = [](const std::string& valor) { return "posto1 15/01/2021 0700 " + valor; };
  const std::string nulo = comNulo("1", "2.5");  // a NUL byte is a byte of the value
  std::vector<CasoLeitor> casos = {
      {"vazia", "posto1 15/01/2021 0700\n", 104,
       "Valor de precipitacao nao informado\nLinha: posto1 15/01/2021 0700\nNumero da linha: 1"},
      {"byte nulo entre digitos", linha(nulo) + "\n", 103,
       comValorLido("Valor de precipitacao nao numerico", nulo, linha(nulo), 1)},
      {"so brancos depois do byte nulo", linha(comNulo("1.5", " \t")) + "\n", 100, ok},
      // the rest of the line is never read, but no NUL hides it: the value takes it
      {"texto depois do byte nulo no resto da linha", linha(comNulo("1.5 ", "x")) + "\n", 103,
       comValorLido("Valor de precipitacao nao numerico", comNulo("1.5 ", "x"),
                    linha(comNulo("1.5 ", "x")), 1)},
  };
  for (const char* valor : {"-", "0", "-0", "+1.5", ".5", "0.0", "12.5", "1e2", "nan", "NaN",
                            "-nan", "inf", "INFINITY"}) {
    casos.push_back({valor, linha(valor) + "\n", 100, ok});
  }
  for (const char* valor : {"abc", "1e", "1+", "1e999", "1,5", "--"}) {
    casos.push_back({valor, linha(valor) + "\n", 103,
                     comValorLido("Valor de precipitacao nao numerico", valor, linha(valor), 1)});
  }
  // the value written back, not as read
  for (const auto& [valor, escrito] :
       {std::pair<const char*, const char*>{"-0.1", "-0.10000000000000001"},
        {"-2", "-2"},
        {"-INF", "-inf"}}) {
    casos.push_back({valor, linha(valor) + "\n", 102,
                     comValorLido("Valor de precipitacao negativo", escrito, linha(valor), 1)});
  }
  verificar(casos, soRodada);
}

TEST(LeitorChuvaObservadaTeste, LinhasEOrdemCronologica) {
  const std::string l1 = "posto1 14/01/2021 0700 1.5";
  const auto foraDeOrdem = [&l1](const std::string& l2) {
    return "Dados fora de ordem cronologica\nUltima linha: " + l1 + "\nLinha: " + l2 +
           "\nNumero da linha: 2";
  };
  const std::string repetida = "posto1 14/01/2021 0800 1.5";
  const std::string pulada = "posto1 16/01/2021 0700 1.5";
  const std::string anterior = "posto1 13/01/2021 0700 1.5";
  verificar(
      {
          {"arquivo vazio", "", 196, aquecimentoAusente},
          {"primeira linha em branco", "\n" + dias("15/01/2021", 1), 196,
           "Primeira linha em branco"},
          {"linhas em branco no fim", dias("14/01/2021", 2) + "\n\n", 100, ok},
          {"linha em branco no meio", l1 + "\n\nposto1 15/01/2021 0700 1.5\n", 196,
           "Linha em branco encontrada no arquivo\nNumero da linha: 2"},
          {"branco no inicio", " " + l1 + "\n", 105,
           "Espaco em branco encontrado no inicio da linha\nLinha:  " + l1 +
               "\nNumero da linha: 1"},
          {"tabulacao no inicio", "\t" + l1 + "\n", 105,
           "Tabulacao encontrada na linha: \t" + l1 + "\nNumero da linha: 1"},
          {"crlf", "posto1 14/01/2021 0700 1.5\r\nposto1 15/01/2021 0700 1.5\r\n", 100, ok},
          {"data repetida", l1 + "\n" + repetida + "\n", 196, foraDeOrdem(repetida)},
          {"dia pulado", l1 + "\n" + pulada + "\n", 196, foraDeOrdem(pulada)},
          {"data anterior", l1 + "\n" + anterior + "\n", 196, foraDeOrdem(anterior)},
      },
      soRodada);
  // the day after the calendar's last one: out of order, not an uncaught error
  const std::string ultimo = "posto1 31/12/9999 0700 1.5";
  const std::string seguinte = "posto1 01/01/1400 0700 1.5";
  verificar({{"depois de 31/12/9999", ultimo + "\n" + seguinte + "\n", 196,
              "Dados fora de ordem cronologica\nUltima linha: " + ultimo + "\nLinha: " + seguinte +
                  "\nNumero da linha: 2"}},
            {"31/12/9999", 1, 0});
}

TEST(LeitorChuvaObservadaTeste, JanelaDaRodada) {
  verificar(
      {
          {"quatro dias antes ate a rodada", dias("11/01/2021", 5), 100, ok},
          {"dias antes e depois", dias("01/01/2021", 30), 100, ok},
          {"comeca tarde", dias("12/01/2021", 4), 196,
           "Conjunto de dados incompletos\nFaltando a data 11/01/2021 (inicializacao - 4)"},
          {"termina antes da rodada", dias("10/01/2021", 5), 196, aquecimentoAusente},
          {"comeca depois da rodada", dias("16/01/2021", 5), 196, aquecimentoAusente},
      },
      cincoDias);
  const std::string antesDe1400 =
      "Conjunto de dados incompletos\nFaltando datas anteriores a 01/01/1400";
  verificar(std::vector<std::pair<CasoLeitor, Janela>>{
      {{"kts e dias somando 1: so a rodada", dias("15/01/2021", 1), 100, ok}, soRodada},
      {{"soma negativa: so a rodada", dias("15/01/2021", 1), 100, ok}, {"15/01/2021", -5, 2}},
      {{"rodada com um digito", dias("05/01/2021", 1), 100, ok}, {"5/1/2021", 1, 0}},
      {{"quatro dias antes de 03/01/1400", dias("01/01/1400", 3), 196,
        antesDe1400 + " (inicializacao - 4)"},
       {"03/01/1400", 3, 2}},
      // the day count passes 32 bits
      {{"contagens maximas", dias("15/01/2021", 1), 196,
        antesDe1400 + " (inicializacao - 4294967293)"},
       {"15/01/2021", 2147483647, 2147483647}},
      {{"rodada que nao e data", dias("15/01/2021", 1), 196,
        "Data de aquecimento do modelo ausente: 31/02/2021"},
       {"31/02/2021", 1, 0}},
  });
}

TEST(LeitorChuvaObservadaTeste, ArquivoAusenteIlegivelOuCorrompido) {
  PastaTemporaria pasta;
  LeitorChuvaObservada leitor;
  leitor.dataRodada = "15/01/2021";
  leitor.numeroKts = 1;
  leitor.identificadorEsperado = "posto1";
  const std::string ausente = pasta.caminho("NADA_c.txt");
  const std::string ilegivel = pasta.escrever("C_c.txt", dias("15/01/2021", 1));
  const std::vector<CasoLeitor> casos = {
      {"ausente", ausente, 197, "Arquivo de configuracao nao encontrado: " + ausente},
      // a second file starts at line 1 and from its own first date
      {"valido", pasta.escrever("A_c.txt", dias("14/01/2021", 2)), 100, ok},
      {"data errada na linha 1", pasta.escrever("B_c.txt", "posto1 x 0700 1\n"), 105,
       comValorLido("Data em formato invalido. Formato esperado: dd/mm/aaaa", "x",
                    "posto1 x 0700 1", 1)},
      {"so depois da rodada", pasta.escrever("D_c.txt", dias("16/01/2021", 1)), 196,
       aquecimentoAusente},
      {"ilegivel", ilegivel, 197, "Arquivo de configuracao nao encontrado: " + ilegivel},
      {"erro de leitura", "/proc/self/mem", 3,
       "Arquivo de configuracao corrompido: /proc/self/mem"},
  };
  verificarArquivos(casos, leitor, ilegivel);
}
