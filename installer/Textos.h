#pragma once
// The installer's own texts. Written here in UTF-8 for reading; everything the
// installer shows or writes is CP1252, so they pass through Latin() first.
#include <initializer_list>
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
inline constexpr const char* kGravacaoRecusada =
    "O registro de gravação %s nomeia um arquivo que não é da configuração desta pasta e foi recusado: nada foi "
    "gravado, o registro foi posto de lado (%s)";
inline constexpr const char* kGravacaoDanificada =
    "O registro de gravação %s está danificado: a gravação interrompida não pôde ser desfeita por inteiro (%s). "
    "O registro foi mantido; confira os arquivos e apague-o para que o Instala volte a trabalhar nesta pasta";
inline constexpr const char* kArquivoVersaoRestaurada = "%s: versão antiga, restaurada agora";
inline constexpr const char* kArquivoVersaoAntiga = "%s: versão antiga";
inline constexpr const char* kArquivoVersaoNova = "%s: versão nova";
inline constexpr const char* kArquivoVersaoOutra = "%s: nem a antiga nem a nova";
inline constexpr const char* kArquivoVersaoDesconhecida = "%s: versão desconhecida (o registro não a guarda inteira)";
inline constexpr const char* kRegistroPendenteDanificado =
    "O registro %s estava danificado: todas as configurações salvas são mantidas e levadas para os novos arquivos";
inline constexpr const char* kPendentes =
    "Configurações salvas por uma instalação não concluída aguardam ser levadas para os novos arquivos: %s";
inline constexpr const char* kDestinoUtf16 =
    "%s tem valores fora do código de página 1252: %s foi gravado em UTF-16LE para guardá-los como estão";
inline constexpr const char* kDevolvido = "Devolvido ao seu nome: %s -> %s";
inline constexpr const char* kCopiaIgualRemovida = "Removida a cópia %s, igual ao arquivo que ficou";
inline constexpr const char* kItemDesconhecido = "Item desconhecido na configuração, ignorado: %s";
inline constexpr const char* kItemRepetido = "Item repetido na configuração, vale o primeiro: %s";
inline constexpr const char* kConfiguracaoGravada = "Configuração gravada: %s";
inline constexpr const char* kConfiguracaoNosSalvos =
    "A configuração também foi gravada nas configurações salvas que aguardam (%s), para que continue valendo";
// The lock of the client folder: one run at a time.
inline constexpr const char* kOutraInstalacao =
    "Outra instalação está em andamento na pasta %s%s; esta execução não alterou nada";
inline constexpr const char* kTravaAssumida = "Assumida a trava %s de uma execução que não existe mais%s";
inline constexpr const char* kTravaRecusada = "Não foi possível travar a pasta do cliente (%s: %s); nada foi feito";
inline constexpr const char* kProcesso = " (processo %s)";
inline constexpr const char* kSemMemoria = "Memória insuficiente durante %s";
inline constexpr const char* kBackupParcial =
    "Um backup interrompido ficou incompleto em %s; não é usado e pode ser apagado";
inline constexpr const char* kBackupNaoRenomeado = "O backup ficou em %s: não pôde receber o nome %s";
inline constexpr const char* kBackupSemAtalhos =
    "O backup não copiou estes atalhos, para não sair da pasta da aplicação: %s";
inline constexpr const char* kPastaVazia =
    "A pasta do cliente (primeiro argumento) está vazia ou em branco: nos modos 1 e 2 ela deve nomear a pasta do Cliente "
    "Vorix; nada foi feito";
// The package step, the machine's and not one folder's.
inline constexpr const char* kAguardaPacoteAnterior =
    "O pacote iniciado por uma execução anterior%s pode ainda estar em andamento: aguardando até %s minutos que termine "
    "antes de mexer nas configurações salvas";
inline constexpr const char* kPacoteAnteriorTerminou = "O pacote iniciado por uma execução anterior%s terminou";
inline constexpr const char* kPacoteAnteriorRodando =
    "O pacote iniciado por uma execução anterior%s pode ainda estar em andamento após %s minutos; nada foi restaurado "
    "nem alterado. Execute o Instala de novo quando ele terminar";
inline constexpr const char* kAguardaOutraPasta =
    "Outra execução do Instala%s está instalando o pacote (o Windows Installer é um só na máquina): aguardando até %s minutos";
