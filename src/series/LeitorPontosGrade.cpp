#include "series/LeitorPontosGrade.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include "validation/comum/ChaveCoordenada.h"
#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/QuantidadeLista.h"
#include "validation/comum/Texto.h"

namespace {

// A read error: the count check still runs on what was read, and may replace it.
constexpr int32_t codigoLeituraInterrompida = 3;

}  // namespace

// the number comes before the line when it is not numeric; the line is quoted twice on a bound
const VerificadorCoordenada LeitorPontosGrade::longitude = {
    {"Valor de longitude nao numerico", "", TrechosCoordenada::numeroELinha},
    {"Formato do campo longitude incorreto", "", TrechosCoordenada::linhaENumero},
    {"Valor de longitude menor que o permitido", "\nMinimo permitido: -180",
     TrechosCoordenada::linhaNumeroELinha},
    {"Valor de longitude maior que o permitido", "\nMaximo permitido: 180",
     TrechosCoordenada::linhaNumeroELinha},
    -180,
    180};

// the lower bound of the latitude has no colon
const VerificadorCoordenada LeitorPontosGrade::latitude = {
    {"Valor de latitude nao numerico", "", TrechosCoordenada::numeroELinha},
    {"Formato do campo latitude incorreto", "", TrechosCoordenada::linhaENumero},
    {"Valor de latitude menor que o permitido", "\nMinimo permitido -90",
     TrechosCoordenada::linhaNumeroELinha},
    {"Valor de latitude maior que o permitido", "\nMaximo permitido: 90",
     TrechosCoordenada::linhaNumeroELinha},
    -90,
    90};

Resultado LeitorPontosGrade::validar() {
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  coordenadas.clear();
  numeroLinha = 1;
  quantidadePontos = 0;
  linha.clear();
  std::ifstream arquivo;
  // a file that exists but cannot be opened reads as an empty one
  const Resultado aberto = abrirArquivo(utilitarios, caminho, arquivo,
                                        {"Arquivo de configuracao nao encontrado: " + caminho, 197},
                                        ArquivoQueNaoAbre::vazio);
  if (!aberto.valido()) return aberto;
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
    const uint32_t codigoLongitude =
        longitude.verificar(resultado, aparado(campos[0]), linha, numeroLinha);
    if (!resultado.valido()) return;
    const uint32_t codigoLatitude =
        latitude.verificar(resultado, aparado(campos[1]), linha, numeroLinha);
    if (!resultado.valido()) return;
    coordenadas.push_back(chaveDoCodigo(juntarCoordenadas(codigoLongitude, codigoLatitude)));
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
