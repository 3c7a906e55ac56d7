#include "apoio/PastaCaso.h"

#include <cstdlib>

#include <boost/filesystem.hpp>

PastaCaso::PastaCaso() {
  for (const char* nome : {"bin", "logs", "Arq_Entrada", "Arq_Saida"})
    boost::filesystem::create_directories(pasta.caminho(nome));
  boost::filesystem::copy_file(CAMINHO_SUBSTITUTO, juntar(pasta.caminho("bin"), "ZEL-KOVA.dll"));
  pasta.escrever(juntar("bin", "libgcc_s_dw2-1.dll"), "");
  pasta.escrever(juntar("bin", "libstdc++-6.dll"), "");
}

std::string PastaCaso::entrada(const std::string& nome, const std::string& conteudo) const {
  return pasta.escrever(juntar("Arq_Entrada", nome), conteudo);
}

void PastaCaso::roteiroModelo(const std::string& roteiro) const {
  pasta.escrever("modelo_substituto.txt", roteiro);
}

void PastaCaso::usarBibliotecaSemExportacao() const {
  boost::filesystem::copy_file(CAMINHO_SEM_EXPORTACAO, juntar(pasta.caminho("bin"), "ZEL-KOVA.dll"),
                               boost::filesystem::copy_options::overwrite_existing);
}

void PastaCaso::copiarExemplo() const {
  const boost::filesystem::path origem = boost::filesystem::path(CAMINHO_EXEMPLO) / "Arq_Entrada";
  for (const auto& entrada : boost::filesystem::directory_iterator(origem)) {
    boost::filesystem::copy_file(
        entrada.path(), juntar(pasta.caminho("Arq_Entrada"), entrada.path().filename().string()),
        boost::filesystem::copy_options::overwrite_existing);
  }
}

void PastaCaso::bibliotecaVazia() const { pasta.escrever(juntar("bin", "ZEL-KOVA.dll"), ""); }

std::string PastaCaso::log() const {
  return lerArquivo(juntar(pasta.caminho("logs"), "desktop_zel.log"));
}

#ifdef _WIN32
Saida PastaCaso::executar() const {
  // cmd.exe runs the line, and its exit code, which system returns, is the program's
  const std::string saida = raiz() + ".console";
  const std::string comando =
      "cd /d \"" + raiz() + "\" && \"" CAMINHO_PROGRAMA "\" <NUL >\"" + saida + "\" 2>&1";
  const int codigo = std::system(comando.c_str());
  Saida resultado{lerArquivo(saida), codigo};
  boost::filesystem::remove(saida);
  return resultado;
}
#else
Saida PastaCaso::executar() const {
  const std::string saida = raiz() + ".console";
  const std::string codigo = raiz() + ".codigo";
  const std::string comando = "cd '" + raiz() + "' && '" CAMINHO_PROGRAMA "' </dev/null >'" +
                              saida + "' 2>&1; echo $? >'" + codigo + "'";
  std::system(comando.c_str());
  Saida resultado{lerArquivo(saida), std::atoi(lerArquivo(codigo).c_str())};
  boost::filesystem::remove(saida);
  boost::filesystem::remove(codigo);
  return resultado;
}
#endif

std::vector<std::string> Saida::linhas() const { return linhasTexto(console); }
