#include "apoio/SemPermissao.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

Resultado executarSemPermissao(const std::function<Resultado()>& verificacao) {
  if (geteuid() != 0) return verificacao();
  int tubo[2];
  if (pipe(tubo) != 0) {
    ADD_FAILURE() << "pipe";
    return {};
  }
  const pid_t filho = fork();
  if (filho == 0) {
    close(tubo[0]);
    int32_t codigo = -1;
    std::string mensagem;
    if (setgid(65534) == 0 && setuid(65534) == 0) {
      const Resultado resultado = verificacao();
      codigo = resultado.codigo;
      mensagem = resultado.mensagem;
    }
    // the code first, then the message up to the end of the pipe
    const std::string saida =
        std::string(reinterpret_cast<const char*>(&codigo), sizeof codigo) + mensagem;
    ssize_t escrito = 0;
    while (escrito < static_cast<ssize_t>(saida.size())) {
      const ssize_t parte = write(tubo[1], saida.data() + escrito, saida.size() - escrito);
      if (parte <= 0) break;
      escrito += parte;
    }
    _exit(0);
  }
  close(tubo[1]);
  std::string entrada;
  char bloco[4096];
  ssize_t lido = 0;
  while ((lido = read(tubo[0], bloco, sizeof bloco)) > 0) entrada.append(bloco, lido);
  close(tubo[0]);
  int estado = 0;
  waitpid(filho, &estado, 0);
  Resultado resultado;
  if (entrada.size() < sizeof(int32_t)) {
    ADD_FAILURE() << "child process gave no result";
    return resultado;
  }
  std::copy(entrada.data(), entrada.data() + sizeof(int32_t),
            reinterpret_cast<char*>(&resultado.codigo));
  resultado.mensagem = entrada.substr(sizeof(int32_t));
  return resultado;
}
