#pragma once
// What the consultation tests share: the host's answer to the request, and
// how the screen ended the consultation after it.
#include <string>
#include <vector>

#include "AmbienteCredito.h"

namespace zvtest {

class AmbienteConsulta : public zvtest::AmbienteCredito {
protected:
    // The client's fields (scenario lines) and the host's answer code; an
    // approval carries a one-plan receipt.
    void Responde(const std::string& codigo, const std::string& campos = "") {
        Cliente().LoadScenario("entry = \"ExecutaFuncaoADM\"\n[fields]\n\"10107\" = \"0\"\n" + campos +
                                "[[authorizations]]\nfields = { \"1009\" = \"" + codigo + "\", \"20033\" = \"1" +
                                std::string(64, '0') + "\" }\n",
                            "consulta.toml");
    }

    // After the request, in order: the chip messages, the result file, the
    // fields cleared or written, the forgotten transaction.
    std::vector<std::string> Desfecho() {
        std::vector<std::string> r;
        bool depois = false;
        for (const auto& l : Linhas("call")) {
            const std::string fn = l.value("fn", "");
            const auto& a = l["args"];
            if (fn == "AutorizaTransacao") depois = true;
            if (!depois) continue;
            if (fn == "TrataMensagensCartaoCHIP") r.push_back("chip");
            if (fn == "FosdalGravaArquivo") r.push_back("arquivo");
            if (fn == "FosdalLimpaUltimaTrn") r.push_back("esquece");
            if (fn == "FosdalLimpaCampo") r.push_back("limpa " + a[0].dump());
            if (fn == "FosdalGravaCampo") r.push_back(a[0].dump() + "=" + a[2].get<std::string>());
            if (fn == "GravaCampoString" && a[0] == 10192) r.push_back("10192=" + a[2].get<std::string>());
        }
        return r;
    }
    bool MostrouRecibo() {
        const auto telas = TelasCriadas();
        return std::find(telas.begin(), telas.end(), "FrmImprime_Mod") != telas.end();
    }
    // The modal result the screen closed with; -1 when it did not close.
    int Resultado(const std::string& tela) {
        for (const auto& l : Linhas("form"))
            if (l.value("event", "") == "close" && l.value("name", "") == tela) return l.value("modal_result", -1);
        return -1;
    }
};

}  // namespace zvtest
