#include "validation/Validador.h"

#include "platform/Plataforma.h"
#include "validation/ConfiguracaoModo.h"
#include "validation/LeitorCaso.h"
#include "validation/comum/Mensagens.h"

Validador::Validador() = default;

std::string Validador::caminhoEntrada(const std::string& nomeArquivo) const {
  return diretorio + plataforma::separador + "Arq_Entrada" + plataforma::separador + nomeArquivo;
}

int32_t Validador::falhar(const std::string& texto) {
  relatorio += texto;
  return statusReprovado;
}

int32_t Validador::falhar(const std::string& texto, int32_t codigoResultado) {
  ultimoResultado.codigo = codigoResultado;
  return falhar(texto);
}

bool Validador::relatarFalha(const std::string& falha) {
  if (ultimoResultado.valido()) return false;
  falhar(falha + ultimoResultado.mensagem);
  return true;
}

void Validador::ajustarParametros(std::string novoDiretorio, int32_t novoModo) {
  if (novoModo == modoDesktop || novoModo == modoServico) {
    diretorio = novoDiretorio;
    codigo = statusAprovado;
    modo = novoModo;
    return;
  }
  relatorio = "Modo de execucao da aplicacao desconhecido. Lido: " + textoInteiro(novoModo);
  codigo = statusParametrosInvalidos;
}

int32_t Validador::validar() {
  if (codigo != statusAprovado) {
    relatorio = "Parametros do validador nao foram ajustados corretamente\nValidacao abortada";
    return statusParametrosInvalidos;
  }
  using Passo = int32_t (Validador::*)();
  const Passo passos[] = {
      &Validador::validarArquivoConfiguracao,
      &Validador::validarArquivoCaso,
      &Validador::validarArquivosInicializacao,
      &Validador::validarArquivosParametros,
      &Validador::validarArquivoModelosPrecipitacao,
      &Validador::validarArquivosPontosGrade,
      &Validador::validarPrecipitacaoPrevista,
      &Validador::validarArquivosEvapotranspiracao,
      &Validador::validarArquivosConfiguracaoPostos,
      &Validador::validarArquivosPostosPluviometricos,
      &Validador::validarArquivosVazaoVerificada,
  };
  for (const Passo passo : passos) {
    codigo = (this->*passo)();
    if (codigo != statusAprovado) return statusReprovado;
  }
  return statusAprovado;
}

int32_t Validador::obterCodigoResultado() { return ultimoResultado.codigo; }

std::string Validador::obterMensagemResultado() { return ultimoResultado.mensagem; }

int32_t Validador::validarEstruturaDiretorios() {
  relatorio += "Realizando validacao da estrutura de diretorios\n";
  ConfiguracaoModo configuracao;
  configuracao.diretorio = diretorio;
  ultimoResultado =
      modo == modoServico ? configuracao.validarModoServico() : configuracao.validarModoDesktop();
  if (relatarFalha("")) {
    codigo = statusReprovado;
    return statusReprovado;
  }
  relatorio += "Estrutura de diretorios OK\n";
  codigo = statusAprovado;
  return statusAprovado;
}

int32_t Validador::validarArquivoCaso() {
  LeitorCaso leitor;
  leitor.caminho = caminhoEntrada("caso.txt");
  ultimoResultado = leitor.validar();
  relatorio += std::string("Realizando validacao do arquivo ") + "caso.txt" + "\n";
  if (relatarFalha("")) return statusReprovado;
  subBacias = leitor.subBacias;
  for (const std::string& nome : subBacias) dadosSubBacias[nome] = DadosSubBacia();
  relatorio += std::string("Arquivo ") + "caso.txt" + " OK\n";
  return statusAprovado;
}
