#include "series/LeitorPontosGrade.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "platform/Plataforma.h"
#include "validation/Mensagens.h"
#include "validation/VerificadorLinhas.h"

LeitorPontosGrade::LeitorPontosGrade()
    : regexDecimal("^\\-?[0-9]+\\.[0-9]{1,3}$"), regexInteiro("^\\-?[0-9]+$") {}

Resultado LeitorPontosGrade::validar() {
  Resultado resultado{"Validacao concluida com sucesso", 100};
  coordenadas.clear();
  numeroLinha = 1;
  quantidadePontos = 0;
  linha.clear();
  if (!utilitarios.arquivoExiste(caminho)) {
    return {"Arquivo de configuracao nao encontrado: " + caminho, 197};
  }
  lerLinhas(resultado);
  if (resultado.codigo != 100 && resultado.codigo != 3) return resultado;

  const int32_t linhasPontos = numeroLinha - 2;
  if (linhasPontos != quantidadePontos) {
    return {
        "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
        "Valor informado: " +
            textoInteiro(quantidadePontos) +
            "\nQuantidade de dados do arquivo: " + textoInteiro(linhasPontos),
        196};
  }
  std::sort(coordenadas.begin(), coordenadas.end());
  return resultado;
}

// Line 1 and the points; a read error leaves 3 and lets the count check run on what was read.
void LeitorPontosGrade::lerLinhas(Resultado& resultado) {
  VerificadorLinhas verificador;
  std::ifstream arquivo;
  try {
    arquivo.exceptions(std::ios::badbit);
    arquivo.open(caminho);
    // a file that exists but cannot be opened reads as an empty one
    if (!plataforma::lerLinha(arquivo, linha)) linha.clear();
    verificador.verificarLinha(resultado, linha, marcadorPrimeiraLinha, numeroLinha, false);
    if (resultado.codigo != 100) return;
    validarQuantidadePontos(resultado, linha);
    if (resultado.codigo != 100) return;

    std::string linhaAnterior = linha;
    while (true) {
      ++numeroLinha;
      // a blank line takes no number: the next line is read at once
      do {
        if (!plataforma::lerLinha(arquivo, linha)) return;
        verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
        if (resultado.codigo != 100) return;
        if (linha.empty()) linhaAnterior = linha;
      } while (linha.empty());

      std::vector<std::string> campos = camposVarredura(linha, 1);
      validarLongitude(resultado, campos[0]);
      if (resultado.codigo != 100) return;
      validarLatitude(resultado, campos[1]);
      if (resultado.codigo != 100) return;
      boost::trim(campos[0]);
      boost::trim(campos[1]);
      coordenadas.push_back(textoCoordenada(boost::lexical_cast<double>(campos[0]),
                                            boost::lexical_cast<double>(campos[1])));
      linhaAnterior = linha;
    }
  } catch (const std::exception&) {  // a hard read error, or anything else reading raised
    resultado = {"Arquivo de configuracao corrompido: " + caminho, 3};
  }
}

void LeitorPontosGrade::validarQuantidadePontos(Resultado& resultado, std::string valor) {
  boost::trim(valor);
  if (!utilitarios.ehInteiro(valor)) {
    resultado = {"Valor do campo quantidade de pontos de grade nao numerico" +
                     trechoValorLido(valor) + trechoLinha(linha) + trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  const int32_t quantidade = boost::lexical_cast<int32_t>(valor);
  if (quantidade <= 0) {  // this message has no line piece
    resultado = {"Valor do campo quantidade de pontos de grade negativo ou nulo" +
                     trechoValorLido(valor) + trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  quantidadePontos = quantidade;
}

void LeitorPontosGrade::validarLongitude(Resultado& resultado, std::string valor) {
  static const TextosCoordenada textos = {"Valor de longitude nao numerico",
                                          "Formato do campo longitude incorreto",
                                          "Valor de longitude menor que o permitido",
                                          "\nMinimo permitido: -180",
                                          "Valor de longitude maior que o permitido",
                                          "\nMaximo permitido: 180",
                                          -180.0,
                                          180.0};
  validarCoordenada(resultado, valor, textos);
}

void LeitorPontosGrade::validarLatitude(Resultado& resultado, std::string valor) {
  // the lower limit of the latitude has no colon
  static const TextosCoordenada textos = {"Valor de latitude nao numerico",
                                          "Formato do campo latitude incorreto",
                                          "Valor de latitude menor que o permitido",
                                          "\nMinimo permitido -90",
                                          "Valor de latitude maior que o permitido",
                                          "\nMaximo permitido: 90",
                                          -90.0,
                                          90.0};
  validarCoordenada(resultado, valor, textos);
}

void LeitorPontosGrade::validarCoordenada(Resultado& resultado, std::string& valor,
                                          const TextosCoordenada& textos) {
  boost::trim(valor);
  if (!utilitarios.ehReal(valor)) {  // here the number comes before the line
    resultado = {textos.naoNumerico + trechoValorLido(valor) + trechoNumeroLinha(numeroLinha) +
                     trechoLinha(linha),
                 105};
    return;
  }
  if (!boost::regex_match(valor, regexDecimal) && !boost::regex_match(valor, regexInteiro)) {
    resultado = {textos.formato + trechoValorLido(valor) + trechoLinha(linha) +
                     trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  const double coordenada = boost::lexical_cast<double>(valor);
  const char* achado = nullptr;
  const char* limite = nullptr;
  if (coordenada < textos.minimo) {
    achado = textos.menor;
    limite = textos.limiteInferior;
  } else if (coordenada > textos.maximo) {
    achado = textos.maior;
    limite = textos.limiteSuperior;
  } else {
    return;
  }
  // the line is quoted twice
  resultado = {achado + trechoValorLido(textoReal(coordenada)) + limite + trechoLinha(linha) +
                   trechoNumeroLinha(numeroLinha) + trechoLinha(linha),
               105};
}
