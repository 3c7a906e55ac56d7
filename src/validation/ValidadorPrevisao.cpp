#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>

#include "platform/Plataforma.h"
#include "series/LeitorPontosGrade.h"
#include "validation/ArquivosPrevisao.h"
#include "validation/Validador.h"
#include "validation/comum/LeituraDatas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/Texto.h"

// Steps for the grid points and the forecast precipitation.

namespace {

const char* const semArquivo = "nao_encontrado";

// Forecast file of day `dia` of the run; empty when that day lies off the calendar.
std::string nomeArquivoPrevisao(Utilitarios& utilitarios, const std::string& modelo,
                                const std::string& dataRodada, int64_t dia) {
  try {
    return modelo + "_p" + utilitarios.formatarDataCompacta(dataRodada, "%d/%d/%d", 0) + "a" +
           utilitarios.formatarDataCompacta(dataRodada, "%d/%d/%d", dia) + ".dat";
  } catch (const std::out_of_range&) {
    return "";
  }
}

// A regular file that opens (a folder opens too, on some systems).
bool arquivoAbre(Utilitarios& utilitarios, const std::string& caminho) {
  if (!utilitarios.arquivoExiste(caminho)) return false;
  const std::ifstream arquivo(caminho);
  return arquivo.is_open();
}

// Names of the input folder, lower-case, for the day search of the dated layout; false when the
// folder cannot be listed.
bool listarNomes(const std::string& pasta, std::vector<std::string>& nomes) {
  boost::system::error_code erro;
  boost::filesystem::directory_iterator entrada(pasta, erro);
  for (; !erro && entrada != boost::filesystem::directory_iterator(); entrada.increment(erro))
    nomes.push_back(minusculas(entrada->path().filename().string()));
  return !erro;
}

// Days 1 to diasPrevisao whose forecast file may stand in the folder: those that some name ends
// in, in any case, as "_p<run date>a<day>.dat". No other day's file can open, whatever the model
// and the file system's case rules, so the search costs what the folder holds.
std::vector<int64_t> diasNaPasta(Utilitarios& utilitarios, const std::vector<std::string>& nomes,
                                 const std::string& dataRodada, int64_t diasPrevisao) {
  std::vector<int64_t> dias;
  std::string marca;
  int64_t numeroRodada = 0;
  try {
    marca = "_p" + utilitarios.formatarDataCompacta(dataRodada, "%d/%d/%d", 0) + "a";
  } catch (const std::out_of_range&) {
    return dias;  // no file can carry a date off the calendar
  }
  if (!numeroDiaCompacto(marca.substr(2, marca.size() - 3), numeroRodada)) return dias;
  const std::string fim = ".dat";
  for (const std::string& nome : nomes) {
    if (nome.size() < fim.size() || nome.compare(nome.size() - fim.size(), fim.size(), fim) != 0)
      continue;
    const size_t posicao = nome.rfind(marca, nome.size() - fim.size());
    if (posicao == std::string::npos) continue;
    const size_t inicio = posicao + marca.size();
    if (inicio > nome.size() - fim.size()) continue;
    const std::string textoDia = nome.substr(inicio, nome.size() - fim.size() - inicio);
    int64_t numero = 0;
    if (!numeroDiaCompacto(textoDia, numero)) continue;
    const int64_t dia = numero - numeroRodada;
    if (dia < 1 || dia > diasPrevisao) continue;
    try {
      if (utilitarios.formatarDataCompacta(dataRodada, "%d/%d/%d", dia) == textoDia)
        dias.push_back(dia);
    } catch (const std::out_of_range&) {
    }
  }
  std::sort(dias.begin(), dias.end());
  dias.erase(std::unique(dias.begin(), dias.end()), dias.end());
  return dias;
}

// A model name that keeps its forecast files in the input folder itself, under a name the folder
// lists: no separator, no drive colon, no NUL that would cut the path short.
bool nomeSimples(const std::string& modelo) {
  return modelo.find_first_of(std::string("/\\:\0", 4)) == std::string::npos;
}

}  // namespace

