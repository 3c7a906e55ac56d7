#include "series/LeitorVazaoVerificada.h"

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

// No date required: the field checks alone.
const Janela semJanela{"15/01/2021", 1, 1};
// 2021-01-13 and 2021-01-14 required.
const Janela doisDias{"15/01/2021", 3, 2};

void verificar(const std::vector<CasoLeitor>& casos, const Janela& janela) {
  PastaTemporaria pasta;
  LeitorVazaoVerificada leitor;  // one reader for every file, as the driver uses it
  leitor.definirDataInicializacao(janela.dataRodada);
  leitor.numeroKts = janela.numeroKts;
  leitor.diaInicializacao = janela.diaInicializacao;
  verificarCasos(casos, [&](const std::string& conteudo) {
    leitor.caminho = pasta.escrever("BACIA.txt", conteudo);
    return leitor.validar();
  });
}

std::string registro(const std::string& dataHora, const std::string& vazao = "12.5",
                     const std::string& identificador = "1") {
  return identificador + "|ANA|DI|MED|" + dataHora + "|" + vazao;
}

std::string semValor(const std::string& achado, const std::string& linha) {
  return achado + "\nLinha: " + linha + "\nNumero da linha: 1";
}

}  // namespace

TEST(LeitorVazaoVerificadaTeste, Identificador) {
  const std::string data = "2021-01-14 00:00:00";
  const std::string vinteDigitos = "12345678901234567890";
  const std::string foraDoDouble = "1" + std::string(400, '0');
  std::vector<CasoLeitor> casos = {
      {"vinte digitos", registro(data, "1", vinteDigitos) + "\n", 100, ok},
      {"linha comecando com barra", "|ANA|DI|MED|" + data + "|1\n", 104,
       semValor("Valor de identificador nao informado.", "|ANA|DI|MED|" + data + "|1")},
      {"-3", registro(data, "1", "-3") + "\n", 102,
       comValorLido("Valor de identificador negativo", "-3", registro(data, "1", "-3"), 1)},
      {"-007 mostrado convertido", registro(data, "1", "-007") + "\n", 102,
       comValorLido("Valor de identificador negativo", "-7", registro(data, "1", "-007"), 1)},
      {"alem do double", registro(data, "1", foraDoDouble) + "\n", 103,
       comValorLido("Valor de identificador nao numerico", foraDoDouble,
                    registro(data, "1", foraDoDouble), 1)},
      {"byte nulo entre digitos: a linha acaba nele", registro(data, "1", comNulo("1", "2")) + "\n",
       104, "Valor de origem da vazao nao informado.\nLinha: 1\nNumero da linha: 1"},
  };
  for (const char* identificador : {"12a", "1.5", "+5", "12 ", "1 2"}) {
    const std::string linha = registro(data, "1", identificador);
    casos.push_back({identificador, linha + "\n", 103,
                     comValorLido("Valor de identificador nao numerico", identificador, linha, 1)});
  }
  for (const auto& [identificador, mostrado] :
       {std::pair<const char*, const char*>{"0", "0"}, {"000", "0"}, {"-0", "-0"}}) {
    const std::string linha = registro(data, "1", identificador);
    casos.push_back({identificador, linha + "\n", 101,
                     "Valor de identificador nulo\nIdentificador lido: " + std::string(mostrado) +
                         "\nLinha: " + linha + "\nNumero da linha: 1"});
  }
  verificar(casos, semJanela);
}

