#include "config/LeitorConfiguracao.h"

#include <sys/stat.h>

#include <string>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

using Caso = CasoLeitor;
using namespace std::string_literals;

const std::string completo =
    "amplitude = 0.5\nalvo = -2\niteracoes = 10000\nparticulas = 6\npulso = 0.1\nconstA = 0.1\n"
    "constB = 10\nobjetivo = mape\npesos = off\ngraficos = off\nsemente = 9952\narqPrev = 0\n";

const std::string avisoCompleto =
    "Campos ajustados com valor padrao (entre parentesis):\nalvo (-2)\namplitude (0.5)\n"
    "arqPrev (0)\nconstA (0.1)\nconstB (10)\ngraficos (off)\niteracoes (10000)\nobjetivo (mape)\n"
    "particulas (6)\npesos (off)\npulso (0.1)\nsemente (9952)\n";

Resultado validarConfiguracao(LeitorConfiguracao& leitor, const PastaTemporaria& pasta,
                              const std::string& conteudo) {
  pasta.escrever("zel.conf", conteudo);
  leitor.caminho = pasta.caminho();
  return leitor.validar();
}

template <class Casos>
void verificarConfiguracao(const Casos& casos) {
  PastaTemporaria pasta;
  verificarCasos(casos, [&pasta](const std::string& conteudo) {
    LeitorConfiguracao leitor;
    return validarConfiguracao(leitor, pasta, conteudo);
  });
}

}  // namespace

TEST(LeitorConfiguracaoTeste, ArquivoEAviso) {
  const std::string longo(5000, 'x');
  const Caso casos[] = {
      {"todas as chaves", completo, 100, "Validacao zel.conf OK"},
      {"vazio: todas no aviso, em ordem de bytes", "", 150, avisoCompleto},
      {"so comentarios e linhas em branco", "' comentario\n\n   \n'pesos = on\n", 150,
       avisoCompleto},
      {"objetivo e pesos dados", "objetivo = cef\npesos = on\n", 150,
       "Campos ajustados com valor padrao (entre parentesis):\nalvo (-2)\namplitude (0.5)\n"
       "arqPrev (0)\nconstA (0.1)\nconstB (10)\ngraficos (off)\niteracoes (10000)\n"
       "particulas (6)\npulso (0.1)\nsemente (9952)\n"},
      {"chave repetida nao fica no aviso", completo + "semente = 7\n", 100,
       "Validacao zel.conf OK"},
      {"linhas CRLF", "pesos = on\r\n\r\n" + completo, 100, "Validacao zel.conf OK"},
      {"chave maior que 2047: desconhecida", longo + " = 1\n" + completo, 100,
       "Validacao zel.conf OK"},
      {"valor maior que 2047, inteiro", completo + "pesos = " + longo + "\n", 105,
       "Valor invalido para pesos\nValor lido: " + longo +
           "\nValores permitidos: on off\nNumero da linha: 13"},
      {"comentario maior que 2047", "pesos = on '" + longo + " b\n" + completo, 100,
       "Validacao zel.conf OK"},
  };
  verificarConfiguracao(casos);
}

TEST(LeitorConfiguracaoTeste, ArquivoAusenteOuIlegivel) {
  PastaTemporaria pasta;
  const std::string esperado = "Nao foi possivel abrir o arquivo " + pasta.caminho("zel.conf");
  LeitorConfiguracao leitor;
  leitor.caminho = pasta.caminho();
  Resultado resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ(esperado, resultado.mensagem);

  // a folder is no regular file: the existence test already refuses it
  boost::filesystem::create_directory(pasta.caminho("zel.conf"));
  resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ(esperado, resultado.mensagem);

  // a regular file that cannot be opened is a failure, not a file of defaults
  boost::filesystem::remove(pasta.caminho("zel.conf"));
  pasta.escrever("zel.conf", completo);
  chmod(pasta.caminho("zel.conf").c_str(), 0);
  resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ(esperado, resultado.mensagem);

#ifndef _WIN32  // a read error, through a link to a file whose reads fail
  boost::filesystem::remove(pasta.caminho("zel.conf"));
  boost::filesystem::create_symlink("/proc/self/mem", pasta.caminho("zel.conf"));
  resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Arquivo zel.conf corrompido\nCaminho do arquivo: " + pasta.caminho("zel.conf"),
            resultado.mensagem);
#endif
}

