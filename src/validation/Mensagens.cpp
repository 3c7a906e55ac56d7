#include "validation/Mensagens.h"

#include <charconv>
#include <locale>

#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>

std::string trechoValorLido(const std::string& valor) { return "\nValor lido: " + valor; }

std::string trechoLinha(const std::string& linha) { return "\nLinha: " + linha; }

std::string trechoNumeroLinha(int64_t numeroLinha) {
  return "\nNumero da linha: " + textoInteiro(numeroLinha);
}

std::string textoInteiro(int64_t valor) { return boost::lexical_cast<std::string>(valor); }

std::string textoReal(double valor) { return boost::lexical_cast<std::string>(valor); }

namespace {

// "%3.4f" of one coordinate: to_chars writes what printf does (the exact binary value, halves to
// even), and four decimals are always wider than 3.
void acrescentarCoordenada(std::string& texto, double valor) {
  char numero[400];  // the largest double in fixed notation with four decimals fits
  const auto fim =
      std::to_chars(numero, numero + sizeof numero, valor, std::chars_format::fixed, 4).ptr;
  texto.append(numero, fim);
}

}  // namespace

std::string textoCoordenada(double longitude, double latitude) {
  std::string texto;
  textoCoordenada(longitude, latitude, texto);
  return texto;
}

void textoCoordenada(double longitude, double latitude, std::string& texto) {
  texto.clear();
  acrescentarCoordenada(texto, longitude);
  texto += ' ';
  acrescentarCoordenada(texto, latitude);
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

std::string trechoSomaPesos(double soma) {
  return "\nEsperado: " + textoReal(0.995) + " <= soma <= " + textoReal(1.004) +
         "\nSoma calculada: " + (boost::format("%.6f", std::locale::classic()) % soma).str();
}

std::string textoDadosIncompletos(const std::string& faltando, int64_t diasAntes) {
  return "Conjunto de dados incompletos\nFaltando " + faltando + " (inicializacao - " +
         textoInteiro(diasAntes) + ")";
}

std::vector<std::string> camposVarredura(const std::string& linha, size_t palavras) {
  static const char* const brancos = " \t\n\v\f\r";
  std::vector<std::string> campos(palavras + 1);
  size_t posicao = 0;
  for (size_t i = 0; i <= palavras; ++i) {
    posicao = linha.find_first_not_of(brancos, posicao);
    if (posicao == std::string::npos) break;
    const size_t fim = i < palavras ? linha.find_first_of(brancos, posicao) : linha.size();
    campos[i] = linha.substr(posicao, fim - posicao);
    posicao = fim;
  }
  return campos;
}

std::string textoCampo(const std::string& nome, const std::string& achado, const std::string& valor,
                       const std::string& linha, int64_t numeroLinha) {
  return "Valor do campo " + nome + achado + trechoValorLido(valor) + trechoLinha(linha) +
         trechoNumeroLinha(numeroLinha);
}

void camposVarredura(std::string_view linha, size_t palavras,
                     std::vector<std::string_view>& campos) {
  static constexpr std::string_view brancos = " \t\n\v\f\r";
  const std::string_view texto = linha.substr(0, linha.find('\0'));
  campos.assign(palavras + 1, std::string_view());
  size_t posicao = 0;
  for (size_t i = 0; i <= palavras; ++i) {
    posicao = texto.find_first_not_of(brancos, posicao);
    if (posicao == std::string_view::npos) break;
    const size_t fim = i < palavras ? texto.find_first_of(brancos, posicao) : texto.size();
    campos[i] = texto.substr(posicao, fim - posicao);
    posicao = fim;
  }
}

std::string_view aparado(std::string_view texto) {
  static constexpr std::string_view brancos = " \t\n\v\f\r";
  const size_t inicio = texto.find_first_not_of(brancos);
  if (inicio == std::string_view::npos) return {};
  return texto.substr(inicio, texto.find_last_not_of(brancos) - inicio + 1);
}