TEST(LeitorVazaoVerificadaTeste, OrigemPeriodicidadeETipo) {
  const std::string resto = "|2021-01-14 00:00:00|1";
  const auto linha = [&resto](const std::string& periodicidade, const std::string& tipo) {
    return "1|ANA|" + periodicidade + "|" + tipo + resto;
  };
  std::vector<CasoLeitor> casos = {
      {"periodicidade com brancos", linha("  DI\t", "MED") + "\n", 100, ok},
      {"origem vazia: o resto nao importa", "1||DI|MED" + resto + "\n", 104,
       semValor("Valor de origem da vazao nao informado.", "1||DI|MED" + resto)},
      {"origem de brancos", "1| |DI|MED" + resto + "\n", 104,
       semValor("Valor de origem da vazao nao informado.", "1| |DI|MED" + resto)},
      {"periodicidade de brancos", linha(" ", "MED") + "\n", 104,
       semValor("Valor de periodicidade em branco.", linha(" ", "MED"))},
      {"so tres campos", "1|ANA|DI\n", 104,
       semValor("Valor do tipo da vazao em branco.", "1|ANA|DI")},
      {"tipo vazio corta o resto", "1|ANA|DI||" + resto + "\n", 104,
       semValor("Valor do tipo da vazao em branco.", "1|ANA|DI||" + resto)},
      // the line ends at a NUL byte: each finding is the one of the line before it
      {"byte nulo na origem", "1|" + comNulo("AN", "A") + "|DI|MED" + resto + "\n", 104,
       semValor("Valor de periodicidade em branco.", "1|AN")},
      {"origem so o byte nulo", "1|" + comNulo("", "") + "|DI|MED" + resto + "\n", 104,
       semValor("Valor de origem da vazao nao informado.", "1|")},
      {"byte nulo na periodicidade", linha(comNulo("DI", ""), "MED") + "\n", 104,
       semValor("Valor do tipo da vazao em branco.", "1|ANA|DI")},
      {"byte nulo no tipo de tres bytes", linha("DI", comNulo("NA", "")) + "\n", 105,
       comValorLido("Valor de tipo da vazao incorreto", "NA", "1|ANA|DI|NA", 1)},
      {"byte nulo depois do tipo", linha("DI", comNulo("NAT", "")) + "\n", 105,
       comValorLido("Valor de data e hora no formato incorreto ou em branco\n"
                    "Formato esperado: AAAA-MM-DD hh:mm:ss",
                    "", "1|ANA|DI|NAT", 1)},
  };
  for (const char* periodicidade : {"di", "Di", "D", "DIA"}) {
    casos.push_back({periodicidade, linha(periodicidade, "MED") + "\n", 105,
                     comValorLido("Valor de periodicidade incorreto. Esperado: DI", periodicidade,
                                  linha(periodicidade, "MED"), 1)});
  }
  // bytes, not letters: an accented letter counts two
  for (const char* tipo : {"ABC", "123", "A-B", "A B",
                           "\xC3\xA1"
                           "B"}) {
    casos.push_back({tipo, linha("DI", tipo) + "\n", 100, ok});
  }
  for (const char* tipo : {"AB", "ABCD",
                           "\xC3\xA1"
                           "BC"}) {
    casos.push_back({tipo, linha("DI", tipo) + "\n", 105,
                     comValorLido("Valor de tipo da vazao incorreto", tipo, linha("DI", tipo), 1)});
  }
  verificar(casos, semJanela);
}

TEST(LeitorVazaoVerificadaTeste, DataHora) {
  std::vector<CasoLeitor> casos;
  for (const char* dataHora : {"2020-02-29 10:00:00", "2021/03/15 23:59:59", "1400-01-01 00:00:00",
                               "9999-12-31 00:00:00"}) {
    casos.push_back({dataHora, registro(dataHora) + "\n", 100, ok});
  }
  for (const char* dataHora :
       {"2021-02-29 10:00:00", "2021-04-31 00:00:00", "2021-13-01 00:00:00", "2021-00-10 00:00:00",
        "1399-12-31 00:00:00", "2021-01-00 00:00:00", "2021-02-30 25:00:00"}) {
    casos.push_back(
        {dataHora, registro(dataHora) + "\n", 105,
         comValorLido("Data invalida ou nao existente", dataHora, registro(dataHora), 1)});
  }
  for (const char* dataHora :
       {"2021-03-15T10:00:00", "2021-03-15 10:00", "2021-03-15", "2021-03/15 10:00:00",
        "21-03-15 10:00:00", "2021-03-15  10:00:00", "15/03/2021 10:00:00"}) {
    casos.push_back(
        {dataHora, registro(dataHora) + "\n", 105,
         comValorLido("Valor de data e hora no formato incorreto ou em branco\nFormato esperado: "
                      "AAAA-MM-DD hh:mm:ss",
                      dataHora, registro(dataHora), 1)});
  }
  const struct {
    const char* dataHora;
    const char* achado;
    const char* parte;
  } partes[] = {
      {"2021-03-15 24:00:00", "Valor de horas incorreto", "24"},
      {"2021-03-15 99:00:00", "Valor de horas incorreto", "99"},
      {"2021-03-15 10:60:00", "Valor de minutos incorreto", "60"},
      {"2021-03-15 10:00:60", "Valor de segundos incorreto", "60"},
  };
  for (const auto& parte : partes) {
    casos.push_back({parte.dataHora, registro(parte.dataHora) + "\n", 105,
                     comValorLido(parte.achado, parte.parte, registro(parte.dataHora), 1)});
  }
  const std::string semData = "1|ANA|DI|MED";
  casos.push_back({"sem data", semData + "\n", 105,
                   comValorLido("Valor de data e hora no formato incorreto ou em branco\nFormato "
                                "esperado: AAAA-MM-DD hh:mm:ss",
                                "", semData, 1)});
  verificar(casos, semJanela);
}