TEST(LeitorConfiguracaoTeste, SeparacaoDaLinha) {
  const Caso casos[] = {
      {"valor aparado e em minusculas", "pesos =  ON   ' liga\n" + completo, 100,
       "Validacao zel.conf OK"},
      {"chave com maiuscula e desconhecida", "Pesos = sim\n", 150, avisoCompleto},
      {"so a chave: valor vazio", "pesos\n", 105,
       "Valor invalido para pesos\nValor lido: \nValores permitidos: on off\nNumero da linha: 1"},
      {"nada depois do igual", "iteracoes=\n", 103,
       "Valor de iteracoes nao numerico\nValor lido: \nNumero da linha: 1"},
      {"apostrofo logo depois do igual", "iteracoes='10\n", 103,
       "Valor de iteracoes nao numerico\nValor lido: \nNumero da linha: 1"},
      {"chave vazia e linha de brancos ignoradas, mas contadas", "=5\n   \n\t\nobjetivo = x\n", 105,
       "Valor invalido para objetivo\nValor lido: x\nValores permitidos: mape cef somacoef dm\n"
       "Numero da linha: 4"},
      {"duas linhas vazias antes", "\n\nobjetivo = MAPA\n", 105,
       "Valor invalido para objetivo\nValor lido: mapa\nValores permitidos: mape cef somacoef dm\n"
       "Numero da linha: 3"},
      {"texto depois do byte nulo: a palavra inteira", "pesos = on\0x\n"s + completo, 105,
       "Valor invalido para pesos\nValor lido: on\0x"s +
           "\nValores permitidos: on off\nNumero da linha: 1"},
      {"texto depois de brancos e do byte nulo", "pesos = on \0x\n"s + completo, 105,
       "Valor invalido para pesos\nValor lido: on \0x"s +
           "\nValores permitidos: on off\nNumero da linha: 1"},
      {"so brancos depois do byte nulo",
       "iteracoes = 10000\0\namplitude = 0.5\0 \t\n"
       "alvo = -2\0\nsemente = 9952\0\n"s +
           completo,
       100, "Validacao zel.conf OK"},
      {"byte nulo no comentario: o valor vai ao fim da linha", "iteracoes = 10 ' dez\0x\n"s, 103,
       "Valor de iteracoes nao numerico\nValor lido: 10 ' dez\0x\nNumero da linha: 1"s},
      {"byte nulo numa chave desconhecida: linha nao lida", "it\0eracoes = x\n"s + completo, 100,
       "Validacao zel.conf OK"},
      {"byte nulo na chave: valor vazio", "alvo\0 = 5\n"s, 105,
       "Valor de alvo nao numerico\nValor lido: \nNumero da linha: 1"},
      {"byte nulo num numero: nao numerico", "alvo = " + comNulo("-2", "5") + "\n", 105,
       "Valor de alvo nao numerico\nValor lido: " + comNulo("-2", "5") + "\nNumero da linha: 1"},
      {"tabulacao aparada na chave e no valor", "\tpesos\t=\ton\t\n" + completo, 100,
       "Validacao zel.conf OK"},
      {"sem espacos em volta do igual", "pesos=x\n", 105,
       "Valor invalido para pesos\nValor lido: x\nValores permitidos: on off\nNumero da linha: 1"},
      {"primeira falha encerra: sem aviso", "semente = 0\npesos = x\n", 101,
       "Valor de semente nulo\nNumero da linha: 1"},
  };
  verificarConfiguracao(casos);
}

TEST(LeitorConfiguracaoTeste, Inteiros) {
  const Caso casos[] = {
      {"semente negativa", "semente = -5\n", 102,
       "Valor de semente negativo\nValor lido: -5\nNumero da linha: 1"},
      {"semente zero: sem o valor", "semente = 0\n", 101,
       "Valor de semente nulo\nNumero da linha: 1"},
      {"semente -0", "semente = -0\n", 101, "Valor de semente nulo\nNumero da linha: 1"},
      {"semente real", "semente = 1.0\n", 103,
       "Valor de semente nao numerico\nValor lido: 1.0\nNumero da linha: 1"},
      {"semente com virgula", "semente = 10,5\n", 103,
       "Utilizado separador \",\" para o campo semente\nValor lido: 10,5\nNumero da linha: 1"},
      {"virgula sem inteiros dos lados", "particulas = a,\n", 103,
       "Utilizado separador \",\" para o campo particulas\nValor lido: a,\nNumero da linha: 1"},
      {"maior inteiro", "iteracoes = 2147483647\n" + completo, 100, "Validacao zel.conf OK"},
      {"alem do inteiro", "iteracoes = 2147483648\n", 103,
       "Valor de iteracoes nao numerico\nValor lido: 2147483648\nNumero da linha: 1"},
      {"particulas com sinal +", "particulas = +6\n" + completo, 100, "Validacao zel.conf OK"},
      {"particulas zero", "particulas = 0\n", 101, "Valor de particulas nulo\nNumero da linha: 1"},
  };
  verificarConfiguracao(casos);
}

