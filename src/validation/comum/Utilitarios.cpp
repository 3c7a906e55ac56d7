#include "validation/comum/Utilitarios.h"

#include <cctype>
#include <ctime>
#include <fstream>
#include <locale>
#include <sstream>
#include <stdexcept>

#include <boost/filesystem.hpp>
#include <boost/lexical_cast.hpp>
#include <boost/random/normal_distribution.hpp>
#include <boost/random/uniform_int_distribution.hpp>
#include <boost/random/uniform_real_distribution.hpp>

#include "platform/Plataforma.h"
#include "validation/comum/LeituraDatas.h"
#include "validation/comum/Texto.h"
#include "validation/comum/TextoNumerico.h"

namespace {

// Reads the integers of a scan format made of %d directives and literal characters.
bool lerInteiros(const std::string& texto, const std::string& formato,
                 std::vector<int64_t>& numeros) {
  size_t posicao = 0;
  for (size_t i = 0; i < formato.size(); ++i) {
    if (formato[i] == '%' && i + 1 < formato.size() && formato[i + 1] == 'd') {
      ++i;
      while (posicao < texto.size() && std::isspace(static_cast<unsigned char>(texto[posicao])))
        ++posicao;
      const size_t inicio = posicao;
      if (posicao < texto.size() && (texto[posicao] == '+' || texto[posicao] == '-')) ++posicao;
      const size_t inicioDigitos = posicao;
      while (posicao < texto.size() && std::isdigit(static_cast<unsigned char>(texto[posicao])))
        ++posicao;
      if (posicao == inicioDigitos) return false;
      int64_t numero = 0;
      if (!boost::conversion::try_lexical_convert(texto.substr(inicio, posicao - inicio), numero))
        return false;
      numeros.push_back(numero);
    } else {
      if (posicao >= texto.size() || texto[posicao] != formato[i]) return false;
      ++posicao;
    }
  }
  return true;
}

// The day number of the date plus a day count; off the calendar raises std::out_of_range.
int64_t somarAoCalendario(int64_t ano, int64_t mes, int64_t dia, int64_t dias) {
  if (!existeNoCalendario(ano, mes, dia)) throw std::out_of_range("Data fora do calendario");
  const int64_t numero = numeroDoDia(ano, mes, dia);
  // compared before adding: a huge count cannot overflow
  if (dias > ultimoDiaCalendario - numero || dias < primeiroDiaCalendario - numero)
    throw std::out_of_range("Data fora do calendario");
  return numero + dias;
}

// Day, month and year read with a scan format; a text that does not give three integers is off
// the calendar too.
std::vector<int64_t> lerDiaMesAno(const std::string& data, const std::string& formato) {
  std::vector<int64_t> numeros;
  if (!lerInteiros(data, formato, numeros) || numeros.size() != 3)
    throw std::out_of_range("Data invalida: " + data);
  return numeros;
}

}  // namespace

Utilitarios::Utilitarios() : gerador(static_cast<uint32_t>(std::time(nullptr))) {}

Utilitarios::Utilitarios(uint32_t sementeGerador)
    : gerador(sementeGerador != 0 ? sementeGerador : static_cast<uint32_t>(std::time(nullptr))) {}

std::string Utilitarios::obterCabecalho() {
  return std::string("QRV-Tavrelon\n") + "Modelo Computacional KOVA\n" + "Versao: " + "4.0.0" +
         " Data: " + "20/11/2021";
}

std::string Utilitarios::obterDiretorioAtual() { return plataforma::diretorioAtual(); }

bool Utilitarios::arquivoExiste(const std::string& caminho) {
  boost::system::error_code erro;
  const boost::filesystem::file_status estado = boost::filesystem::status(caminho, erro);
  return !erro && boost::filesystem::is_regular_file(estado);
}

bool Utilitarios::diretorioExiste(const std::string& caminho) {
  boost::system::error_code erro;
  const boost::filesystem::file_status estado = boost::filesystem::status(caminho, erro);
  return !erro && boost::filesystem::is_directory(estado);
}

bool Utilitarios::ehInteiro(const std::string& texto) { return converteInteiro(texto); }

bool Utilitarios::ehReal(const std::string& texto) { return converteReal(texto); }

std::string Utilitarios::lerRegistro(const std::string& chaveRegistro,
                                     const std::string& nomeValor) {
  return plataforma::lerRegistro(chaveRegistro, nomeValor);
}