TEST(LeitorVazaoVerificadaTeste, Vazao) {
  const std::string data = "2021-01-14 00:00:00";
  std::vector<CasoLeitor> casos = {
      {"vazia", "1|ANA|DI|MED|" + data + "|\n", 104,
       semValor("Valor de vazao nao informado.", "1|ANA|DI|MED|" + data + "|")},
      {"-0.5", registro(data, "-0.5") + "\n", 102,
       comValorLido("Valor de vazao negativo", "-0.5", registro(data, "-0.5"), 1)},
      {"-0.1 com dezessete digitos", registro(data, "-0.1") + "\n", 102,
       comValorLido("Valor de vazao negativo", "-0.10000000000000001", registro(data, "-0.1"), 1)},
      {"-inf", registro(data, "-Infinity") + "\n", 102,
       comValorLido("Valor de vazao negativo", "-inf", registro(data, "-Infinity"), 1)},
      {"brancos em volta", registro(data, " 3.5 ") + "\n", 100, ok},
      // a NUL byte is a byte of the value: never the number before it
      {"byte nulo no valor", registro(data, comNulo("5", "x")) + "\n", 103,
       comValorLido("Valor de vazao nao numerico", comNulo("5", "x"),
                    registro(data, comNulo("5", "x")), 1)},
      {"byte nulo entre digitos", registro(data, comNulo("2", "30.00")) + "\n", 103,
       comValorLido("Valor de vazao nao numerico", comNulo("2", "30.00"),
                    registro(data, comNulo("2", "30.00")), 1)},
      {"so brancos depois do byte nulo", registro(data, comNulo("2", " \t")) + "\n", 100, ok},
      {"byte nulo depois da data", "1|ANA|DI|MED|" + comNulo(data, "") + "|1\n", 104,
       semValor("Valor de vazao nao informado.", "1|ANA|DI|MED|" + data)},
  };
  for (const char* vazao : {"-", "0", "-0", "12.5", "+12.5", "1e3", "nan", "inf"}) {
    casos.push_back({vazao, registro(data, vazao) + "\n", 100, ok});
  }
  for (const char* vazao : {"1,5", "1e999", "abc", "5|x", "1 5", "12.5 ' media"}) {
    casos.push_back({vazao, registro(data, vazao) + "\n", 103,
                     comValorLido("Valor de vazao nao numerico", vazao, registro(data, vazao), 1)});
  }
  verificar(casos, semJanela);
}

TEST(LeitorVazaoVerificadaTeste, LinhasJanelaERepeticao) {
  const std::string dia13 = registro("2021-01-13 06:00:00");
  const std::string dia14 = registro("2021-01-14 06:00:00");
  const std::string dia15 = registro("2021-01-15 06:00:00");
  verificar(
      {
          {"os dois dias", dia13 + "\n" + dia14 + "\n", 100, ok},
          {"ordem decrescente e dias depois", dia15 + "\n" + dia14 + "\n" + dia13 + "\n", 100, ok},
          {"barra na data", dia13 + "\n" + registro("2021/01/14 23:00:00") + "\n", 100, ok},
          {"vazao ausente conta", dia13 + "\n" + registro("2021-01-14 06:00:00", "-") + "\n", 100,
           ok},
          {"linhas vazias no fim", dia13 + "\n" + dia14 + "\n\n\n", 100, ok},
          {"crlf", dia13 + "\r\n" + dia14 + "\r\n", 100, ok},
          {"linha vazia entre registros", dia13 + "\n\n" + dia14 + "\n", 196,
           "Linha em branco encontrada no arquivo\nNumero da linha: 2"},
          {"linha vazia antes do primeiro", "\n" + dia13 + "\n" + dia14 + "\n", 196,
           "Linha em branco encontrada no arquivo\nNumero da linha: 1"},
          {"branco no inicio", " " + dia13 + "\n", 105,
           "Espaco em branco encontrado no inicio da linha\nLinha:  " + dia13 +
               "\nNumero da linha: 1"},
          {"arquivo vazio", "", 196, "Quantidade de dados insuficiente\nNecessarios: 2\nLidos: 0"},
          {"so linhas vazias", "\n\n", 196,
           "Quantidade de dados insuficiente\nNecessarios: 2\nLidos: 0"},
          {"so a rodada", dia15 + "\n", 196,
           "Conjunto de dados incompletos\nFaltando a data 2021-01-13 (inicializacao - 2)"},
          {"falta o dia 14", dia13 + "\n", 196,
           "Conjunto de dados incompletos\nFaltando a data 2021-01-14 (inicializacao - 1)"},
          {"repetida nas duas formas",
           dia13 + "\n" + registro("2021-01-14 00:00:00") + "\n" + registro("2021/01/14 12:00:00") +
               "\n",
           196, "Data repetida encontrada: 2021-01-14"},
          {"repetida fora da janela", dia13 + "\n" + dia14 + "\n" + dia15 + "\n" + dia15 + "\n",
           196, "Data repetida encontrada: 2021-01-15"},
          {"duas repetidas: a menor, nao a primeira achada",
           dia15 + "\n" + dia15 + "\n" + dia14 + "\n" + dia13 + "\n" + dia14 + "\n", 196,
           "Data repetida encontrada: 2021-01-14"},
      },
      doisDias);
  verificar({{"um dia, arquivo vazio", "", 196,
              "Conjunto de dados incompletos\nFaltando a data 2021-01-14 (inicializacao - 1)"}},
            {"15/01/2021", 3, 1});
  verificar({{"nenhum dia, arquivo vazio", "", 100, ok}}, {"15/01/2021", 2, 1});
}

