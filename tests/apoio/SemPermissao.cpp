#include "apoio/SemPermissao.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"

#ifdef _WIN32
// Mode 000 leaves a file readable on Windows (it only turns read-only). The read-only files of
// this process's temporary folders are held open here without sharing, so that no other open of
// them succeeds while the check runs; their existence is untouched.
Resultado executarSemPermissao(const std::function<Resultado()>& verificacao) {
  std::vector<HANDLE> travas;
  for (const std::string& raiz : pastasTemporarias()) {
    for (const auto& entrada : boost::filesystem::recursive_directory_iterator(raiz)) {
      const std::string caminho = entrada.path().string();
      const DWORD atributos = GetFileAttributesA(caminho.c_str());
      if (atributos == INVALID_FILE_ATTRIBUTES || (atributos & FILE_ATTRIBUTE_DIRECTORY) ||
          !(atributos & FILE_ATTRIBUTE_READONLY))
        continue;
      const HANDLE trava = CreateFileA(caminho.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
      if (trava == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot hold " << caminho;
        continue;
      }
      travas.push_back(trava);
    }
  }
  if (travas.empty()) ADD_FAILURE() << "no read-only file to hold";
  const Resultado resultado = verificacao();
  for (const HANDLE trava : travas) CloseHandle(trava);
  return resultado;
}
#else
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
#endif
