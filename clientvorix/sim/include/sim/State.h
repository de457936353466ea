#pragma once
// The shared state of the five host libraries: one per process, in
// libclientvorix_sim.so, so every library and the program see the same
// field store, service data, answers and journal.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "sim/FieldStore.h"
#include "sim/Journal.h"
#include "sim/Scenario.h"

namespace sim {

// What EnviaArquivoErroPDV handed over.
struct ErrorReport {
    int code = 0;
    std::string text;  // CP1252
};

class State {
public:
    static State& Instance();

    // Back to the default scenario's answers with an empty store and journal
    // (the journal file, if any, is closed).
    void Reset();
    // Parses and applies a scenario (throws ScenarioError, leaving the state as
    // it was). Parsed in the caller's module, where the error is caught.
    void LoadScenario(const std::string& tomlText, const std::string& fileName) {
        Apply(ParseScenario(tomlText, fileName));
    }
    void Apply(const Scenario& scenario);
    const Scenario& Current() const { return scenario_; }

    // ---- Field store -------------------------------------------------------
    FieldStore& Fields() { return fields_; }
    bool SetField(int field, std::string bytes, int index = 0) { return fields_.Set(field, std::move(bytes), index); }
    std::string Field(int field, int index = 0) const { return fields_.Get(field, index); }
    bool HasField(int field, int index = 0) const { return fields_.Has(field, index); }
    void ClearField(int field) { fields_.Clear(field); }
    int Occurrences(int field) const { return fields_.Occurrences(field); }

    // ---- Service data, tables, host answers --------------------------------
    ServiceValues& Service() { return service_; }
    void SetServiceTag(const std::string& tag, const std::string& value) { service_.tags[tag] = value; }
    // Replaces or adds a service Q entry in field 20026.
    void SetServiceQ(const std::string& subcode, const std::string& content);
    EnabledTables& Enabled() { return scenario_.enabled; }
    bool TerminalEnabled(int code) const;
    bool IntposEnabled(int code) const;
    HostAnswers& Host() { return scenario_.host; }
    // A write the scenario makes the client refuse.
    bool WriteRefused(int field) const { return scenario_.host.refusedWrites.count(field) != 0; }
    CardAnswers& Card() { return scenario_.card; }
    std::vector<AuthorizationAnswer>& Authorizations() { return scenario_.authorizations; }

    // Each list answers one call after another; its last value repeats.
    int NextRead() { return Next(scenario_.card.read, readAt_, 0); }
    int NextPin() { return Next(scenario_.card.pin, pinAt_, 0); }
    bool NextEmv() { return Next(scenario_.card.emv, emvAt_, true); }
    bool NextProcessing() { return Next(scenario_.card.processing, processingAt_, true); }
    bool NextBins() { return Next(scenario_.card.bins, binsAt_, true); }
    int NextVerdict() { return Next(scenario_.card.verdict, verdictAt_, 0); }
    bool NextReferral() { return Next(scenario_.card.referral, referralAt_, true); }
    // The next authorisation answer (approved with 1009 "00" when none is given).
    AuthorizationAnswer NextAuthorization();
    // Applies an answer's fields and service data to the store.
    void ApplyAnswer(const AuthorizationAnswer& answer);

    // ---- What the libraries were asked to do -------------------------------
    const std::vector<ErrorReport>& ErrorReports() const { return errors_; }
    void AddErrorReport(ErrorReport r) { errors_.push_back(std::move(r)); }
    const std::vector<std::string>& AuditLines() const { return audit_; }
    void AddAudit(const std::string& text);
    const std::string& PinpadText() const { return pinpad_; }
    void SetPinpadText(std::string t) { pinpad_ = std::move(t); }
    // The 8 bytes IniciaTaxaServico last handed out.
    std::array<unsigned char, 8>& TaxaServico() { return taxa_; }
    int NextTaxaSerial() { return ++taxaSerial_; }

    // ---- Result file --------------------------------------------------------
    // Where FosdalGravaArquivo writes; empty = a file in $TMPDIR named after the process.
    void SetResultFilePath(std::string path) { resultPath_ = std::move(path); }
    std::string ResultFilePath() const;
    int ResultFileWrites() const { return resultWrites_; }
    // One line per field and occurrence, "FFFFF-III = value", CP1252; false
    // when the file could not be written whole.
    bool WriteResultFile();

    // ---- Journal ------------------------------------------------------------
    Journal& GetJournal() { return journal_; }
    const std::vector<nlohmann::json>& JournalLines() const { return journal_.Lines(); }
    bool JournalTo(const std::string& path) { return journal_.To(path); }
    void ClearJournal() { journal_.Clear(); }
    std::vector<nlohmann::json> Calls(const std::string& fn) const { return journal_.Calls(fn); }
    // {"t":"call","lib":..,"fn":..,"args":..,"result":..} plus `extra`'s members.
    void JournalCall(const char* lib, const char* fn, nlohmann::json args, nlohmann::json result,
                     const nlohmann::json& extra = nullptr);
    // The final field store, the journal's last line.
    void WriteFieldsLine();

private:
    State() { Reset(); }
    template <class T>
    static T Next(const std::vector<T>& list, std::size_t& at, T fallback) {
        if (list.empty()) return fallback;
        const std::size_t i = at < list.size() ? at : list.size() - 1;
        ++at;
        return list[i];
    }

    Scenario scenario_;
    FieldStore fields_;
    ServiceValues service_;
    std::size_t readAt_ = 0, pinAt_ = 0, emvAt_ = 0, processingAt_ = 0, binsAt_ = 0, verdictAt_ = 0,
                referralAt_ = 0, authorizationAt_ = 0;
    std::vector<ErrorReport> errors_;
    std::vector<std::string> audit_;
    std::string pinpad_;
    std::array<unsigned char, 8> taxa_{};
    int taxaSerial_ = 0;
    std::string resultPath_;
    int resultWrites_ = 0;
    Journal journal_;
};

}  // namespace sim
