#include "run/ContextoExecucao.h"

#include <gtest/gtest.h>

TEST(ContextoExecucaoTeste, ValoresIniciais) {
  const ContextoExecucao contexto;
  EXPECT_EQ(0.0, contexto.reservado1);
  EXPECT_EQ(0, contexto.reservado2);
  EXPECT_EQ(1, contexto.reservado3);
  EXPECT_EQ(600, contexto.estado);
  EXPECT_EQ("", contexto.reservado4);
  EXPECT_EQ(0, contexto.reservado5);
  EXPECT_EQ(0, contexto.inicio);
  EXPECT_EQ(0.0, contexto.reservado6);
  EXPECT_EQ(1, contexto.reservado7);
  EXPECT_EQ(0, contexto.reservado8);
  EXPECT_EQ(0, contexto.codigoRetorno);
  EXPECT_EQ(".", contexto.diretorio);
  EXPECT_EQ("", contexto.reservado9);
  EXPECT_EQ("", contexto.reservado10);
  EXPECT_EQ("", contexto.reservado11);
  EXPECT_EQ(0, contexto.totalBacias);
  EXPECT_EQ(0, contexto.baciasProcessadas);
  EXPECT_EQ(-10000, contexto.modo);
  EXPECT_EQ("", contexto.mensagens);
}
