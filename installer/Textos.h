#pragma once
// The installer's own texts. Written here in UTF-8 for reading; everything the
// installer shows or writes is CP1252, so they pass through Latin() first.
#include <string>

namespace instala::textos {

// UTF-8 to CP1252 (a character without a CP1252 code becomes '?').
std::string Latin(const char* utf8);
// CP1252 to UTF-8, for standard error and the tests.
std::string Utf8(const std::string& cp1252);

inline constexpr const char* kTitulo = "Instalação - Cliente Vorix Modular";
inline constexpr const char* kMensagemInicial = "Mensagem ao Operador";
inline constexpr const char* kSelecione = "Selecione \"1\" para continuar a instalação ou \"2\" para cancelar";
inline constexpr const char* kClienteVorixModular = "Cliente Vorix Modular";
inline constexpr const char* kClientVorixModular = "Client Vorix Modular";
inline constexpr const char* kReboot =
    "Processo ClientVorix.exe está ativo! Um reboot\r\npode ser necessário ao final da instalação...";
inline constexpr const char* kAguarde = "Aguarde...";
inline constexpr const char* kDesinstalandoAnteriores = "Verificando/desinstalando versão(ões) anteriore(s)...";
inline constexpr const char* kInstalandoNova = "Instalando a nova versão...";
inline constexpr const char* kSucesso = "Instalação Finalizada com Sucesso!!";
inline constexpr const char* kNaoConcluida = "A Instalação não foi Concluída";
inline constexpr const char* kProcessoAtivo =
    "Processo %s está ativo. A aplicação\rpode ser finalizada antes da instalação iniciar?";
inline constexpr const char* kPerguntaBackup = "Deseja fazer um backup da pasta da aplicação (Recomendado)?";
inline constexpr const char* kDiretorioNaoEncontrado =
    "Diretório padrão da aplicação não encontrado\rPor favor selecione a localização da mesma";
inline constexpr const char* kFazendoBackup = "Fazendo backup da aplicação (%s)";
inline constexpr const char* kVersaoAntiga =
    "Uma versão anterior do Cliente Vorix foi detectada.\rSerá realizada a desinstalação desta versão do "
    "computador.\rDeseja prosseguir ?";
inline constexpr const char* kTituloVersaoAntiga = "Desinstalação Client Vorix versão antiga";
inline constexpr const char* kPacoteNaoEncontrado = "Arquivo de instalação do Client Modular não encontrado";
inline constexpr const char* kErroInstalador = "Erro ao executar o Instalador do Client Modular";
inline constexpr const char* kTituloValidacao = "Validacao instalacao";
// Our own: the documents only say that the error is shown.
inline constexpr const char* kErroPedidoFinalizacao =
    "Não foi possível gravar o pedido de finalização do Cliente Vorix (%s).\rA instalação foi interrompida.";
inline constexpr const char* kErroGravacaoConfiguracao =
    "Não foi possível gravar a configuração (%s).\rNenhum arquivo foi alterado.";
inline constexpr const char* kErroConversao =
    "Não foi possível levar as configurações salvas para os novos arquivos (%s).";
// Why a run stopped: each names the file, program or step that failed.
inline constexpr const char* kSetupNaoEncontrado = "Arquivo Setup.ini não encontrado ou ilegível (%s)";
inline constexpr const char* kProgramaNaoEncontrado = "Programa não encontrado: %s";
inline constexpr const char* kResultadoAnterior =
    "Não foi possível apagar o resultado de uma instalação anterior (%s)";
inline constexpr const char* kErroSalvar = "Não foi possível salvar as configurações atuais (%s)";
inline constexpr const char* kNaoConfirmada = "O pacote não confirmou a instalação (%s sem OK=1)";
inline constexpr const char* kDesinstaladorAntigo =
    "A desinstalação da versão antiga não pôde ser iniciada (%s)";
// Log lines of problems that do not stop the run, and of what a start put right.
inline constexpr const char* kBackupFalhou = "O backup da pasta da aplicação falhou (%s); a instalação continua";
inline constexpr const char* kBackupDentro =
    "O backup %s ficaria dentro da pasta copiada e não foi feito; a instalação continua";
inline constexpr const char* kSalvoMantido =
    "Mantidas as configurações salvas por uma instalação não concluída (%s)";
inline constexpr const char* kSalvoNaoDevolvido = "Não foi possível devolver um arquivo salvo ao seu nome (%s)";
inline constexpr const char* kCopiaNaoDevolvida =
    "Não foi possível devolver %s ao seu nome; a próxima execução tenta de novo";
inline constexpr const char* kTemporariosRemovidos = "Removidos %s arquivos temporários de uma execução interrompida";
inline constexpr const char* kGravacaoConcluida = "Concluída a gravação da configuração interrompida (%s)";
inline constexpr const char* kGravacaoDesfeita = "Desfeita a gravação da configuração interrompida (%s)";
inline constexpr const char* kGravacaoPendente =
    "A gravação interrompida da configuração não pôde ser resolvida (%s); nenhuma configuração nova é gravada";

// Formats a text with one "%s".
std::string Formata(const std::string& formato, const std::string& valor);

}  // namespace instala::textos