TEST(LeitorVazaoVerificadaTeste, JanelaForaDoCalendario) {
  std::string registros;
  for (const char* dia : {"01", "02", "03", "04", "05"})
    registros += registro(std::string("1400-01-") + dia + " 00:00:00") + "\n";
  verificar({{"antes de 1400-01-01", registros, 196,
              "Conjunto de dados incompletos\nFaltando datas anteriores a 1400-01-01 "
              "(inicializacao - 4)"}},
            {"03/01/1400", 3, 4});
  // the day count passes 32 bits
  verificar({{"contagens maximas", registros, 196,
              "Quantidade de dados insuficiente\nNecessarios: 4294967291\nLidos: 5"}},
            {"03/01/1400", 2147483647, 2147483647});
}

TEST(LeitorVazaoVerificadaTeste, EntradasEArquivo) {
  PastaTemporaria pasta;
  const std::string valido =
      registro("2021-01-13 00:00:00") + "\n" + registro("2021-01-14 00:00:00") + "\n";
  const std::string naoConfigurados =
      "Dias de inicializacao ou data inicializacao nao configurados";
  const std::string ausente = pasta.caminho("NADA.txt");
  const std::string ilegivel = pasta.escrever("B.txt", valido);
  const std::string a = pasta.escrever("A.txt", valido);
  LeitorVazaoVerificada leitor;
  // each row with its inputs; an empty run date leaves the reader without one
  const std::pair<CasoLeitor, Janela> casos[] = {
      {{"sem data da rodada", a, 105, naoConfigurados}, {"", 3, 2}},
      {{"valido", a, 100, ok}, doisDias},
      {{"outra rodada", a, 196,
        "Conjunto de dados incompletos\nFaltando a data 2021-01-15 (inicializacao - 1)"},
       {"16/01/2021", 3, 2}},
      // the count of initialisation days is tested before the file
      {{"sem dias de inicializacao", ausente, 105, naoConfigurados}, {"15/01/2021", 3, 0}},
      {{"ausente", ausente, 197, "Arquivo " + ausente + " nao encontrado"}, doisDias},
      // a run date that is no date does not raise
      {{"rodada que nao e data", a, 105, naoConfigurados}, {"31/02/2021", 3, 2}},
      {{"rodada curta", a, 105, naoConfigurados}, {"1/1", 3, 2}},
      // with no date required, an unreadable file would pass as an empty one
      {{"ilegivel", ilegivel, 197, "Arquivo " + ilegivel + " nao encontrado"}, semJanela},
      {{"erro de leitura", "/proc/self/mem", 3,
        "Arquivo de configuracao corrompido: /proc/self/mem"},
       semJanela},
  };
  for (const auto& [caso, janela] : casos) {
    if (!janela.dataRodada.empty()) leitor.definirDataInicializacao(janela.dataRodada);
    leitor.numeroKts = janela.numeroKts;
    leitor.diaInicializacao = janela.diaInicializacao;
    verificarArquivos(std::vector<CasoLeitor>{caso}, leitor, ilegivel);
  }
}
