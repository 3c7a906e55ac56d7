#include "apoio/SemAbrirArquivos.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

Resultado semAbrirArquivos(const std::function<Resultado()>& chamada) {
  int canal[2];
  if (pipe(canal) != 0) return {"pipe falhou", -1};
  const pid_t filho = fork();
  if (filho == 0) {
    close(canal[0]);
    rlimit limite{};
    getrlimit(RLIMIT_NOFILE, &limite);
    limite.rlim_cur = 0;  // every open now fails with EMFILE
    setrlimit(RLIMIT_NOFILE, &limite);
    const Resultado resultado = chamada();
    const std::string texto = std::to_string(resultado.codigo) + "\n" + resultado.mensagem;
    ssize_t escrito = 0;
    while (escrito < static_cast<ssize_t>(texto.size())) {
      const ssize_t parte = write(canal[1], texto.data() + escrito, texto.size() - escrito);
      if (parte <= 0) break;
      escrito += parte;
    }
    _exit(0);
  }
  close(canal[1]);
  std::string texto;
  char bloco[4096];
  ssize_t lido = 0;
  while ((lido = read(canal[0], bloco, sizeof bloco)) > 0) texto.append(bloco, lido);
  close(canal[0]);
  waitpid(filho, nullptr, 0);
  const std::string::size_type quebra = texto.find('\n');
  if (quebra == std::string::npos) return {"filho sem resposta", -1};
  return {texto.substr(quebra + 1), std::stoi(texto.substr(0, quebra))};
}
