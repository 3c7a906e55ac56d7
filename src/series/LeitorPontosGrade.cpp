#include "series/LeitorPontosGrade.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include "validation/comum/ChaveCoordenada.h"
#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/QuantidadeLista.h"
#include "validation/comum/Texto.h"
#include "validation/comum/TextoNumerico.h"

namespace {

// A read error: the count check still runs on what was read, and may replace it.
constexpr int32_t codigoLeituraInterrompida = 3;

}  // namespace

const LeitorPontosGrade::TextosCoordenada LeitorPontosGrade::textosLongitude = {
    "Valor de longitude nao numerico",
    "Formato do campo longitude incorreto",
    "Valor de longitude menor que o permitido",
    "\nMinimo permitido: -180",
    "Valor de longitude maior que o permitido",
    "\nMaximo permitido: 180",
    -180.0,
    180.0};

// the lower limit of the latitude has no colon
const LeitorPontosGrade::TextosCoordenada LeitorPontosGrade::textosLatitude = {
    "Valor de latitude nao numerico",
    "Formato do campo latitude incorreto",
    "Valor de latitude menor que o permitido",
    "\nMinimo permitido -90",
    "Valor de latitude maior que o permitido",
    "\nMaximo permitido: 90",
    -90.0,
    90.0};

LeitorPontosGrade::LeitorPontosGrade() = default;

Resultado LeitorPontosGrade::validar() {
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  coordenadas.clear();
  numeroLinha = 1;
  quantidadePontos = 0;
  linha.clear();
  std::ifstream arquivo;
  // a file that exists but cannot be opened reads as an empty one
  if (!abrirArquivo(utilitarios, caminho, arquivo, ArquivoQueNaoAbre::vazio)) {
    return {"Arquivo de configuracao nao encontrado: " + caminho, 197};
  }
  lerLinhas(arquivo, resultado);
  if (!resultado.valido() && resultado.codigo != codigoLeituraInterrompida) return resultado;

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

// Line 1 and the points.
void LeitorPontosGrade::lerLinhas(std::istream& arquivo, Resultado& resultado) {
  const auto validarPonto = [&](const std::string&) {
    camposVarredura(linha, 1, campos);
    const uint32_t longitude = verificarCoordenada(resultado, campos[0], textosLongitude);
    if (!resultado.valido()) return;
    const uint32_t latitude = verificarCoordenada(resultado, campos[1], textosLatitude);
    if (!resultado.valido()) return;
    coordenadas.push_back(chaveDoCodigo(juntarCoordenadas(longitude, latitude)));
  };
  try {
    lerLinhasDeLista(
        arquivo, resultado, linha, marcadorPrimeiraLinha, numeroLinha,
        [&] { validarQuantidadePontos(resultado, linha); }, validarPonto);
  } catch (const std::exception&) {  // a hard read error, or anything else reading raised
    resultado = {"Arquivo de configuracao corrompido: " + caminho, codigoLeituraInterrompida};
  }
}

void LeitorPontosGrade::validarQuantidadePontos(Resultado& resultado, const std::string& valor) {
  // a plus sign is taken here
  quantidadePontos =
      validarQuantidadeLista(resultado, valor, "pontos de grade", true, linha, numeroLinha);
}

uint32_t LeitorPontosGrade::verificarCoordenada(Resultado& resultado, std::string_view campo,
                                                const TextosCoordenada& textos) {
  const std::string_view valor = aparado(campo);
  // the common form within its bounds passes at once; any other text takes the whole check
  int64_t decimos = 0;
  uint32_t codigo = 0;
  if (lerCoordenada(valor, decimos, codigo) && decimos >= textos.minimo * 10000 &&
      decimos <= textos.maximo * 10000)
    return codigo;
  if (!converteReal(valor)) {  // here the number comes before the line
    resultado = {textos.naoNumerico + trechoValorLido(std::string(valor)) +
                     trechoNumeroLinha(numeroLinha) + trechoLinha(linha),
                 105};
    return 0;
  }
  if (!ehDecimalAteTresCasas(valor) && !ehInteiroSimples(valor)) {
    resultado = {textos.formato + trechoValorLinhaNumero(std::string(valor), linha, numeroLinha),
                 105};
    return 0;
  }
  const double coordenada = lerReal(valor);
  const char* achado = nullptr;
  const char* limite = nullptr;
  if (coordenada < textos.minimo) {
    achado = textos.menor;
    limite = textos.limiteInferior;
  } else if (coordenada > textos.maximo) {
    achado = textos.maior;
    limite = textos.limiteSuperior;
  } else {
    return codigo;  // every text the full check passes took the common form above
  }
  // the line is quoted twice
  resultado = {achado + trechoValorLido(textoReal(coordenada)) + limite +
                   trechoLinhaNumero(linha, numeroLinha) + trechoLinha(linha),
               105};
  return 0;
}
