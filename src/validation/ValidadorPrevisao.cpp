#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>

#include "platform/Plataforma.h"
#include "series/LeitorPontosGrade.h"
#include "series/LeitorPrecipitacaoPrevista.h"
#include "validation/Mensagens.h"
#include "validation/Validador.h"

// Steps for the grid points and the forecast precipitation.

namespace {

const char* const semArquivo = "nao_encontrado";

// The part of a lower-case model name that names its grid file: the first "_" piece, or the
// first two when the first is precmedia or preczerada.
std::string radicalModelo(const std::string& modelo) {
  const size_t primeiro = modelo.find('_');
  if (primeiro == std::string::npos) return modelo;
  const std::string inicio = modelo.substr(0, primeiro);
  if (inicio != "precmedia" && inicio != "preczerada") return inicio;
  const size_t segundo = modelo.find('_', primeiro + 1);
  return modelo.substr(0, segundo);
}

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

// Every grid coordinate of the sub-basin and model must be a key of the forecast file just read.
bool coordenadasPresentes(Validador& validador, const std::map<std::string, bool>& previstas,
                          const std::string& subBacia, const std::string& radical,
                          const std::string& nomeArquivo) {
  const auto grade = validador.coordenadasGrade.find(subBacia + "__" + radical);
  if (grade == validador.coordenadasGrade.end()) return true;
  for (const std::string& coordenada : grade->second) {
    if (previstas.count(coordenada) == 0) {
      validador.relatorio += "Verificacao falhou para " + nomeArquivo + "\n" + "Coordenada " +
                             coordenada + " do arquivo " + subBacia + "_" + radical +
                             " nao existente";
      validador.ultimoResultado.codigo = 196;
      return false;
    }
  }
  return true;
}

// Counts the regular files of the folder whose lower-case name matches
// "^<modelo>_p<ddmmyy>a[0-9]{6}.dat$"; false, with the failure reported, when the model name is
// no pattern or the folder cannot be listed.
bool contarArquivosPrevisao(Validador& validador, const std::string& pasta,
                            const std::string& modelo, const std::string& dataRodada,
                            int64_t& quantidade) {
  quantidade = 0;
  std::string data;
  try {
    data = validador.utilitarios.formatarDataCompacta(dataRodada, "%d/%d/%d", 0);
  } catch (const std::out_of_range&) {
    return true;  // no file can carry a date off the calendar
  }
  const auto falhar = [&validador](const std::string& alvo, const std::string& mensagem,
                                   int32_t codigo) {
    validador.ultimoResultado = {mensagem, codigo};
    validador.relatorio += "Verificacao falhou para " + alvo + "\n" + mensagem;
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
    if (erro) return falhar(pasta, "Nao foi possivel listar a pasta " + pasta, 198);
  } catch (const std::exception&) {  // an invalid pattern, or one too complex to match
    return falhar(
        modelo, "Nome de modelo invalido na busca dos arquivos de precipitacao prevista: " + modelo,
        130);
  }
  return true;
}

DadosSubBacia dadosDe(const Validador& validador, const std::string& subBacia) {
  const auto dados = validador.dadosSubBacias.find(subBacia);
  return dados == validador.dadosSubBacias.end() ? DadosSubBacia() : dados->second;
}

}  // namespace

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
        return 203;
      coordenadasGrade[subBacia + "__" + radical] = leitor.coordenadas;
    }
  }
  relatorio += "Arquivos de pontos de grade por modelo OK\n";
  return 200;
}

// One file per sub-basin and model: the first forecast day whose file opens.
int32_t Validador::validarPrecipitacaoPrevistaModeloNovo() {
  LeitorPrecipitacaoPrevista leitor;
  relatorio += "Realizando validacao dos arquivos de precipitacao prevista (modelo novo)\n";
  for (const std::string& subBacia : subBacias) {
    const DadosSubBacia dados = dadosDe(*this, subBacia);
    for (const std::string& modelo : modelos) {
      const std::string radical = radicalModelo(modelo);
      std::string nomeArquivo = semArquivo;
      std::string caminho;
      for (int64_t dia = 1; dia <= dados.diasPrevisao; ++dia) {
        const std::string nome = nomeArquivoPrevisao(utilitarios, modelo, dados.dataRodada, dia);
        if (nome.empty()) break;  // later days lie off the calendar as well
        caminho = caminhoEntrada(nome);
        if (arquivoAbre(utilitarios, caminho)) {
          nomeArquivo = nome;
          break;
        }
      }
      if (nomeArquivo == semArquivo) {
        relatorio += "Nenhum arquivo de precipitacao foi encontrado\n";
        return 203;
      }
      leitor.caminho = caminho;
      leitor.modeloNovo = modeloNovo;
      ultimoResultado = leitor.validar();
      if (relatarFalha("Verificacao falhou para " + caminho + "\n" + "Sub Bacia: " + subBacia +
                       "\n" + "Dias Previsao: " + textoInteiro(dados.diasPrevisao) + "\n"))
        return 203;
      if (!coordenadasPresentes(*this, leitor.mapaCoordenadas, subBacia, radical, nomeArquivo))
        return 203;
    }
  }
  relatorio += "Arquivos de precipitacao prevista OK\n";
  return 200;
}

// The files of the run date found in the input folder set how many days are walked; a day
// missing before an existing one is a gap.
int32_t Validador::validarPrecipitacaoPrevistaModeloAntigo() {
  LeitorPrecipitacaoPrevista leitor;
  relatorio += "Realizando validacao dos arquivos de precipitacao prevista (modelo antigo)\n";
  const std::string pasta = diretorio + plataforma::separador + "Arq_Entrada";
  for (const std::string& subBacia : subBacias) {
    const DadosSubBacia dados = dadosDe(*this, subBacia);
    for (const std::string& modelo : modelos) {
      const std::string radical = radicalModelo(modelo);
      int64_t quantidade = 0;
      if (!contarArquivosPrevisao(*this, pasta, modelo, dados.dataRodada, quantidade)) return 203;
      bool salto = false;
      for (int64_t dia = 1; dia <= quantidade; ++dia) {
        const std::string nome = nomeArquivoPrevisao(utilitarios, modelo, dados.dataRodada, dia);
        const std::string caminho = caminhoEntrada(nome);
        leitor.caminho = caminho;
        // day 1 is not looked for here: the reader reports it missing
        if (nome.empty() || (dia >= 2 && !utilitarios.arquivoExiste(caminho))) {
          salto = true;
          continue;
        }
        if (salto) {
          relatorio += "Salto nos arquivos de precipitacao identificado\nFaltando arquivo: " +
                       nomeArquivoPrevisao(utilitarios, modelo, dados.dataRodada, dia - 1) + "\n";
          ultimoResultado.codigo = 197;
          return 203;
        }
        leitor.modeloNovo = modeloNovo;
        ultimoResultado = leitor.validar();
        if (relatarFalha("Verificacao falhou para " + caminho + "\n")) return 203;
        if (!coordenadasPresentes(*this, leitor.mapaCoordenadas, subBacia, radical, nome))
          return 203;
      }
    }
  }
  relatorio += "Arquivos de precipitacao prevista OK\n";
  return 200;
}
