#include "Configuracao.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ArquivoIni.h"
#include "ArquivosSalvos.h"
#include "GravacaoConjunta.h"
#include "Textos.h"
#include "profile/CaseFold.h"
#include "profile/Profile.h"

namespace instala {

using textos::Formata;
using textos::Latin;

namespace {

bool Entre(int c, int de, int ate) { return c >= de && c <= ate; }

bool PertenceClasse(int c, ClasseCaracteres classe) {
    switch (classe) {
        case ClasseCaracteres::Digitos:
            return Entre(c, 48, 57);
        case ClasseCaracteres::Alfanumerico:
            return Entre(c, 48, 57) || Entre(c, 65, 122);
        case ClasseCaracteres::Endereco:
            return c == 33 || Entre(c, 35, 59) || c == 61 || Entre(c, 63, 122) || c == 126;
        case ClasseCaracteres::NomeArquivo:
            return c == 33 || Entre(c, 35, 41) || c == 43 || c == 44 || c == 46 || Entre(c, 48, 57) ||
                   c == 61 || Entre(c, 64, 123) || c == 125 || c == 126 || c == 145 || c == 150;
        case ClasseCaracteres::NomePasta:
            return PertenceClasse(c, ClasseCaracteres::NomeArquivo) || c == 47 || c == 58;
        case ClasseCaracteres::TextoExibicao:
            return Entre(c, 32, 126);
    }
    return false;
}

bool ZeroOuUm(const std::string& v) { return v[0] == '0' || v[0] == '1'; }

bool EmpresaValida(const std::string& v) {
    return v.size() == 8 && ValidaCaracteres(v, ClasseCaracteres::Alfanumerico);
}

bool TerminalValido(const std::string& v) {
    if (v.size() != 8 || !ValidaCaracteres(v.substr(0, 2), ClasseCaracteres::Alfanumerico) ||
        !ValidaCaracteres(v.substr(2), ClasseCaracteres::Digitos)) {
        return false;
    }
    return std::stoi(v.substr(5, 3)) < 900;
}

bool PortaValida(const std::string& v) {
    if (v == "AUTO_USB") return true;
    size_t i = (v[0] == '+' || v[0] == '-') ? 1 : 0;
    if (i >= v.size() || v.size() - i > 9 || !ValidaCaracteres(v.substr(i), ClasseCaracteres::Digitos)) return false;
    const long n = std::stol(v.substr(i)) * (v[0] == '-' ? -1 : 1);
    return n >= 1 && n <= 256;
}

bool EnderecoValido(const std::string& v) { return ValidaCaracteres(v, ClasseCaracteres::Endereco); }
bool PastaValida(const std::string& v) { return ValidaCaracteres(v, ClasseCaracteres::NomePasta); }
bool ArquivoValido(const std::string& v) { return ValidaCaracteres(v, ClasseCaracteres::NomeArquivo); }
bool ExtensaoValida(const std::string& v) {
    return v.size() >= 3 && v.size() <= 5 && ValidaCaracteres(v, ClasseCaracteres::Alfanumerico);
}
bool MensagemValida(const std::string& v) {
    return v.size() <= 16 && ValidaCaracteres(v, ClasseCaracteres::TextoExibicao);
}

enum class Extra { Nenhum, TipoPin, LimpaIp };

struct Item {
    const char* chave;
    bool (*valido)(const std::string&);
    const char* mensagem;
    const char* arquivo;
    const char* secao;
    const char* chaveIni;
    Extra extra;
};

// In the order they are validated and written.
const Item kItens[] = {
    {"Empresa=", EmpresaValida, "Empresa Invalida", "Cliente.ini", "ClientVorix", "Empresa", Extra::Nenhum},
    {"Terminal=", TerminalValido, "Terminal Invalido", "Cliente.ini", "ClientVorix", "Terminal", Extra::Nenhum},
    {"PortaPinpad=", PortaValida, "Porta do Pinpad Invalida", "Cliente.ini", "ClientVorix", "PortaPin",
     Extra::TipoPin},
    {"IPVorix1=", EnderecoValido, "URL ou IP para o Vorix Único ou Vorix 1 Inválido", "Cliente.ini",
     "ClientVorix", "End_TCP", Extra::LimpaIp},
    {"IPVorix2=", EnderecoValido, "URL ou IP para o Vorix 2 Inválido", "Cliente.ini", "ClientVorix",
     "End_TCP2", Extra::LimpaIp},
    {"IPVorix3=", EnderecoValido, "URL ou IP para o Vorix 3 Inválido", "Cliente.ini", "ClientVorix",
     "End_TCP3", Extra::LimpaIp},
    {"DirLeitIntPos=", PastaValida, "Nome do Diretório de Leitura (Req) Inválido", "Cliente.ini",
     "ClientVorix", "le", Extra::Nenhum},
    {"DirGravIntPos=", PastaValida, "Nome do Diretório de Gravação (Resp) Inválido", "Cliente.ini",
     "ClientVorix", "grava", Extra::Nenhum},
    {"NomeArqIntPos=", ArquivoValido, "Nome do Arquivo Invalido", "Cliente.ini", "ClientVorix", "nome",
     Extra::Nenhum},
    {"ExtensArqIntPos=", ExtensaoValida, "Extensão de arquivo Invalida", "Cliente.ini", "ClientVorix", "ext",
     Extra::Nenhum},
    {"MensagemPadraoPinpad=", MensagemValida, "Mensagem para o pinpad Invalida", "Cliente.ini", "ClientVorix",
     "MensagemPadrao", Extra::Nenhum},
    {"PermiteCreditoDigitado=", ZeroOuUm, "Configuração para Crédito Digitado Invalida", "Cliente.ini",
     "TODOS", "PermiteDigitarCartaoCredito", Extra::Nenhum},
    {"CBVivo=", ZeroOuUm, "Configuração para Código de Barras Vivo Invalida", "ClienteTrn.ini",
     "CodigoBarrasVivo", "TrnCredito", Extra::Nenhum},
    {"CreditoHabilitaRoteamentoParcelas=", ZeroOuUm,
     "Configuração para Habilitar Roteamento de Parcelas Credito Invalida", "Cliente.ini", "Credito",
     "HabilitaRoteamentoParcela", Extra::Nenhum},
};

const char* const kArquivosClienteAntigo[] = {"ClientVorix.ini", "ClientDes.ini", "ClientCheque.ini"};

// The "Habilitado" value of every section that has one, by folded section name.
std::map<std::string, std::string> Habilitados(const profile::IniDocument& doc) {
    std::map<std::string, std::string> valores;
    for (const auto& e : doc.Entries()) {
        if (profile::EqualsNoCase(e.key, "Habilitado")) valores.emplace(profile::FoldName(e.section), e.value);
    }
    return valores;
}

}  // namespace

bool ValidaCaracteres(const std::string& texto, ClasseCaracteres classe) {
    for (char c : texto) {
        if (!PertenceClasse(static_cast<unsigned char>(c), classe)) return false;
    }
    return true;
}

std::string ObtemParametro(const std::string& texto, const std::string& chave, char separador) {
    if (chave.empty()) return {};
    size_t at = texto.find(chave);
    while (at != std::string::npos && at > 0 && texto[at - 1] != separador) at = texto.find(chave, at + 1);
    if (at == std::string::npos) return {};
    const size_t inicio = at + chave.size();
    const size_t fim = texto.find(separador, inicio);
    return texto.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
}

ConversaoConfiguracao::ConversaoConfiguracao(zvsys::System& sistema, Operador& operador,
                                             std::string diretorioCliente)
    : sistema_(sistema), operador_(operador), diretorio_(std::move(diretorioCliente)) {}

std::string ConversaoConfiguracao::Arquivo(const std::string& nome) const { return Caminho(diretorio_, nome); }

bool ConversaoConfiguracao::Falha(const std::string& onde) {
    ultimaFalha_ = onde;
    return false;
}

void ConversaoConfiguracao::RegistraItensIgnorados(const std::string& configuracao) {
    std::vector<std::string> vistos;
    size_t inicio = 0;
    while (inicio <= configuracao.size()) {
        const size_t fim = std::min(configuracao.find(';', inicio), configuracao.size());
        const std::string item = configuracao.substr(inicio, fim - inicio);
        inicio = fim + 1;
        if (item.empty()) continue;
        const std::string chave = item.substr(0, item.find('=') == std::string::npos ? item.size() : item.find('=') + 1);
        const bool conhecido = std::any_of(std::begin(kItens), std::end(kItens),
                                           [&](const Item& i) { return chave == i.chave; });
        if (!conhecido) {
            operador_.Registra(Formata(Latin(textos::kItemDesconhecido), item));
        } else if (std::find(vistos.begin(), vistos.end(), chave) != vistos.end()) {
            operador_.Registra(Formata(Latin(textos::kItemRepetido), item));
        } else {
            vistos.push_back(chave);
        }
    }
}

ResultadoAplicacao ConversaoConfiguracao::AplicaParametrosConfiguracao(const std::string& configuracao,
                                                                      bool avisaIgnorados) {
    itensGravados_.clear();
    if (avisaIgnorados) RegistraItensIgnorados(configuracao);
    std::vector<std::pair<const Item*, std::string>> presentes;
    for (const Item& item : kItens) {
        std::string valor = ObtemParametro(configuracao, item.chave);
        if (valor.empty()) continue;
        // A line break could never be stored in an ini value: such a value is as invalid as a bad character.
        if (!item.valido(valor) || valor.find_first_of("\r\n") != std::string::npos) {
            operador_.MessageBox(Latin(item.mensagem), Latin(textos::kTituloValidacao),
                                 kMbOk | kMbIconWarning | kMbTopmost);
            return ResultadoAplicacao::Invalida;
        }
        presentes.emplace_back(&item, std::move(valor));
    }
    if (presentes.empty()) return ResultadoAplicacao::Aplicada;

    // An interrupted write is settled first; one that cannot be must not be overwritten by a new one.
    GravacaoConjunta gravacao = Gravacao();
    if (!ResolveGravacao(gravacao)) return ResultadoAplicacao::FalhaGravacao;
    auto vai = [&](const char* arquivo) {
        return std::any_of(presentes.begin(), presentes.end(), [&](const auto& p) { return std::string(p.first->arquivo) == arquivo; });
    };
    std::vector<std::string> nomes;
    if (vai("Cliente.ini")) nomes.push_back("Cliente.ini");
    if (vai("ClienteTrn.ini")) {
        nomes.push_back("ClienteTrn.ini");
        // Settings still waiting to be carried over would bring an older value back
        // over this one: they get it too.
        if (ArquivosSalvos(sistema_, diretorio_).Pendentes().count("ClienteTrn.ini") != 0) nomes.push_back("ClienteTrn.ini_Atual");
    }
    std::string gravados;
    for (const auto& [item, valor] : presentes) {
        itensGravados_.push_back(std::string(item->chave, std::strlen(item->chave) - 1));
        gravados += (gravados.empty() ? "" : ", ") + std::string(item->chave) + valor + " (" + item->arquivo + ")";
    }
    // A till's files may be large: one is open at a time.
    bool pendenteAlterado = false;
    auto fonte = [&](size_t i) -> std::optional<GravacaoConjunta::Arquivo> {
        auto lido = ArquivoIni::Abre(sistema_, Arquivo(nomes[i]));
        if (!lido) return std::nullopt;
        const auto ini = std::make_shared<ArquivoIni>(std::move(*lido));
        lido.reset();
        const bool trn = nomes[i] != "Cliente.ini";
        for (const auto& [item, valor] : presentes) {
            if ((std::string(item->arquivo) == "ClienteTrn.ini") != trn) continue;
            const bool limpa = item->extra == Extra::LimpaIp && valor == "[LIMPA_IP]";
            ini->Documento().Set(item->secao, item->chaveIni, limpa ? std::string() : valor);
            if (item->extra == Extra::TipoPin) ini->Documento().Set(item->secao, "TipoPIN", "Pinpad EMV");
        }
        GravacaoConjunta::Arquivo a{nomes[i], ini->Original(), ini->Novo(), ini};
        if (nomes[i] == "ClienteTrn.ini_Atual") pendenteAlterado = !a.antigo || *a.antigo != a.novo;
        return a;
    };
    // The files change together or not at all, also when the process is killed between them.
    if (!gravacao.Grava(nomes, fonte)) {
        itensGravados_.clear();
        Falha(gravacao.Falha());
        return ResultadoAplicacao::FalhaGravacao;
    }
    operador_.Registra(Formata(Latin(textos::kConfiguracaoGravada), gravados));
    if (pendenteAlterado) operador_.Registra(Formata(Latin(textos::kConfiguracaoNosSalvos), Arquivo("ClienteTrn.ini_Atual")));
    return ResultadoAplicacao::Aplicada;
}

bool ConversaoConfiguracao::SolicitaFinalizacaoIntPos() {
    const std::string tmp = Arquivo("Req\\IntPos.Tmp");
    if (!sistema_.WriteFile(tmp, "000-000 = FINALIZA\r\n999-999 = 0\r\n")) return Falha(tmp);
    // An earlier request still waiting keeps its place; this one is then not delivered.
    sistema_.MoveFile(tmp, Arquivo("Req\\IntPos.001"));
    sistema_.Sleep(500);
    return true;
}

bool ConversaoConfiguracao::CopiaChavesIni(const std::string& origem, const std::string& destino,
                                           const std::string& chave) {
    if (!sistema_.FileExists(origem)) return true;
    auto alvo = ArquivoIni::Abre(sistema_, destino);
    if (!alvo) return Falha(destino);
    {
        // Values go as the saved file stores them, quotes and all; an empty one
        // never overwrites what the new file has. The saved file is let go
        // before the new one is written: a till's file may be large.
        const auto fonte = LeIni(sistema_, origem);
        if (!fonte) return Falha(origem);
        const bool utf16 = alvo->Documento().Utf16();
        alvo->Documento().CopyFrom(*fonte, chave);
        if (!utf16 && alvo->Documento().Utf16()) operador_.Registra(Formata(Latin(textos::kDestinoUtf16), {origem, destino}));
    }
    return alvo->Grava(sistema_) || Falha(destino);
}

bool ConversaoConfiguracao::ConverteArquivosConfiguracao() {
    bool ok = true;
    bool convertido = false;
    if (sistema_.FileExists(Arquivo("Cheque.ini_Atual"))) {
        convertido = true;
        if (sistema_.FileExists(Arquivo("Cheque.ini_New"))) sistema_.DeleteFile(Arquivo("Cheque.ini_New"));
        ok = CopiaChavesIni(Arquivo("Cheque.ini_Atual"), Arquivo("Cheque.ini"), "Habilitado") && ok;
    }
    if (sistema_.FileExists(Arquivo("ClienteTrn.ini_Atual"))) {
        convertido = true;
        if (sistema_.FileExists(Arquivo("ClienteTrn.ini_New"))) sistema_.DeleteFile(Arquivo("ClienteTrn.ini_New"));
        ok = CopiaChavesIni(Arquivo("ClienteTrn.ini_Atual"), Arquivo("ClienteTrn.ini"), "") && ok;
    }
    // Once the saved files reached the new ones, no later run keeps them in place of newer settings.
    if (convertido) return ok && (ArquivosSalvos(sistema_, diretorio_).Conclui() || Falha(Arquivo("Instala.pendente")));
    if (!sistema_.FileExists(Arquivo("Cheque.ini")) || !sistema_.FileExists(Arquivo("ClientCheque.ini"))) return ok;
    const auto antigo = ArquivoIni::Abre(sistema_, Arquivo("ClientCheque.ini"));
    auto cheque = ArquivoIni::Abre(sistema_, Arquivo("Cheque.ini"));
    if (!antigo) return Falha(Arquivo("ClientCheque.ini"));
    if (!cheque) return Falha(Arquivo("Cheque.ini"));
    const auto comHabilitado = Habilitados(cheque->Documento());
    const auto antigos = Habilitados(antigo->Documento());
    std::vector<profile::IniDocument::Entry> habilitados;
    for (const auto& secao : antigo->Documento().SectionNames()) {
        if (comHabilitado.count(profile::FoldName(secao)) == 0) continue;
        const auto valor = antigos.find(profile::FoldName(secao));
        const bool sim = valor != antigos.end() && profile::ParseProfileInt(valor->second, 0) != 0;
        habilitados.push_back({secao, "Habilitado", sim ? "1" : "0"});
    }
    cheque->Documento().SetAll(habilitados);
    // The old file is retired only once its values are safely in the new one.
    if (!cheque->Grava(sistema_)) return Falha(cheque->Caminho());
    if (sistema_.FileExists(Arquivo("ClientCheque.ini_Old"))) sistema_.DeleteFile(Arquivo("ClientCheque.ini_Old"));
    sistema_.MoveFile(Arquivo("ClientCheque.ini"), Arquivo("ClientCheque.ini_Old"));
    return true;
}

Desinstalacao ConversaoConfiguracao::DesinstalaMantendoArquivos(const std::function<bool()>& iniciaDesinstalador) {
    std::vector<std::string> copias;
    for (const char* nome : kArquivosClienteAntigo) {
        const std::string original = Arquivo(nome);
        if (!sistema_.FileExists(original)) continue;
        if (!sistema_.CopyFile(original, original + "_bkp", false)) {
            // Without every copy the uninstaller must not run: it could take the only one.
            for (const auto& c : copias) sistema_.DeleteFile(c);
            Falha(original + "_bkp");
            return Desinstalacao::NaoIniciada;
        }
        copias.push_back(original + "_bkp");
    }
    if (!iniciaDesinstalador()) {
        for (const auto& c : copias) sistema_.DeleteFile(c);
        return Desinstalacao::NaoIniciada;
    }
    for (const char* nome : kArquivosClienteAntigo) {
        if (sistema_.FileExists(Arquivo(nome))) sistema_.DeleteFile(Arquivo(nome));
    }
    bool devolvidas = true;
    for (const char* nome : kArquivosClienteAntigo) devolvidas = DevolveCopia(nome, false) && devolvidas;
    return devolvidas ? Desinstalacao::Iniciada : Desinstalacao::CopiaNaoDevolvida;
}

bool ConversaoConfiguracao::DevolveCopia(const std::string& nome, bool registra) {
    const std::string original = Arquivo(nome);
    const std::string copia = original + "_bkp";
    if (!sistema_.FileExists(copia)) return true;
    if (!sistema_.FileExists(original)) {
        if (!sistema_.MoveFile(copia, original)) return Falha(copia);
        if (registra) operador_.Registra(Formata(Latin(textos::kDevolvido), {copia, original}));
        return true;
    }
    // The original stayed (its removal failed, or a run stopped before it): the copy goes when it is the same.
    if (sistema_.ReadFile(original) != sistema_.ReadFile(copia) || !sistema_.DeleteFile(copia)) return Falha(copia);
    if (registra) operador_.Registra(Formata(Latin(textos::kCopiaIgualRemovida), copia));
    return true;
}

bool ConversaoConfiguracao::SalvaArquivosAtuais() {
    ArquivosSalvos salvos(sistema_, diretorio_);
    if (!salvos.Salva()) return Falha(salvos.Falha());
    for (const auto& mantido : salvos.Mantidos()) operador_.Registra(Formata(Latin(textos::kSalvoMantido), mantido));
    return true;
}

bool ConversaoConfiguracao::DevolveArquivosSalvos() {
    ArquivosSalvos salvos(sistema_, diretorio_);
    return salvos.Devolve() || Falha(salvos.Falha());
}

bool ConversaoConfiguracao::ResolveGravacao(GravacaoConjunta& gravacao) {
    switch (gravacao.Retoma()) {
        case GravacaoConjunta::Retomada::NadaPendente:
            return true;
        case GravacaoConjunta::Retomada::Concluida:
            operador_.Registra(Formata(Latin(textos::kGravacaoConcluida), gravacao.Intencao()));
            return true;
        case GravacaoConjunta::Retomada::Desfeita:
            operador_.Registra(Formata(Latin(textos::kGravacaoDesfeita), gravacao.Intencao()));
            return true;
        case GravacaoConjunta::Retomada::Recusada:
            operador_.Registra(Formata(Latin(textos::kGravacaoRecusada), {gravacao.Intencao(), gravacao.Motivo()}));
            return true;
        case GravacaoConjunta::Retomada::Falhou:
            operador_.Registra(Formata(Latin(textos::kGravacaoPendente), gravacao.Falha()));
            return Falha(gravacao.Falha());
        case GravacaoConjunta::Retomada::Danificada:
            break;
    }
    std::string estados;
    for (const auto& e : gravacao.Estados()) {
        const char* forma = textos::kArquivoVersaoDesconhecida;
        if (e.versao == GravacaoConjunta::Versao::Antiga) forma = e.restaurada ? textos::kArquivoVersaoRestaurada : textos::kArquivoVersaoAntiga;
        if (e.versao == GravacaoConjunta::Versao::Nova) forma = textos::kArquivoVersaoNova;
        if (e.versao == GravacaoConjunta::Versao::Outra) forma = textos::kArquivoVersaoOutra;
        estados += (estados.empty() ? "" : "; ") + Formata(Latin(forma), Arquivo(e.nome));
    }
    gravacaoDanificada_ = Formata(Latin(textos::kGravacaoDanificada),
                                  {gravacao.Intencao(), estados.empty() ? Latin("nenhum arquivo legível") : estados});
    operador_.Registra(gravacaoDanificada_);
    return Falha(gravacao.Intencao());
}

bool ConversaoConfiguracao::RetomaExecucaoInterrompida() {
    for (const char* pasta : {"", "Req"}) {
        const int removidos = sistema_.RemoveStrayTemporaries(*pasta ? Arquivo(pasta) : diretorio_);
        if (removidos > 0) operador_.Registra(Formata(Latin(textos::kTemporariosRemovidos), std::to_string(removidos)));
    }
    GravacaoConjunta gravacao = Gravacao();
    ResolveGravacao(gravacao);
    ArquivosSalvos salvos(sistema_, diretorio_);
    if (salvos.RegistroDanificado()) {
        operador_.Registra(Formata(Latin(textos::kRegistroPendenteDanificado), salvos.Registro()));
        if (!salvos.ReparaRegistro()) operador_.Registra(Formata(Latin(textos::kSalvoNaoDevolvido), salvos.Falha()));
    }
    if (!salvos.Devolve()) operador_.Registra(Formata(Latin(textos::kSalvoNaoDevolvido), salvos.Falha()));
    for (const auto& nome : salvos.Devolvidos()) {
        operador_.Registra(Formata(Latin(textos::kDevolvido), {salvos.Salvo(nome), Arquivo(nome)}));
    }
    // The old client's files, when its removal was cut short while they were under their "_bkp" names.
    for (const char* nome : kArquivosClienteAntigo) {
        if (!DevolveCopia(nome, true)) operador_.Registra(Formata(Latin(textos::kCopiaNaoDevolvida), ultimaFalha_));
    }
    std::string pendentes;
    for (const auto& nome : salvos.Pendentes()) pendentes += (pendentes.empty() ? "" : ", ") + salvos.Salvo(nome);
    if (!pendentes.empty()) operador_.Registra(Formata(Latin(textos::kPendentes), pendentes));
    return gravacaoDanificada_.empty();
}

GravacaoConjunta ConversaoConfiguracao::Gravacao() const {
    // What a write of the configuration may change: the two files and the
    // transaction settings waiting to be carried over.
    return GravacaoConjunta(sistema_, diretorio_, {"Cliente.ini", "ClienteTrn.ini", "ClienteTrn.ini_Atual"});
}

}  // namespace instala
