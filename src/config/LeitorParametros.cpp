#include "config/LeitorParametros.h"

#include <cmath>
#include <exception>
#include <fstream>
#include <limits>
#include <locale>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/RestricoesSinal.h"
#include "validation/comum/Texto.h"

namespace {

constexpr int32_t ultimaLinha = 20;
constexpr int32_t minimoKts = 3;

// Tokens split at runs of blanks; a tab stays inside its token.
std::vector<std::string> separarTokens(const std::string& texto) {
  std::vector<std::string> tokens;
  std::string::size_type inicio = 0;
  while ((inicio = texto.find_first_not_of(' ', inicio)) != std::string::npos) {
    const std::string::size_type fim = texto.find(' ', inicio);
    tokens.push_back(texto.substr(inicio, fim - inicio));
    inicio = fim;
  }
  return tokens;
}

}  // namespace

LeitorParametros::LeitorParametros()
    : regexDecimal("^\\-?[0-9]+\\.?[0-9]{1,3}$"), regexInteiro("^\\-?[0-9]+$") {}

Resultado LeitorParametros::validar() {
  numeroLinha = 1;
  numeroKts = 0;
  linha.clear();
  valorLido.clear();
  // limits come from this file only
  limiteInferiorEbin = limiteSuperiorEbin = limiteInferiorChuva = limiteSuperiorChuva = 0;
  Resultado resultado{"Validacao parametros OK", codigoValido};
  std::ifstream arquivo;
  // a file that exists but cannot be opened fails: its limits were never read
  const Resultado aberto = abrirArquivo(utilitarios, caminho, arquivo,
                                        {"Nao foi possivel abrir o arquivo " + caminho, 197});
  if (!aberto.valido()) return aberto;
  try {
    lerLinhas(arquivo, resultado);
  } catch (const std::exception&) {
    return {"Arquivo de configuracao corrompido: " + caminho, 197};
  }
  if (!resultado.valido()) return resultado;
  validarLimites(resultado);
  return resultado;
}

void LeitorParametros::lerLinhas(std::istream& arquivo, Resultado& resultado) {
  for (; numeroLinha <= ultimaLinha; ++numeroLinha) {
    const std::string& nome = nomesParametros[numeroLinha - 1];
    if (!lerLinha(arquivo, linha)) {
      resultado = {"Configuracao do campo " + nome + " nao foi encontrada", 196};
      return;
    }
    julgarAteNulo(linha, linhaInteira, resultado, TextoAposNulo::recusado, [&] {
      // the marker stays the previous line: the blank-line rule never fires here
      verificador.verificarLinha(resultado, linha, marcadorPrimeiraLinha, numeroLinha, false);
      if (!resultado.valido()) return;
      valorLido = valorAntesDoComentario(linha);
      boost::trim(valorLido, std::locale::classic());
      if (numeroLinha == 1) {
        validarAreaDrenagem(resultado, valorLido);
      } else if (numeroLinha == 2) {
        validarKts(resultado, valorLido);
      } else {
        validarReal(resultado, valorLido, nome, recusaNegativo);
      }
    });
    if (!resultado.valido()) return;
    if (numeroLinha >= 17) {
      const double limite = boost::lexical_cast<double>(valorLido);
      if (numeroLinha == 17) limiteSuperiorEbin = limite;
      if (numeroLinha == 18) limiteInferiorEbin = limite;
      if (numeroLinha == 19) limiteSuperiorChuva = limite;
      if (numeroLinha == 20) limiteInferiorChuva = limite;
    }
  }
}

void LeitorParametros::validarLimites(Resultado& resultado) {
  if (limiteInferiorEbin > limiteSuperiorEbin) {
    resultado = {"Valor de " + nomesParametros[16] + " maior que " + nomesParametros[17], 196};
  } else if (limiteInferiorChuva > limiteSuperiorChuva) {
    resultado = {"Valor de " + nomesParametros[18] + " maior que " + nomesParametros[19], 196};
  }
}

