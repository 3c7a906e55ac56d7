#include "platform/Plataforma.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"

TEST(PlataformaTeste, LerRegistro) {
  struct Caso {
    const char* nome;
    std::string chave;
    std::string valor;
    bool encontrado;  // on Windows; elsewhere there is no registry
  };
  const Caso casos[] = {
      {"valor existente", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion",
       true},
      {"valor ausente", "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "zelNaoExiste", false},
      {"chave ausente", "SOFTWARE\\ZelNaoExiste", "CurrentVersion", false},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
#ifdef _WIN32
    EXPECT_EQ(caso.encontrado, !plataforma::lerRegistro(caso.chave, caso.valor).empty());
#else
    EXPECT_EQ("", plataforma::lerRegistro(caso.chave, caso.valor));
#endif
  }
}

// The library path is relative to the current directory, also with the search folder set and the
// executable elsewhere.
TEST(PlataformaTeste, BibliotecaRelativaAoDiretorioAtual) {
  PastaTemporaria pasta;
  boost::filesystem::create_directories(pasta.caminho("bin"));
  boost::filesystem::copy_file(CAMINHO_SUBSTITUTO, juntar(pasta.caminho("bin"), "ZEL-KOVA.dll"));
  const boost::filesystem::path anterior = boost::filesystem::current_path();
  boost::filesystem::current_path(pasta.caminho());
  plataforma::definirPastaBibliotecas("bin");
  plataforma::Biblioteca* presente = plataforma::carregarBiblioteca(juntar("bin", "ZEL-KOVA.dll"));
  plataforma::Biblioteca* ausente = plataforma::carregarBiblioteca(juntar("bin", "OUTRA.dll"));
  boost::filesystem::current_path(anterior);
  ASSERT_NE(nullptr, presente);
  EXPECT_NE(nullptr, plataforma::obterFuncao(presente, "executarZelKovaCompartilhado"));
  EXPECT_EQ(nullptr, plataforma::obterFuncao(presente, "outraFuncao"));
  EXPECT_EQ(nullptr, ausente);
  plataforma::liberarBiblioteca(presente);
}
