#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Plataforma.h"

namespace plataforma {

std::string diretorioAtual() {
  std::vector<char> buffer(4096);
  while (true) {
    if (getcwd(buffer.data(), buffer.size()) != nullptr) return buffer.data();
    if (errno != ERANGE || buffer.size() > (1u << 24)) return "";
    buffer.resize(buffer.size() * 2);
  }
}

void configurarConsole() {}

void reabrirDescritoresPadrao() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // in this order the lowest free number is fd itself; dup2 only as a safeguard
    const int nulo = open("/dev/null", O_RDWR);
    if (nulo >= 0 && nulo != fd) {
      dup2(nulo, fd);
      close(nulo);
    }
  }
}

void ignorarConsoleFechado() { signal(SIGPIPE, SIG_IGN); }

// The loader needs no search folder here: the library is opened by its relative path.
void definirPastaBibliotecas(const std::string&) {}

void pausar() {
  if (!isatty(STDIN_FILENO)) return;
  std::cout << "Pressione qualquer tecla para continuar. . ." << std::flush;
  std::cin.get();
}

struct Biblioteca {
  void* handle;
};

struct Tarefa {
  std::thread thread;
};

struct Trava::Nativa {
  std::mutex mutex;
};

Biblioteca* carregarBiblioteca(const std::string& caminho) {
  // dlopen searches the library path for a name without a slash; a relative path must stay one.
  const std::string nome = caminho.find('/') == std::string::npos ? "./" + caminho : caminho;
  void* handle = dlopen(nome.c_str(), RTLD_NOW | RTLD_LOCAL);
  return handle != nullptr ? new Biblioteca{handle} : nullptr;
}

void* obterFuncao(Biblioteca* biblioteca, const char* nome) {
  return dlsym(biblioteca->handle, nome);
}

void liberarBiblioteca(Biblioteca* biblioteca) {
  if (biblioteca == nullptr) return;
  dlclose(biblioteca->handle);
  delete biblioteca;
}

std::string horaLocal(const char* formato) {
  const time_t agora = time(nullptr);
  struct tm local {};
  localtime_r(&agora, &local);
  std::vector<char> buffer(4096);
  const size_t tamanho = strftime(buffer.data(), buffer.size(), formato, &local);
  return std::string(buffer.data(), tamanho);
}

std::string lerRegistro(const std::string&, const std::string&) { return ""; }

void dormir(uint32_t milissegundos) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milissegundos));
}

Tarefa* iniciarTarefa(FuncaoTarefa funcao, void* argumento) {
  try {
    return new Tarefa{std::thread(funcao, argumento)};
  } catch (const std::exception&) {
    return nullptr;
  }
}

void aguardarTarefa(Tarefa* tarefa) {
  if (tarefa != nullptr && tarefa->thread.joinable()) tarefa->thread.join();
}

void fecharTarefa(Tarefa* tarefa) { delete tarefa; }

Trava::Trava() : nativa(new Nativa) {}
Trava::~Trava() { delete nativa; }
void Trava::travar() { nativa->mutex.lock(); }
void Trava::destravar() { nativa->mutex.unlock(); }

}  // namespace plataforma
