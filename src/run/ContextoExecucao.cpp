#include "run/ContextoExecucao.h"

#include "validation/ConfiguracaoModo.h"

ContextoExecucao::ContextoExecucao()
    : reservado1(0.0),
      reservado2(0),
      reservado3(1),
      estado(estadoAguardando),
      reservado5(0),
      inicio(0),
      reservado6(0.0),
      reservado7(1),
      reservado8(0),
      codigoRetorno(0),
      diretorio("."),
      totalBacias(0),
      baciasProcessadas(0),
      modo(modoDesktop) {}