TEST(LeitorConfiguracaoTeste, Reais) {
  const Caso casos[] = {
      {"pulso com virgula entre inteiros", "pulso = 0,5\n", 105,
       "Utilizado separador \",\" para o campo pulso\nValor lido: 0,5\nNumero da linha: 1"},
      {"pulso com duas virgulas", "pulso = 1,2,3\n", 105,
       "Valor de pulso nao numerico\nValor lido: 1,2,3\nNumero da linha: 1"},
      {"pulso comecando na virgula", "pulso = ,5\n", 105,
       "Valor de pulso nao numerico\nValor lido: ,5\nNumero da linha: 1"},
      {"pulso -0.0", "pulso = -0.0\n", 101,
       "Valor de pulso nulo\nValor lido: -0.0\nNumero da linha: 1"},
      {"pulso negativo", "pulso = -1e-3\n", 102,
       "Valor de pulso negativo\nValor lido: -1e-3\nNumero da linha: 1"},
      {"pulso infinito passa", "pulso = inf\n" + completo, 100, "Validacao zel.conf OK"},
      {"pulso nan passa", "pulso = nan\n" + completo, 100, "Validacao zel.conf OK"},
      {"constA zero e -0.0 passam", "constA = 0\nconstA = -0.0\n" + completo, 100,
       "Validacao zel.conf OK"},
      {"constB negativo", "constB = -1\n", 102,
       "Valor de constB negativo\nValor lido: -1\nNumero da linha: 1"},
      {"alvo -3 e 0 passam", "alvo = -3\nalvo = 0\n" + completo, 100, "Validacao zel.conf OK"},
      {"alvo nao numerico", "alvo = abc\n", 105,
       "Valor de alvo nao numerico\nValor lido: abc\nNumero da linha: 1"},
  };
  verificarConfiguracao(casos);
}

TEST(LeitorConfiguracaoTeste, Amplitude) {
  const auto fora = [](const std::string& valor) {
    return "Valor de amplitude fora do intervalo permitido\nValor lido: " + valor +
           "\nInteravalo permitido: 0 < amplitude < 1\nNumero da linha: 1";
  };
  const Caso casos[] = {
      {"zero", "amplitude = 0\n", 105, fora("0")},
      {"um", "amplitude = 1\n", 105, fora("1")},
      {"infinito", "amplitude = INF\n", 105, fora("inf")},
      {"0.999 passa", "amplitude = 0.999\n" + completo, 100, "Validacao zel.conf OK"},
      {"nan passa", "amplitude = nan\n" + completo, 100, "Validacao zel.conf OK"},
      {"texto", "amplitude = abc\n", 105,
       "Valor de amplitude nao numerico\nValor lido: abc\nNumero da linha: 1"},
      {"virgula entre inteiros", "amplitude = 0,5\n", 105,
       "Utilizado separador \",\" para o campo amplitude\nValor lido: 0,5\nNumero da linha: 1"},
  };
  verificarConfiguracao(casos);
}

TEST(LeitorConfiguracaoTeste, ValoresPermitidos) {
  const Caso casos[] = {
      {"pesos sim na linha 4", "alvo = 1\n\nx = y\npesos = sim\n", 105,
       "Valor invalido para pesos\nValor lido: sim\nValores permitidos: on off\n"
       "Numero da linha: 4"},
      {"graficos", "graficos = talvez\n", 105,
       "Valor invalido para graficos\nValor lido: talvez\nValores permitidos: on off\n"
       "Numero da linha: 1"},
      {"objetivo dm passa", "objetivo = DM\n" + completo, 100, "Validacao zel.conf OK"},
      {"arqPrev 2", "arqPrev = 2\n", 105,
       "Valor invalido para arqPrev\nValor lido: 2\nValores permitidos: 0 1\nNumero da linha: 1"},
      {"arqPrev 01: comparado como texto", "arqPrev = 01\n", 105,
       "Valor invalido para arqPrev\nValor lido: 01\nValores permitidos: 0 1\nNumero da linha: 1"},
  };
  verificarConfiguracao(casos);
}

TEST(LeitorConfiguracaoTeste, ArqPrevENovaValidacao) {
  struct CasoArqPrev {
    const char* nome;
    std::string conteudo;
    bool arqPrev;
  };
  const CasoArqPrev casos[] = {
      {"1 liga", completo + "arqPrev = 1\n", true},
      {"1 depois 0 desliga", "arqPrev = 1\n" + completo, false},
      {"ausente fica desligado", "pesos = on\n", false},
      {"valor invalido nao liga", "arqPrev = 2\n", false},
  };
  PastaTemporaria pasta;
  // one reader for every file: nothing of the previous file remains
  LeitorConfiguracao leitor;
  for (const CasoArqPrev& caso : casos) {
    SCOPED_TRACE(caso.nome);
    validarConfiguracao(leitor, pasta, completo + "arqPrev = 1\n");
    ASSERT_TRUE(leitor.arqPrev);
    validarConfiguracao(leitor, pasta, caso.conteudo);
    EXPECT_EQ(caso.arqPrev, leitor.arqPrev);
  }
  validarConfiguracao(leitor, pasta, "semente = x\n\n\n");
  const Resultado resultado = validarConfiguracao(leitor, pasta, "\n");
  EXPECT_EQ(150, resultado.codigo);
  EXPECT_EQ(avisoCompleto, resultado.mensagem);
  EXPECT_EQ("Valor de semente nulo\nNumero da linha: 2",
            validarConfiguracao(leitor, pasta, "\nsemente = 0\n").mensagem);
}
