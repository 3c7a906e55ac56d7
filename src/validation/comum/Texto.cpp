#include "validation/comum/Texto.h"

#include "platform/Plataforma.h"

namespace {

// A blank of the classic locale: space, tab, line feed, vertical tab, form feed, carriage return;
// one look-up per byte, for the long files.
struct TabelaBrancos {
  bool branco[256] = {};
  constexpr TabelaBrancos() {
    for (const unsigned char caractere : {' ', '\t', '\n', '\v', '\f', '\r'})
      branco[caractere] = true;
  }
};
constexpr TabelaBrancos tabelaBrancos;

bool ehBranco(char caractere) {
  return tabelaBrancos.branco[static_cast<unsigned char>(caractere)];
}

}  // namespace

bool lerLinha(std::istream& entrada, std::string& linha) {
  if (!std::getline(entrada, linha)) return false;
  if (plataforma::textoTraduzidoPeloSistema) return true;
  const std::string::size_type fim = linha.find(fimDeTexto);
  if (fim != std::string::npos) {
    linha.resize(fim);
    entrada.setstate(fim == 0 ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
    return fim > 0;
  }
  // no line feed was found when the end of the file was reached
  if (!entrada.eof() && !linha.empty() && linha.back() == '\r') linha.pop_back();
  return true;
}

bool textoTerminado(std::istream& entrada) {
  const int proximo = entrada.peek();
  return proximo == std::char_traits<char>::eof() ||
         (!plataforma::textoTraduzidoPeloSistema && proximo == fimDeTexto);
}

std::string_view textoAteNulo(std::string_view linha) { return linha.substr(0, linha.find('\0')); }

bool nuloEscondeTexto(std::string_view linha) {
  const size_t nulo = linha.find('\0');
  if (nulo == std::string_view::npos) return false;
  for (size_t i = nulo + 1; i < linha.size(); ++i) {
    if (!ehBranco(linha[i])) return true;
  }
  return false;
}

std::string valorAntesDoComentario(const std::string& linha) {
  const size_t apostrofo = linha.find('\'');
  // a NUL byte behind the apostrophe: the line is judged whole, and the NUL stays in the value
  if (apostrofo != std::string::npos && linha.find('\0', apostrofo) != std::string::npos)
    return linha;
  return linha.substr(0, apostrofo);
}

std::string minusculas(std::string texto) {
  for (char& caractere : texto) {
    if (caractere >= 'A' && caractere <= 'Z') caractere = static_cast<char>(caractere - 'A' + 'a');
  }
  return texto;
}

std::vector<std::string> camposVarredura(const std::string& linha, size_t palavras) {
  std::vector<std::string_view> vistas;
  camposVarredura(linha, palavras, vistas);
  return std::vector<std::string>(vistas.begin(), vistas.end());
}

void camposVarredura(std::string_view linha, size_t palavras,
                     std::vector<std::string_view>& campos) {
  campos.resize(palavras + 1);
  const char* posicao = linha.data();
  const char* const fim = posicao + linha.size();
  for (size_t i = 0; i <= palavras; ++i) {
    while (posicao < fim && ehBranco(*posicao)) ++posicao;
    const char* const inicio = posicao;
    if (i < palavras) {
      while (posicao < fim && !ehBranco(*posicao)) ++posicao;
    } else {
      posicao = fim;
    }
    campos[i] = std::string_view(inicio, static_cast<size_t>(posicao - inicio));
  }
}

std::string_view aparado(std::string_view texto) {
  size_t inicio = 0;
  size_t fim = texto.size();
  while (inicio < fim && ehBranco(texto[inicio])) ++inicio;
  while (fim > inicio && ehBranco(texto[fim - 1])) --fim;
  return texto.substr(inicio, fim - inicio);
}

std::string_view identificadorOitoColunas(std::string_view linha) {
  constexpr size_t colunas = 8;
  size_t fim = 0;
  while (fim < linha.size() && ehLetraOuDigito(linha[fim])) ++fim;
  return linha.substr(0, fim > colunas ? fim : colunas);
}
