#include "validation/Validador.h"

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"

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
