// Lumar: service-fee, boarding-fee and booklet-payment routines. The fee
// value the screen keeps is ours: we fill it with a recognisable mark and
// check that it comes back untouched.
#include <cstdio>
#include <cstring>

#include "host/Lumar.h"
#include "sim/HostCall.h"
#include "sim/State.h"

using sim::J;
using sim::State;

namespace {
constexpr const char* kLib = "Lumar";
}

extern "C" {

ZvBool ZV_HOSTAPI IniciaTaxaServico(const char* valor, char* out, int32_t capacity, void* taxa) {
    return sim::Guarded(kLib, "IniciaTaxaServico", ZvBool{0}, [&]() -> ZvBool {
        State& s = State::Instance();
        char mark[12];
        std::snprintf(mark, sizeof mark, "TXSV%04u", static_cast<unsigned>(s.NextTaxaSerial()) % 10000u);
        std::memcpy(s.TaxaServico().data(), mark, 8);
        if (taxa) std::memcpy(taxa, mark, 8);
        sim::CopyOut(out, capacity, "");
        const bool enabled = s.Host().taxaServico;
        s.JournalCall(kLib, "IniciaTaxaServico", {J(sim::InText(valor)), capacity, taxa != nullptr}, enabled,
                      {{"taxa", std::string(mark, 8)}});
        return enabled ? 1 : 0;
    });
}

ZvBool ZV_HOSTAPI ValidaTaxaServico(const char* valor, const char* taxaTexto, const void* taxa) {
    return sim::Guarded(kLib, "ValidaTaxaServico", ZvBool{0}, [&]() -> ZvBool {
        State& s = State::Instance();
        const bool intact = taxa && std::memcmp(taxa, s.TaxaServico().data(), 8) == 0;
        const bool valid = s.Host().taxaServicoValida;
        s.JournalCall(kLib, "ValidaTaxaServico", {J(sim::InText(valor)), J(sim::InText(taxaTexto))}, valid,
                      {{"taxa_intact", intact}});
        return valid ? 1 : 0;
    });
}

void ZV_HOSTAPI VerificaSeTaxaServicoEmbarqueHabilitadaDebitoCredito(ZvBool* taxa, ZvBool* embarque) {
    sim::GuardedVoid(kLib, "VerificaSeTaxaServicoEmbarqueHabilitadaDebitoCredito", [&] {
        const auto& h = State::Instance().Host();
        if (taxa) *taxa = h.taxaServico ? 1 : 0;
        if (embarque) *embarque = h.embarque ? 1 : 0;
        State::Instance().JournalCall(kLib, "VerificaSeTaxaServicoEmbarqueHabilitadaDebitoCredito",
                                      nlohmann::json::array(), {h.taxaServico, h.embarque});
    });
}

void ZV_HOSTAPI VerificaGravaCampoTratamentoEspecialPagamentoCarne(void) {
    sim::GuardedVoid(kLib, "VerificaGravaCampoTratamentoEspecialPagamentoCarne", [&] {
        State::Instance().JournalCall(kLib, "VerificaGravaCampoTratamentoEspecialPagamentoCarne",
                                      nlohmann::json::array(), nullptr);
    });
}

}  // extern "C"