std::string Utilitarios::formatarDataCompacta(const std::string& data, const std::string& formato,
                                              int64_t dias) {
  std::vector<int64_t> numeros = lerDiaMesAno(data, formato);
  if (numeros[2] <= 99) numeros[2] += 2000;
  return textoCompacto(somarAoCalendario(numeros[2], numeros[1], numeros[0], dias));
}

std::string Utilitarios::somarDias(const std::string& data, int64_t dias) {
  const std::vector<int64_t> numeros = lerDiaMesAno(data, "%d/%d/%d");
  return textoDiaMesAno(somarAoCalendario(numeros[2], numeros[1], numeros[0], dias));
}

std::string Utilitarios::obterMensagemCodigo(int codigo, std::string prefixo) {
  switch (codigo) {
    case 500:
    case 0:
      return "Sucesso";
    case 300:
      return "Abortado pelo usuario";
    case 14000:
      return "Erro na criacao dos graficos";
    case 101:
      return "DLL nao encontrada";
    case 102:
      return "Nao foi possivel criar processo a partir da DLL";
    case 7:
      return "Arquivo zel.conf nao encontrado";
    case 8:
      return "Arquivo zel-kova.conf nao encontrado";
  }
  static const std::pair<int, const char*> tipos[] = {
      {13000, "arquivo de chuva verificada (precipitacao nos postos)"},
      {12000, "arquivo de planilha"},
      {11000, "arquivo de evapotranspiracao"},
      {10000, "arquivo de inicializacao"},
      {9000, "arquivo de precipitacao"},
      {8000, "arquivo de parametros"},
      {7000, "arquivo de postos pluviais"},
      {6000, "arquivo de modelo de precipitacao prevista"},
      {5000, "arquivo de pontos de grade do modelo de precipitacao media"},
      {4000, "arquivo de pontos de grade de precipitaçao zerada"},
      {3000, "arquivo de precipitacao prevista"},
      {2000, "arquivo de sub bacias"},
      {1000, "arquivo de vazao verificada"},
  };
  std::string texto = prefixo + " => ";
  int resto = codigo;
  // strict comparisons: an exact multiple of 1000 is named by the kind one step below
  for (const auto& tipo : tipos) {
    if (resto > tipo.first) {
      texto += tipo.second;
      resto -= tipo.first;
    }
  }
  switch (resto) {
    case 2:
      return texto + ": nao encontrado";
    case 3:
      return texto + ": corrompido";
    case 4:
      return texto + ": campo ausente";
    case 5:
      return texto + ": valor de kt excedido";
    case 6:
      return texto + ": número de meses excedido";
    case 9:
      return texto + (codigo == 6009 ? ": informacao duplicada" : ": desconhecido");
    case 10:
      return texto + ": pontos de grade nao encontrados nos arquivos de precipitacao prevista";
    case 11:
      return texto + ": arquivos de precipitacao prevista fora de sequencia";
    case 12:
      return "amostras insuficientes: numero de kts e dias de previsao superiores aos dados "
             "fornecidos no arquivo de postos";
    case 13:
      return texto + ": numero de kts inferior a " + std::to_string(3);
    case 99:
      return texto + ": erro desconhecido";
  }
  return texto;
}

int Utilitarios::lerArquivoValores(std::vector<double>& valores, const std::string& caminho) {
  std::ifstream arquivo(caminho);
  if (!arquivo.is_open()) return 2;
  std::vector<double> lidos;
  std::string linha;
  try {
    arquivo.exceptions(std::ios::badbit);
    while (lerLinha(arquivo, linha)) {
      std::istringstream leitura(linha);
      leitura.imbue(std::locale::classic());
      double valor = 0.0;
      leitura >> valor;
      lidos.push_back(leitura.fail() ? 0.0 : valor);
    }
  } catch (const std::ios_base::failure&) {
    return 3;
  }
  valores = lidos;
  return 0;
}

int Utilitarios::sortearInteiro(int minimo, int maximo) {
  return boost::random::uniform_int_distribution<int>(minimo, maximo)(gerador);
}

double Utilitarios::sortearNormal() {
  return boost::random::normal_distribution<double>(0.0, 1.0)(gerador);
}

double Utilitarios::sortearUniforme() { return sortearUniforme(0.0, 1.0); }

double Utilitarios::sortearUniforme(double a, double b) {
  return boost::random::uniform_real_distribution<double>(a, b)(gerador);
}
