#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "validation/ConfiguracaoModo.h"
#include "validation/DadosSubBacia.h"
#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Statuses of the driver and of each of its steps.
inline constexpr int32_t statusAprovado = 200;
inline constexpr int32_t statusNaoAjustado = 201;  // ajustarParametros not called yet
inline constexpr int32_t statusParametrosInvalidos = 202;
inline constexpr int32_t statusReprovado = 203;

// Validation driver: runs one step per file family in a fixed order and stops at the first
// failure, writing a report.
class Validador {
 public:
  Validador();

  void ajustarParametros(std::string diretorio, int32_t modo);
  int32_t validar();
  int32_t obterCodigoResultado();
  std::string obterMensagemResultado();
  int32_t validarEstruturaDiretorios();

  std::string relatorio;
  int32_t codigo = statusNaoAjustado;
  bool modeloNovo = false;
  std::string diretorio;
  std::vector<std::string> subBacias;
  std::vector<std::string> modelos;
  std::map<std::string, DadosSubBacia> dadosSubBacias;
  std::map<std::string, std::vector<std::string>> coordenadasGrade;
  int32_t modo = modoDesktop;
  Resultado ultimoResultado;
  Utilitarios utilitarios;

  // The steps, in the order validar runs them; each returns statusAprovado or statusReprovado.
  int32_t validarArquivoConfiguracao();
  int32_t validarArquivoCaso();
  int32_t validarArquivosInicializacao();
  int32_t validarArquivosParametros();
  int32_t validarArquivoModelosPrecipitacao();
  int32_t validarArquivosPontosGrade();
  // forecast precipitation, in the layout zel.conf chose: one of the two below
  int32_t validarPrecipitacaoPrevista();
  int32_t validarPrecipitacaoPrevistaModeloNovo();
  int32_t validarPrecipitacaoPrevistaModeloAntigo();
  int32_t validarArquivosEvapotranspiracao();
  int32_t validarArquivosConfiguracaoPostos();
  int32_t validarArquivosPostosPluviometricos();
  int32_t validarArquivosVazaoVerificada();

 private:
  // Model and run date (ddmmyy) to the count of their forecast files.
  using ContagensPrevisao = std::map<std::pair<std::string, std::string>, int64_t>;

  // diretorio, separator, "Arq_Entrada", separator, file name.
  std::string caminhoEntrada(const std::string& nomeArquivo) const;
  // The one way a step records its failure: texto goes into the report; returns statusReprovado.
  int32_t falhar(const std::string& texto);
  // The same, and the last result takes codigoResultado while its message stays.
  int32_t falhar(const std::string& texto, int32_t codigoResultado);
  // After a reader run: a failing result is recorded as falha, then the reader's message.
  bool relatarFalha(const std::string& falha);

  DadosSubBacia dadosDe(const std::string& subBacia) const;
  bool contarArquivosPrevisao(const std::string& pasta, const std::string& modelo,
                              const std::string& dataRodada, ContagensPrevisao& contagens,
                              int64_t& quantidade);
  int32_t falharCoordenada(const std::string& nomeArquivo, const std::string& subBacia,
                           const std::string& modelo, const std::string& coordenada);
};
