#include "cancel/CancelamentoTrnZentravela.h"

#include "common/Conversoes.h"
#include "common/Datas.h"
#include "forms/Types.h"
#include "host/Catalogo.h"
#include "host/HostCalls.h"
#include "screens/Aceita.h"
#include "screens/LayoutTela.h"

namespace zv {

namespace {

constexpr size_t DIGITOS_DATA = 8;

// Field 1020 (DDMMAAAA) as the date box shows it.
std::string DataComBarras(const std::string& ddmmaaaa) {
    auto parte = [&](size_t inicio, size_t n) { return inicio < ddmmaaaa.size() ? ddmmaaaa.substr(inicio, n) : ""; };
    return parte(0, 2) + "/" + parte(2, 2) + "/" + parte(4, 4);
}

}  // namespace

TFrmCnc_Trn::TFrmCnc_Trn(std::string name) : TFrmTrn_Mod(std::move(name)) {
    SetCaption(Name());
    using namespace layout;
    lbDtTransacao  = &Rotulo(*this, pnCaptura,        "lbDtTransacao",  {16, 58, 160, 20},  "Data da Transa\xE7\xE3o:");
    edDtTransacao  = &EdicaoMascara(*this, pnCaptura, "edDtTransacao",  {184, 54, 110, 24},
                                    {.ordemTab = 1, .tamanhoMax = 10,
                                     .mascara = "!99/99/9999;1;_", .texto = "  /  /    "});
    lbNumDocumento = &Rotulo(*this, pnCaptura,        "lbNumDocumento", {16, 98, 160, 20},  "N\xFAmero do Documento:");
    edNumDocumento = &Edicao(*this, pnCaptura,        "edNumDocumento", {184, 94, 150, 24},
                             {.ordemTab = 2, .tamanhoMax = 12, .aceita = aceita::Digitos()});

    edDtTransacao->OnEnter = [this](forms::Control& s) { edDtTransacaoEnter(s); };
    edNumDocumento->OnEnter = [this](forms::Control& s) { edNumDocumentoEnter(s); };
}

void TFrmCnc_Trn::IniciaCamposForm() {
    TFrmTrn_Mod::IniciaCamposForm();
    lbDtTransacao->SetCaption(host::Mensagem(MSG_ROTULO_DATA_CANC));
    lbNumDocumento->SetCaption(host::Mensagem(MSG_ROTULO_DOCUMENTO_CANC));

    // What the host supplied is shown locked.
    const std::string data = ValoresTela.Le(CAMPO_DATA_ORIGINAL);
    if (data.empty()) {
        edDtTransacao->Clear();
    } else {
        edDtTransacao->SetText(DataComBarras(data));
    }
    edDtTransacao->SetEnabled(data.empty());

    const std::string documento = ValoresTela.Le(CAMPO_DOCUMENTO_ORIGINAL);
    edNumDocumento->SetText(documento);
    edNumDocumento->SetEnabled(documento.empty());
}

bool TFrmCnc_Trn::DataTransacaoValida() const {
    if (Trim(host::RemoveFormato(edDtTransacao->Text())).size() < DIGITOS_DATA) return false;
    Data data;
    return LeDataDiaMesAno(edDtTransacao->Text(), data) && data <= Hoje();
}

bool TFrmCnc_Trn::ValidaCamposForm() {
    if (!TFrmTrn_Mod::ValidaCamposForm()) return false;
    if (!DataTransacaoValida()) {
        return Recusa(host::Mensagem(MSG_DATA_INVALIDA), MB_VALIDACAO, edDtTransacao);
    }
    // Up to twelve digits: read in 64 bits, so a long document is not taken for no number.
    if (ConverteInteiro64(edNumDocumento->Text(), 0) <= 0) {
        return Recusa(host::Mensagem(MSG_DOCUMENTO_CANC_INVALIDO), MB_VALIDACAO, edNumDocumento);
    }
    return true;
}

bool TFrmCnc_Trn::GravaCamposFosdal() {
    if (!TFrmTrn_Mod::GravaCamposFosdal()) return false;
    if (ValoresTela.Grava(CAMPO_DATA_ORIGINAL, host::RemoveFormato(edDtTransacao->Text())) != 0) return false;
    // As typed (or as the host supplied it), not trimmed.
    if (!Trim(edNumDocumento->Text()).empty() &&
        ValoresTela.Grava(CAMPO_DOCUMENTO_ORIGINAL, edNumDocumento->Text()) != 0) {
        return false;
    }
    return true;
}

void TFrmCnc_Trn::edDtTransacaoEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_DATA_CANC); }

void TFrmCnc_Trn::edNumDocumentoEnter(forms::Control&) { MostraPrompt(MSG_PROMPT_DOCUMENTO_CANC); }


}  // namespace zv

namespace zv::CancelamentoTrnZentravela {

forms::Form* FrmCnc_Trn = nullptr;

// Only its descendants are ever shown, so no class is registered here.
void Initialization() { FrmCnc_Trn = nullptr; }
void Finalization() { FrmCnc_Trn = nullptr; }

}  // namespace zv::CancelamentoTrnZentravela
