#include "validation/comum/Texto.h"

#include "platform/Plataforma.h"

namespace {

constexpr std::string_view brancos = " \t\n\v\f\r";

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
  campos.assign(palavras + 1, std::string_view());
  size_t posicao = 0;
  for (size_t i = 0; i <= palavras; ++i) {
    posicao = linha.find_first_not_of(brancos, posicao);
    if (posicao == std::string_view::npos) break;
    const size_t fim = i < palavras ? linha.find_first_of(brancos, posicao) : linha.size();
    campos[i] = linha.substr(posicao, fim - posicao);
    posicao = fim;
  }
}

std::string_view aparado(std::string_view texto) {
  const size_t inicio = texto.find_first_not_of(brancos);
  if (inicio == std::string_view::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(brancos) - inicio + 1);
}