void LeitorParametros::validarAreaDrenagem(Resultado& resultado, std::string valor) {
  if (valor.empty()) {
    resultado = {"Configuracao de area de drenagem nao encontrada: linha em vazia" +
                     trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  if (!boost::regex_match(valor, regexInteiro) && !boost::regex_match(valor, regexDecimal)) {
    // the expected form comes between the value and the line number
    resultado = {"Valor de area de drenagem nao numerico ou fora do formato" +
                     trechoValorLido(valor) +
                     "\nFormato esperado: número inteiro ou decimal com até 3 casas" +
                     trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  double area = 0;
  // digits beyond the range of a double count as an infinite area of their sign
  if (!boost::conversion::try_lexical_convert(valor, area)) {
    area = (valor[0] == '-' ? -1 : 1) * std::numeric_limits<double>::infinity();
  }
  // the area findings quote no line
  if (area < 0) {
    resultado = {"Valor de area de drenagem negativo" + trechoValorLido(valor) +
                     trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  if (area > 999999.9) {
    resultado = {"Valor maximo de area de drenagem excedido (999999.9)" + trechoValorLido(valor) +
                     trechoNumeroLinha(numeroLinha),
                 105};
  }
}

void LeitorParametros::validarKts(Resultado& resultado, std::string valor) {
  if (valor.empty()) {
    resultado = {"Configuracao de kts não encontrado: linha vazia" + trechoNumeroLinha(numeroLinha),
                 196};
    return;
  }
  const std::vector<std::string> tokens = separarTokens(valor);
  const std::string& contagem = tokens[0];
  if (!utilitarios.ehInteiro(contagem)) {
    resultado = {
        "Numero de kts nao numerico" + trechoValorLinhaNumero(contagem, linha, numeroLinha), 105};
    return;
  }
  numeroKts = boost::lexical_cast<int32_t>(contagem);
  if (numeroKts < minimoKts) {  // this message has no line number
    resultado = {"Numero de kts deve ser maior que " + textoInteiro(minimoKts) +
                     trechoValorLido(contagem) + trechoLinha(linha),
                 105};
    return;
  }
  double soma = 0.0;
  for (size_t i = 1; i < tokens.size(); ++i) {
    validarPesoKt(resultado, tokens[i], static_cast<int32_t>(i), soma);
    if (!resultado.valido()) return;
  }
  // the tested bounds both pass; the message prints other, rounder ones
  if (soma < 0.99499 || soma > 1.00401) {
    resultado = {"Tolerancia na soma de kts excedida" + trechoSomaPesos(soma), 196};
    return;
  }
  const int64_t pesosLidos = static_cast<int64_t>(tokens.size()) - 1;
  if (pesosLidos != numeroKts) {  // this message has no line number
    resultado = {
        "Quantidade de kts lidos menor que o informado\nLido: " + textoInteiro(pesosLidos) +
            "\nInformado: " + textoInteiro(numeroKts) + trechoLinha(linha),
        196};
  }
}

void LeitorParametros::validarPesoKt(Resultado& resultado, const std::string& token, int32_t indice,
                                     double& soma) {
  double peso = 0;
  // nan and inf would slip through the range and the sum
  if (!utilitarios.ehReal(token) || !std::isfinite(peso = boost::lexical_cast<double>(token))) {
    resultado = {"Valor de kt nao numerico" + trechoValorLinhaNumero(token, linha, numeroLinha),
                 105};
    return;
  }
  if (indice > numeroKts) {
    resultado = {"Quantidade maior de kts do que o informado\nValor informado: " +
                     textoInteiro(numeroKts) + "\nValores lidos: " + textoInteiro(indice) +
                     " ou mais" + trechoLinhaNumero(linha, numeroLinha),
                 196};
    return;
  }
  if (peso < 0 || peso > 1) {  // "Valor lido" without its colon
    resultado = {
        "Valor de  kts invalido. Ele deve ser maior que zero e menor que 1.0\nValor lido " + token +
            trechoLinhaNumero(linha, numeroLinha),
        196};
    return;
  }
  soma += peso;
}

void LeitorParametros::validarReal(Resultado& resultado, std::string valor, std::string nome,
                                   int restricoes) {
  if (valor.empty()) {
    resultado = {"Configuracao do campo " + nome + ": linha vazia" + trechoNumeroLinha(numeroLinha),
                 196};
    return;
  }
  // nan and inf are not numbers a parameter can hold
  double numero = 0;
  if (!utilitarios.ehReal(valor) || !std::isfinite(numero = boost::lexical_cast<double>(valor))) {
    resultado = {textoCampo(nome, " nao numerico", valor, linha, numeroLinha), 105};
  } else if ((restricoes & recusaNegativo) != 0 && numero < 0) {
    resultado = {textoCampo(nome, " negativo", valor, linha, numeroLinha), 105};
  } else if ((restricoes & recusaNulo) != 0 && numero == 0) {
    resultado = {textoCampo(nome, " nulo", valor, linha, numeroLinha), 105};
  }
}
