#include <exception>
#include <iostream>

#include "platform/Plataforma.h"
#include "run/Aplicacao.h"

int main() {
  plataforma::reabrirDescritoresPadrao();
  plataforma::ignorarConsoleFechado();
  plataforma::definirPastaBibliotecas("bin");
  plataforma::configurarConsole();
  int32_t codigo = 0;
  try {
    codigo = executarAplicacao();
  } catch (const std::exception& erro) {
    // nothing is expected here; a last guard so a run never ends without its code and prompt
    std::cout << "[ZEL-KOVA] [ERRO] Falha inesperada: " << erro.what() << std::endl;
    codigo = codigoFalhaInesperada;
  }
  plataforma::pausar();
  return codigo;
}