// Counts the regular files of the folder whose lower-case name matches
// "^<modelo>_p<ddmmyy>a[0-9]{6}.dat$", once per model and run date; false, with the failure
// recorded, when the model name is no pattern or the folder cannot be listed.
bool Validador::contarArquivosPrevisao(const std::string& pasta, const std::string& modelo,
                                       const std::string& dataRodada, ContagensPrevisao& contagens,
                                       int64_t& quantidade) {
  quantidade = 0;
  std::string data;
  try {
    data = utilitarios.formatarDataCompacta(dataRodada, "%d/%d/%d", 0);
  } catch (const std::out_of_range&) {
    return true;  // no file can carry a date off the calendar
  }
  const auto contada = contagens.find({modelo, data});
  if (contada != contagens.end()) {
    quantidade = contada->second;
    return true;
  }
  const auto falharBusca = [this](const std::string& alvo, const Resultado& resultado) {
    ultimoResultado = resultado;
    relatarFalha("Verificacao falhou para " + alvo + "\n");
    return false;
  };
  try {
    // the model name is pattern text: a "." in it, like the one before "dat", matches any character
    const boost::regex padrao("^" + modelo + "_p" + data + "a[0-9]{6}.dat$");
    boost::system::error_code erro;
    boost::filesystem::directory_iterator entrada(pasta, erro);
    for (; !erro && entrada != boost::filesystem::directory_iterator(); entrada.increment(erro)) {
      boost::system::error_code erroEstado;
      const std::string nome = minusculas(entrada->path().filename().string());
      if (boost::filesystem::is_regular_file(entrada->status(erroEstado)) &&
          boost::regex_match(nome, padrao))
        ++quantidade;
    }
    if (erro) return falharBusca(pasta, {"Nao foi possivel listar a pasta " + pasta, 198});
  } catch (const std::exception&) {  // an invalid pattern, or one too complex to match
    return falharBusca(
        modelo,
        {"Nome de modelo invalido na busca dos arquivos de precipitacao prevista: " + modelo, 130});
  }
  contagens[{modelo, data}] = quantidade;
  return true;
}

DadosSubBacia Validador::dadosDe(const std::string& subBacia) const {
  const auto dados = dadosSubBacias.find(subBacia);
  return dados == dadosSubBacias.end() ? DadosSubBacia() : dados->second;
}

int32_t Validador::falharCoordenada(const std::string& nomeArquivo, const std::string& subBacia,
                                    const std::string& modelo, const std::string& coordenada) {
  // on purpose only the code changes: the message stays the one of the file's passing reading
  return falhar("Verificacao falhou para " + nomeArquivo + "\n" + "Coordenada " + coordenada +
                    " do arquivo " + subBacia + "_" + radicalModelo(modelo) + " nao existente",
                196);
}

int32_t Validador::validarArquivosPontosGrade() {
  LeitorPontosGrade leitor;
  relatorio += "Realizando validacao dos arquivos de pontos de grade por modelo\n";
  for (const std::string& subBacia : subBacias) {
    for (std::string& modelo : modelos) {
      modelo = minusculas(modelo);  // the forecast steps build their names from these
      const std::string radical = radicalModelo(modelo);
      leitor.caminho = caminhoEntrada(subBacia + "_" + radical + ".txt");
      ultimoResultado = leitor.validar();
      if (relatarFalha("Verificacao falhou para o seguinte arquivo: " + leitor.caminho + "\n"))
        return statusReprovado;
      coordenadasGrade[subBacia + "__" + radical] = std::move(leitor.coordenadas);
    }
  }
  relatorio += "Arquivos de pontos de grade por modelo OK\n";
  return statusAprovado;
}

int32_t Validador::validarPrecipitacaoPrevista() {
  return modeloNovo ? validarPrecipitacaoPrevistaModeloNovo()
                    : validarPrecipitacaoPrevistaModeloAntigo();
}

