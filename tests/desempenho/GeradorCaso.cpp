// Writes a large valid case folder for the benchmark (scripts/medir_desempenho.sh). Every
// sub-basin shares the run date, so the forecast file of a model and day is one file holding the
// grid points of every sub-basin. The same parameters always give the same bytes.
//   gerador_caso PASTA [--sub-bacias N] [--modelos N] [--pontos N] [--dias N] [--postos N]
//                      [--anos N] [--formato novo|antigo]
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>

#include "validation/comum/LeituraDatas.h"

namespace {

struct Parametros {
  std::string pasta;
  int64_t subBacias = 30;
  int64_t modelos = 5;
  int64_t pontos = 2000;  // per sub-basin and model
  int64_t dias = 15;      // forecast days
  int64_t postos = 4;     // rain gauges per sub-basin
  int64_t anos = 10;      // of daily observed rain and flow
  bool formatoNovo = true;
};

// Grid: 0.01 degree steps from -75.000 east and from -35.000 north, 4000 columns per row; the
// keys "%3.4f %3.4f" of distinct points stay distinct.
constexpr int64_t colunasGrade = 4000;
constexpr int64_t linhasGrade = 4000;

std::string comZeros(int64_t valor, size_t largura) {
  std::string texto = std::to_string(valor);
  return std::string(texto.size() < largura ? largura - texto.size() : 0, '0') + texto;
}

// Thousandths written with three decimals: -74990 is "-74.990".
std::string milesimos(int64_t valor) {
  const int64_t absoluto = valor < 0 ? -valor : valor;
  return (valor < 0 ? "-" : "") + std::to_string(absoluto / 1000) + "." +
         comZeros(absoluto % 1000, 3);
}

// Tenths written with one decimal.
std::string decimos(int64_t valor) {
  return std::to_string(valor / 10) + "." + std::to_string(valor % 10);
}

// "ddmmyy" of a file name, from "dd/mm/yyyy".
std::string ddmmaa(int64_t numeroDia) {
  const std::string texto = textoDiaMesAno(numeroDia);
  return texto.substr(0, 2) + texto.substr(3, 2) + texto.substr(8, 2);
}

constexpr int64_t dataRodada = numeroDoDia(2021, 3, 1);

std::string nomeSubBacia(int64_t s) { return "BACIA_" + comZeros(s + 1, 3); }

// No "_" in the name: the grid and forecast files take the whole name, in lower case.
std::string nomeModelo(int64_t m) { return "MOD" + comZeros(m + 1, 2); }
std::string arquivoModelo(int64_t m) { return "mod" + comZeros(m + 1, 2); }

std::string nomePosto(int64_t p) { return "P" + comZeros(p + 1, 5); }

class Escritor {
 public:
  explicit Escritor(const std::filesystem::path& caminho) : arquivo(caminho, std::ios::binary) {
    if (!arquivo) {
      std::cerr << "Nao foi possivel criar " << caminho.string() << "\n";
      std::exit(1);
    }
  }
  ~Escritor() {
    arquivo.flush();
    if (!arquivo) {
      std::cerr << "Falha de escrita\n";
      std::exit(1);
    }
  }
  std::ofstream arquivo;
};

void escrever(const std::filesystem::path& caminho, const std::string& texto) {
  Escritor(caminho).arquivo << texto;
}

// Longitude and latitude of grid point `indice` of every sub-basin's run of points.
std::string coordenada(int64_t indice) {
  return milesimos(-75000 + indice % colunasGrade * 10) + " " +
         milesimos(-35000 + indice / colunasGrade * 10);
}

void escreverConfiguracao(const Parametros& p, const std::filesystem::path& entrada) {
  escrever(entrada / "zel.conf",
           "amplitude = 0.5 'amplitude\nalvo = -2 'alvo\niteracoes = 10000 'iteracoes\n"
           "particulas = 6 'particulas\npulso = 0.1 'pulso\nconstA = 0.1 'constA\n"
           "constB = 10 'constB\nobjetivo = mape 'objetivo\npesos = off 'pesos\n"
           "graficos = off 'graficos\nsemente = 9952 'semente\narqPrev = " +
               std::string(p.formatoNovo ? "1" : "0") + " 'arquivos_de_previsao_datados\n");

  std::string caso = std::to_string(p.subBacias) + "\n";
  for (int64_t s = 0; s < p.subBacias; ++s) caso += nomeSubBacia(s) + "\n";
  escrever(entrada / "caso.txt", caso);

  std::string modelos = std::to_string(p.modelos) + " ' quantidade de modelos\n";
  for (int64_t m = 0; m < p.modelos; ++m) modelos += nomeModelo(m) + "\n";
  escrever(entrada / "modelos_precipitacao.txt", modelos);
}

void escreverSubBacia(const Parametros& p, const std::filesystem::path& entrada, int64_t s) {
  const std::string nome = nomeSubBacia(s);
  escrever(entrada / (nome + "_INICIALIZACAO.txt"),
           textoDiaMesAno(dataRodada) + " ' data da rodada\n10 ' dias de inicializacao\n" +
               std::to_string(p.dias) +
               " ' dias de previsao\n12.5 ' ebin\n30.0 ' supin\n45.0 ' tuin\n");
  escrever(entrada / (nome + "_PARAMETROS.txt"),
           std::to_string(1000 + 10 * s) +
               ".5 ' area de drenagem (km2)\n3 0.2 0.3 0.5 ' numero de kts e pesos\n"
               "0.25 ' Str\n0.5 ' K2t\n1.2 ' crec\n2.0 ' Ai\n150.0 ' Capc\n0.8 ' kkt\n"
               "0.4 ' k2t2\n60.0 ' H1\n30.0 ' H\n0.05 ' K3t\n0.6 ' k1t\n1.0 ' ecof\n"
               "1.0 ' pcof\n0.9 ' ecof2\n200.0 ' limite superior ebin\n"
               "5.0 ' limite inferior ebin\n300.0 ' limite superior chuva\n"
               "0.0 ' limite inferior chuva\n");
  std::string evapotranspiracao;
  for (int64_t mes = 1; mes <= 12; ++mes) {
    evapotranspiracao += std::to_string(mes) + " " + decimos(27 + (mes * 7 + s) % 20) + "\n";
  }
  escrever(entrada / (nome + "_EVAPOTRANSPIRACAO.txt"), evapotranspiracao);

  // weights in thousandths summing to 1.000: the last gauge takes the remainder
  std::string postos = std::to_string(p.postos) + "\n";
  const int64_t peso = 1000 / p.postos;
  for (int64_t g = 0; g < p.postos; ++g) {
    const int64_t milesimo = g + 1 < p.postos ? peso : 1000 - peso * (p.postos - 1);
    postos += nomePosto(s * p.postos + g) + " " + milesimos(milesimo) + "\n";
  }
  escrever(entrada / (nome + "_POSTOS_PLU.txt"), postos);

  for (int64_t m = 0; m < p.modelos; ++m) {
    Escritor grade(entrada / (nome + "_" + arquivoModelo(m) + ".txt"));
    grade.arquivo << p.pontos << "\n";
    for (int64_t i = 0; i < p.pontos; ++i) grade.arquivo << coordenada(s * p.pontos + i) << "\n";
  }
}

// Daily series from anos * 365 days before the run date: rain up to the run date, flow to the
// day before it.
void escreverSeries(const Parametros& p, const std::filesystem::path& entrada, int64_t s) {
  const int64_t rodada = dataRodada;
  const int64_t inicio = rodada - p.anos * 365;
  for (int64_t g = 0; g < p.postos; ++g) {
    const int64_t posto = s * p.postos + g;
    const std::string nome = nomePosto(posto);
    Escritor chuva(entrada / (nome + "_c.txt"));
    for (int64_t dia = inicio; dia <= rodada; ++dia) {
      chuva.arquivo << nome << " " << textoDiaMesAno(dia) << " 0700 "
                    << decimos((dia * 37 + posto * 11) % 251) << "\n";
    }
  }
  Escritor vazao(entrada / (nomeSubBacia(s) + ".txt"));
  for (int64_t dia = inicio; dia < rodada; ++dia) {
    vazao.arquivo << s + 1 << "|ANA|DI|MED|" << textoAnoMesDia(dia) << " 07:00:00|"
                  << std::to_string(50 + (dia * 13 + s * 7) % 400) << ".50\n";
  }
}

// One file per model and day: "<modelo>_p<ddmmaa da rodada>a<ddmmaa do dia>.dat".
void escreverPrevisoes(const Parametros& p, const std::filesystem::path& entrada) {
  const int64_t rodada = dataRodada;
  const int64_t pontos = p.subBacias * p.pontos;
  for (int64_t m = 0; m < p.modelos; ++m) {
    for (int64_t d = 1; d <= p.dias; ++d) {
      Escritor previsao(entrada / (arquivoModelo(m) + "_p" + ddmmaa(dataRodada) + "a" +
                                   ddmmaa(rodada + d) + ".dat"));
      for (int64_t i = 0; i < pontos; ++i) {
        previsao.arquivo << coordenada(i) << " " << decimos((i * 29 + d * 17 + m * 5) % 600)
                         << "\n";
      }
    }
  }
}

bool lerInteiro(const std::string& texto, int64_t& valor) {
  if (texto.empty() || texto.size() > 9 ||
      texto.find_first_not_of("0123456789") != std::string::npos)
    return false;
  valor = std::stoll(texto);
  return valor > 0;
}

bool lerParametros(int argc, char** argv, Parametros& p) {
  if (argc < 2 || argv[1][0] == '-') return false;
  p.pasta = argv[1];
  const std::map<std::string, int64_t*> inteiros = {
      {"--sub-bacias", &p.subBacias}, {"--modelos", &p.modelos},
      {"--pontos", &p.pontos},        {"--dias", &p.dias},
      {"--postos", &p.postos},        {"--anos", &p.anos}};
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string opcao = argv[i];
    const std::string valor = argv[i + 1];
    const auto inteiro = inteiros.find(opcao);
    if (inteiro != inteiros.end()) {
      if (!lerInteiro(valor, *inteiro->second)) return false;
    } else if (opcao == "--formato" && (valor == "novo" || valor == "antigo")) {
      p.formatoNovo = valor == "novo";
    } else {
      return false;
    }
  }
  return argc % 2 == 0;
}

}  // namespace

