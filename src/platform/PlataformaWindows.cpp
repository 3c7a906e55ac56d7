#include <direct.h>
#include <process.h>
#include <windows.h>

#include <cstdlib>
#include <ctime>
#include <vector>

#include "platform/Plataforma.h"

namespace plataforma {

std::string diretorioAtual() {
  // _getcwd with a null buffer allocates what the path needs: no 260-byte limit.
  char* texto = _getcwd(nullptr, 0);
  if (texto == nullptr) return "";
  std::string diretorio(texto);
  std::free(texto);
  return diretorio;
}

void configurarConsole() { SetConsoleOutputCP(65001); }

void reabrirDescritoresPadrao() {}

void ignorarConsoleFechado() {}

void definirPastaBibliotecas(const std::string& pasta) { SetDllDirectoryA(pasta.c_str()); }

void pausar() {
  // a redirected input is no console: nobody is there to press the key
  DWORD modo = 0;
  if (!GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &modo)) return;
  std::system("PAUSE");
}

struct Biblioteca {
  HMODULE handle;
};

struct Tarefa {
  HANDLE handle;
};

struct Trava::Nativa {
  CRITICAL_SECTION secao;
};

Biblioteca* carregarBiblioteca(const std::string& caminho) {
  // Once SetDllDirectoryA is set the loader no longer searches the current directory, and a
  // relative path would be looked up beside the executable: it is made absolute here.
  const bool absoluto = (caminho.size() > 1 && caminho[1] == ':') ||
                        (!caminho.empty() && (caminho[0] == '\\' || caminho[0] == '/'));
  const std::string completo = absoluto ? caminho : diretorioAtual() + separador + caminho;
  const HMODULE handle = LoadLibraryA(completo.c_str());
  return handle != nullptr ? new Biblioteca{handle} : nullptr;
}

void* obterFuncao(Biblioteca* biblioteca, const char* nome) {
  return reinterpret_cast<void*>(GetProcAddress(biblioteca->handle, nome));
}

void liberarBiblioteca(Biblioteca* biblioteca) {
  if (biblioteca == nullptr) return;
  FreeLibrary(biblioteca->handle);
  delete biblioteca;
}

std::string horaLocal(const char* formato) {
  const time_t agora = time(nullptr);
  // the log writers hold their lock here, so the shared buffer of localtime is safe
  struct tm local = *localtime(&agora);
  std::vector<char> buffer(4096);
  const size_t tamanho = strftime(buffer.data(), buffer.size(), formato, &local);
  return std::string(buffer.data(), tamanho);
}

std::string lerRegistro(const std::string& chave, const std::string& nomeValor) {
  std::vector<char> buffer(2048);
  DWORD tamanho = static_cast<DWORD>(buffer.size());
  const LSTATUS estado = RegGetValueA(HKEY_LOCAL_MACHINE, chave.c_str(), nomeValor.c_str(),
                                      RRF_RT_REG_SZ, nullptr, buffer.data(), &tamanho);
  if (estado != ERROR_SUCCESS) return "";
  return std::string(buffer.data());
}

void dormir(uint32_t milissegundos) { Sleep(milissegundos); }

namespace {

struct Partida {
  FuncaoTarefa funcao;
  void* argumento;
};

// _beginthreadex wants a stdcall routine; the portable routine runs behind this one.
unsigned __stdcall iniciarRotina(void* dados) {
  const Partida partida = *static_cast<Partida*>(dados);
  delete static_cast<Partida*>(dados);
  return partida.funcao(partida.argumento);
}

}  // namespace

Tarefa* iniciarTarefa(FuncaoTarefa funcao, void* argumento) {
  auto* partida = new Partida{funcao, argumento};
  const uintptr_t handle = _beginthreadex(nullptr, 0, iniciarRotina, partida, 0, nullptr);
  if (handle == 0) {
    delete partida;
    return nullptr;
  }
  return new Tarefa{reinterpret_cast<HANDLE>(handle)};
}

void aguardarTarefa(Tarefa* tarefa) {
  if (tarefa != nullptr) WaitForSingleObject(tarefa->handle, INFINITE);
}

void fecharTarefa(Tarefa* tarefa) {
  if (tarefa == nullptr) return;
  CloseHandle(tarefa->handle);
  delete tarefa;
}

Trava::Trava() : nativa(new Nativa) { InitializeCriticalSection(&nativa->secao); }
Trava::~Trava() {
  DeleteCriticalSection(&nativa->secao);
  delete nativa;
}
void Trava::travar() { EnterCriticalSection(&nativa->secao); }
void Trava::destravar() { LeaveCriticalSection(&nativa->secao); }

}  // namespace plataforma
