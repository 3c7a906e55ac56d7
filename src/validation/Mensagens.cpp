#include "validation/Mensagens.h"

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

std::string textoCoordenada(double longitude, double latitude) {
  const std::locale classico = std::locale::classic();
  return (boost::format("%3.4f", classico) % longitude).str() + " " +
         (boost::format("%3.4f", classico) % latitude).str();
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