// One file per sub-basin and model: the first forecast day whose file opens.
int32_t Validador::validarPrecipitacaoPrevistaModeloNovo() {
  ArquivosPrevisao arquivos(subBacias, coordenadasGrade, modeloNovo);
  relatorio += "Realizando validacao dos arquivos de precipitacao prevista (modelo novo)\n";
  std::vector<std::string> nomesPasta;
  const bool pastaListada =
      listarNomes(diretorio + plataforma::separador + "Arq_Entrada", nomesPasta);
  for (const std::string& subBacia : subBacias) {
    const DadosSubBacia dados = dadosDe(subBacia);
    for (const std::string& modelo : modelos) {
      std::string nomeArquivo = semArquivo;
      std::string caminho;
      // true when the search ends at this day: its file opens, or it lies off the calendar
      const auto encerra = [&](int64_t dia) {
        const std::string nome = nomeArquivoPrevisao(utilitarios, modelo, dados.dataRodada, dia);
        if (nome.empty()) return true;  // later days lie off the calendar as well
        caminho = caminhoEntrada(nome);
        if (!arquivoAbre(utilitarios, caminho)) return false;
        nomeArquivo = nome;
        return true;
      };
      if (pastaListada && nomeSimples(modelo)) {
        for (const int64_t dia :
             diasNaPasta(utilitarios, nomesPasta, dados.dataRodada, dados.diasPrevisao)) {
          if (encerra(dia)) break;
        }
      } else {
        for (int64_t dia = 1; dia <= dados.diasPrevisao && !encerra(dia); ++dia) {
        }
      }
      // the last result stays as it is: the code shown is the one of the last file read
      if (nomeArquivo == semArquivo)
        return falhar("Nenhum arquivo de precipitacao foi encontrado\n");
      const ArquivosPrevisao::Presencas* presentes = nullptr;
      ultimoResultado = arquivos.validar(modelo, caminho, presentes);
      if (relatarFalha("Verificacao falhou para " + caminho + "\n" + "Sub Bacia: " + subBacia +
                       "\n" + "Dias Previsao: " + textoInteiro(dados.diasPrevisao) + "\n"))
        return statusReprovado;
      if (const std::string* ausente = arquivos.coordenadaAusente(subBacia, modelo, *presentes))
        return falharCoordenada(nomeArquivo, subBacia, modelo, *ausente);
    }
  }
  relatorio += "Arquivos de precipitacao prevista OK\n";
  return statusAprovado;
}

// The files of the run date found in the input folder set how many days are walked; a day
// missing before an existing one is a gap.
int32_t Validador::validarPrecipitacaoPrevistaModeloAntigo() {
  ArquivosPrevisao arquivos(subBacias, coordenadasGrade, modeloNovo);
  relatorio += "Realizando validacao dos arquivos de precipitacao prevista (modelo antigo)\n";
  const std::string pasta = diretorio + plataforma::separador + "Arq_Entrada";
  ContagensPrevisao contagens;
  for (const std::string& subBacia : subBacias) {
    const DadosSubBacia dados = dadosDe(subBacia);
    for (const std::string& modelo : modelos) {
      int64_t quantidade = 0;
      if (!contarArquivosPrevisao(pasta, modelo, dados.dataRodada, contagens, quantidade))
        return statusReprovado;
      bool salto = false;
      for (int64_t dia = 1; dia <= quantidade; ++dia) {
        const std::string nome = nomeArquivoPrevisao(utilitarios, modelo, dados.dataRodada, dia);
        const std::string caminho = caminhoEntrada(nome);
        // day 1 is not looked for here: the reader reports it missing
        if (nome.empty() || (dia >= 2 && !utilitarios.arquivoExiste(caminho))) {
          salto = true;
          continue;
        }
        if (salto) {
          // on purpose only the code changes: the message stays the last reader's
          return falhar("Salto nos arquivos de precipitacao identificado\nFaltando arquivo: " +
                            nomeArquivoPrevisao(utilitarios, modelo, dados.dataRodada, dia - 1) +
                            "\n",
                        197);
        }
        const ArquivosPrevisao::Presencas* presentes = nullptr;
        ultimoResultado = arquivos.validar(modelo, caminho, presentes);
        if (relatarFalha("Verificacao falhou para " + caminho + "\n")) return statusReprovado;
        if (const std::string* ausente = arquivos.coordenadaAusente(subBacia, modelo, *presentes))
          return falharCoordenada(nome, subBacia, modelo, *ausente);
      }
    }
  }
  relatorio += "Arquivos de precipitacao prevista OK\n";
  return statusAprovado;
}