inline constexpr const char* kOutraPastaRodando =
    "Outra execução do Instala%s ainda instalava o pacote após %s minutos; nada foi instalado";
inline constexpr const char* kAguardaInstalador =
    "O Windows Installer está ocupado com outra instalação: aguardando até %s minutos";
inline constexpr const char* kInstaladorOcupado =
    "O Windows Installer continuou ocupado com outra instalação por %s minutos; nada foi instalado";
inline constexpr const char* kInstalador1618 =
    "O Windows Installer recusou o pacote: outra instalação estava em andamento (1618; %s)";
inline constexpr const char* kTravaPacoteRecusada = "Não foi possível travar o passo do pacote desta máquina (%s: %s)";
inline constexpr const char* kRegistroPacoteFalhou = "Não foi possível anotar o pacote a iniciar (%s)";
inline constexpr const char* kSemFimPacote =
    "a espera pelo pacote falhou e ele pode ainda estar em andamento: %s; as configurações salvas ficam para a "
    "execução que o vir terminar (%s)";
inline constexpr const char* kRegistroPacoteNaoRemovido = "Não foi possível apagar o registro do pacote que terminou (%s)";
// The steps a stop names.
inline constexpr const char* kPassoTrava = "a trava da pasta do cliente";
inline constexpr const char* kPassoInicio = "o início (o que uma execução interrompida deixou)";
inline constexpr const char* kPassoConfiguracao = "a gravação da configuração";
inline constexpr const char* kPassoRequisitos = "a verificação dos requisitos";
inline constexpr const char* kPassoCliente = "a finalização do Cliente Vorix em execução";
inline constexpr const char* kPassoBackup = "o backup da pasta da aplicação";
inline constexpr const char* kPassoVersaoAntiga = "a desinstalação da versão antiga";
inline constexpr const char* kPassoReserva = "a espera pelo Windows Installer da máquina";
inline constexpr const char* kPassoSalvar = "o salvamento das configurações atuais";
inline constexpr const char* kPassoAnteriores = "a desinstalação das versões anteriores";
inline constexpr const char* kPassoInstalacao = "a instalação da nova versão";
inline constexpr const char* kPassoConversao = "a conversão das configurações salvas";
// The last line of every run.
inline constexpr const char* kResumoInstalado = "instalado em %s%s";
inline constexpr const char* kResumoConfigurados = "; configurados: %s";
inline constexpr const char* kResumoConfigurado = "configurados em %s: %s; nada foi instalado";
inline constexpr const char* kResumoNadaConfigurado = "nenhum item de configuração; nada foi alterado";
inline constexpr const char* kResumoCancelado = "cancelado pelo operador; nada foi instalado";
inline constexpr const char* kResumoParou = "não concluído: parou durante %s (%s)";
inline constexpr const char* kResumoInvalida = "configuração inválida; nada foi gravado nem instalado";
inline constexpr const char* kResumoFinalizacao =
    "não concluído: o Cliente Vorix em execução não pôde ser finalizado (%s); nada foi instalado";
inline constexpr const char* kResumoGravacaoFalhou = "a configuração não pôde ser gravada (%s); nenhum arquivo foi alterado";
inline constexpr const char* kResumoOutra = "outra instalação trabalha na pasta %s; nada foi feito";
inline constexpr const char* kResumoPastaVazia = "pasta do cliente vazia; nada foi feito";
inline constexpr const char* kResumoJaGravada = "; a configuração já tinha sido gravada: %s";
inline constexpr const char* kResumoNenhumConhecido =
    "nenhum item conhecido na configuração; nada foi gravado nem instalado";
inline constexpr const char* kResumoPacoteEmAndamento =
    "não concluído: um pacote ainda pode estar em andamento (%s); nada foi restaurado nem instalado";
inline constexpr const char* kResumoGravacaoDanificada =
    "parou no início: uma gravação interrompida da configuração não pôde ser resolvida (%s)";

// Formats a text: each "%s" in turn takes the next value.
std::string Formata(const std::string& formato, std::initializer_list<std::string> valores);
inline std::string Formata(const std::string& formato, const std::string& valor) { return Formata(formato, {valor}); }

}  // namespace instala::textos
