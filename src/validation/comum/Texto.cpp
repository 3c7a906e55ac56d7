#include "validation/comum/Texto.h"

#include "platform/Plataforma.h"

namespace {

// A blank of the classic locale: space, tab, line feed, vertical tab, form feed, carriage return.
bool ehBranco(char caractere) {
  return caractere == ' ' || (caractere >= '\t' && caractere <= '\r');
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

std::string valorAntesDoComentario(const std::string& linha) {
  return linha.substr(0, linha.find('\''));
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
  for (std::string_view& campo : campos) campo = std::string_view();
  const size_t tamanho = linha.size();
  size_t posicao = 0;
  for (size_t i = 0; i <= palavras; ++i) {
    while (posicao < tamanho && ehBranco(linha[posicao])) ++posicao;
    if (posicao == tamanho) break;
    size_t fim = tamanho;
    if (i < palavras) {
      fim = posicao;
      while (fim < tamanho && !ehBranco(linha[fim])) ++fim;
    }
    campos[i] = linha.substr(posicao, fim - posicao);
    posicao = fim;
  }
}

std::string_view aparado(std::string_view texto) {
  size_t inicio = 0;
  size_t fim = texto.size();
  while (inicio < fim && ehBranco(texto[inicio])) ++inicio;
  while (fim > inicio && ehBranco(texto[fim - 1])) --fim;
  return texto.substr(inicio, fim - inicio);
}
