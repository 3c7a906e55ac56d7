#include "apoio/Arquivos.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "platform/Plataforma.h"

namespace {

std::set<std::string>& vivas() {
  static std::set<std::string> pastas;
  return pastas;
}

}  // namespace

const std::set<std::string>& pastasTemporarias() { return vivas(); }

PastaTemporaria::PastaTemporaria() {
  static std::atomic<int> contador{0};
  const boost::filesystem::path base = boost::filesystem::path(testing::TempDir()) /
                                       boost::filesystem::unique_path("zel-%%%%-%%%%-%%%%");
  raiz = base.string() + "-" + std::to_string(contador++);
  boost::filesystem::create_directories(raiz);
  vivas().insert(raiz);
}

PastaTemporaria::~PastaTemporaria() {
  vivas().erase(raiz);
  boost::system::error_code erro;
#ifdef _WIN32
  // Windows removes no read-only file: the write permission comes back first
  for (boost::filesystem::recursive_directory_iterator entrada(raiz, erro), fim;
       !erro && entrada != fim; entrada.increment(erro))
    boost::filesystem::permissions(
        entrada->path(), boost::filesystem::add_perms | boost::filesystem::owner_write, erro);
  erro.clear();
#endif
  boost::filesystem::remove_all(raiz, erro);
}

std::string PastaTemporaria::caminho(const std::string& nome) const {
  return nome.empty() ? raiz : juntar(raiz, nome);
}

std::string PastaTemporaria::escrever(const std::string& nome, const std::string& conteudo) const {
  const std::string destino = caminho(nome);
  boost::filesystem::create_directories(boost::filesystem::path(destino).parent_path());
  std::ofstream arquivo(destino, std::ios::binary);
  arquivo << conteudo;
  return destino;
}

std::string lerArquivo(const std::string& caminho) {
  std::ifstream arquivo(caminho, std::ios::binary);
  std::stringstream conteudo;
  conteudo << arquivo.rdbuf();
  return conteudo.str();
}

std::vector<std::string> linhasTexto(const std::string& conteudo) {
  const std::string fimLinha = fimLinhaTexto;
  std::vector<std::string> linhas;
  std::string::size_type inicio = 0;
  while (inicio < conteudo.size()) {
    const std::string::size_type fim = std::min(conteudo.find(fimLinha, inicio), conteudo.size());
    linhas.push_back(conteudo.substr(inicio, fim - inicio));
    inicio = fim + fimLinha.size();
  }
  return linhas;
}

std::string juntar(const std::string& pasta, const std::string& nome) {
  return pasta + plataforma::separador + nome;
}