int main(int argc, char** argv) {
  Parametros p;
  if (!lerParametros(argc, argv, p)) {
    std::cerr << "Uso: gerador_caso PASTA [--sub-bacias N] [--modelos N] [--pontos N] [--dias N]\n"
                 "                    [--postos N] [--anos N] [--formato novo|antigo]\n"
                 "(inteiros positivos)\n";
    return 2;
  }
  // limits of the names and of the grid
  if (p.subBacias > 999 || p.modelos > 99 || p.subBacias * p.postos > 99999 ||
      p.subBacias * p.pontos > colunasGrade * linhasGrade || p.dias > 3650 || p.anos > 100) {
    std::cerr << "Caso grande demais: ate 999 sub-bacias, 99 modelos, 99999 postos, "
              << colunasGrade * linhasGrade << " pontos por modelo, 3650 dias, 100 anos\n";
    return 2;
  }
  const std::filesystem::path pasta(p.pasta);
  const std::filesystem::path entrada = pasta / "Arq_Entrada";
  std::error_code erro;
  for (const char* nome : {"bin", "logs", "Arq_Entrada", "Arq_Saida"}) {
    std::filesystem::create_directories(pasta / nome, erro);
    if (erro) {
      std::cerr << "Nao foi possivel criar " << (pasta / nome).string() << "\n";
      return 1;
    }
  }
  // the stand-in model returns at once
  escrever(pasta / "modelo_substituto.txt", "retorno 0\n");
  escreverConfiguracao(p, entrada);
  for (int64_t s = 0; s < p.subBacias; ++s) {
    escreverSubBacia(p, entrada, s);
    escreverSeries(p, entrada, s);
  }
  escreverPrevisoes(p, entrada);
  std::cout << "Caso gerado em " << p.pasta << ": " << p.subBacias << " sub-bacias, " << p.modelos
            << " modelos, " << p.pontos << " pontos de grade, " << p.dias << " dias de previsao, "
            << p.postos << " postos por sub-bacia, " << p.anos << " anos, formato "
            << (p.formatoNovo ? "novo" : "antigo") << "\n";
  return 0;
}
