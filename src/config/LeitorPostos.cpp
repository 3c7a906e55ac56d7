#include "config/LeitorPostos.h"

#include <algorithm>
#include <fstream>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/QuantidadeLista.h"
#include "validation/comum/Texto.h"
#include "validation/comum/TextoNumerico.h"

namespace {

// A read error: the end checks still run on what was read, and may replace it.
constexpr int32_t codigoLeituraInterrompida = 3;

// Identifier and weight: before and after the first blank; with no blank, the whole short line,
// or fixed columns (1 to 8, one separator, 10 to the end), where an identifier that goes on past
// column 8 is taken whole.
void cortarLinhaPosto(const std::string& linha, std::string& identificador, std::string& ke) {
  const std::string::size_type branco = linha.find(' ');
  if (branco != std::string::npos) {
    identificador = linha.substr(0, branco);
    ke = linha.substr(branco + 1);
  } else if (linha.size() < 8) {
    identificador = linha;
    ke.clear();
  } else {
    const size_t colunas = identificadorOitoColunas(linha).size();
    identificador = boost::trim_copy(linha.substr(0, colunas));
    // a line that ends at the separator has no weight column
    ke = linha.size() > colunas + 1 ? linha.substr(colunas + 1) : std::string();
  }
}

}  // namespace

LeitorPostos::LeitorPostos() : regexKe("^[0-9]\\.[0-9]{1,3}$") {}

Resultado LeitorPostos::validar() {
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  numeroLinha = 1;
  quantidadePostos = 0;
  somaKe = 0.0;
  identificadores.clear();
  linha.clear();
  std::ifstream arquivo;
  // a file that exists but cannot be opened is reported as a missing one
  const Resultado aberto = abrirArquivo(
      utilitarios, caminho, arquivo, {"Arquivo de configuracao nao encontrado: " + caminho, 197});
  if (!aberto.valido()) return aberto;
  lerLinhas(arquivo, resultado);
  if (!resultado.valido() && resultado.codigo != codigoLeituraInterrompida) return resultado;
  validarFinal(resultado);
  return resultado;
}

// Line 1 and the gauge lines.
void LeitorPostos::lerLinhas(std::istream& arquivo, Resultado& resultado) {
  std::string identificador;
  std::string ke;
  const auto validarPosto = [&](const std::string&) {
    cortarLinhaPosto(linha, identificador, ke);
    validarIdentificador(resultado, identificador);
    if (!resultado.valido()) return;
    identificadores.push_back(identificador);
    validarKe(resultado, ke);
  };
  try {
    // line 1 follows no line: a blank one fails as a count that is not a number
    lerLinhasDeLista(
        arquivo, resultado, linha, semLinhaAnterior, numeroLinha,
        [&] { validarQuantidadePostos(resultado, linha); }, validarPosto);
  } catch (const std::ios_base::failure&) {
    resultado = {"Arquivo de configuracao corrompido: " + caminho, codigoLeituraInterrompida};
  }
}

void LeitorPostos::validarFinal(Resultado& resultado) {
  const int32_t linhasDados = numeroLinha - 2;
  if (linhasDados != quantidadePostos) {
    resultado = {
        "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
        "Valor informado: " +
            textoInteiro(quantidadePostos) +
            "\nQuantidade de dados do arquivo: " + textoInteiro(linhasDados),
        196};
    return;
  }
  // both bounds pass, a sum that is not a number does not; the message shows rounder bounds
  // than the ones tested
  if (!(somaKe >= 0.99499 && somaKe <= 1.00401)) {
    resultado = {"Tolerancia na soma de kes excedida" + trechoSomaPesos(somaKe), 196};
    return;
  }
  std::sort(identificadores.begin(), identificadores.end());
  const auto repetido = std::adjacent_find(identificadores.begin(), identificadores.end());
  if (repetido != identificadores.end()) {
    resultado = {"Valores repetidos para identificador " + *repetido, 196};
  }
}

void LeitorPostos::validarQuantidadePostos(Resultado& resultado, const std::string& valor) {
  quantidadePostos = validarQuantidadeLista(resultado, valor, "postos", false, linha, numeroLinha);
}

void LeitorPostos::validarIdentificador(Resultado& resultado, std::string identificador) {
  if (identificador.size() < 1 || identificador.size() > 8) {
    resultado = {"Identificador do posto com tamanho menor que um ou maior que oito." +
                     trechoValorLinhaNumero(identificador, linha, numeroLinha),
                 103};
    return;
  }
  if (!ehAlfanumerico(identificador)) {
    resultado = {"Identificador deve conter somente caracteres alfa num\xC3\xA9ricos." +
                     trechoValorLinhaNumero(identificador, linha, numeroLinha),
                 102};
  }
}

void LeitorPostos::validarKe(Resultado& resultado, std::string ke) {
  boost::trim(ke);
  if (!utilitarios.ehReal(ke)) {
    resultado = {"Valor do campo ke nao numerico" + trechoValorLinhaNumero(ke, linha, numeroLinha),
                 105};
    return;
  }
  const double valor = boost::lexical_cast<double>(ke);
  // nan passes (no comparison with it holds) and fails the form below, so it is never summed
  if (valor < 0.0 || valor > 1.0) {
    resultado = {"Valor de ke incorreto. Intervalo permitido: 0 <= ke <= 1" +
                     trechoValorLinhaNumero(ke, linha, numeroLinha),
                 105};
    return;
  }
  if (!boost::regex_match(ke, regexKe)) {
    resultado = {std::string("Valor do campo ke com formato incorreto\n") +
                     "Formato esperado: parte inteira de tamanho um e duas casas decimais" +
                     trechoValorLinhaNumero(ke, linha, numeroLinha),
                 105};
    return;
  }
  somaKe += valor;
}
