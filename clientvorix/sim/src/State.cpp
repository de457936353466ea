#include "sim/State.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "port/Os.h"
#include "sim/HostCall.h"
#include "sim/ServiceData.h"

namespace sim {

State& State::Instance() {
    // Never destroyed: screens torn down while the process exits still
    // write their audit lines, whatever order the libraries unload in.
    static State* state = new State;
    return *state;
}

void State::Reset() {
    scenario_ = Scenario{};
    fields_.ClearAll();
    service_ = ServiceValues{};
    readAt_ = pinAt_ = emvAt_ = processingAt_ = binsAt_ = verdictAt_ = referralAt_ = authorizationAt_ = 0;
    errors_.clear();
    audit_.clear();
    pinpad_.clear();
    taxa_ = {};
    taxaSerial_ = 0;
    resultPath_.clear();
    resultWrites_ = 0;
    journal_.To("");
    journal_.Clear();
}

void State::Apply(const Scenario& scenario) {
    scenario_ = scenario;
    fields_.ClearAll();
    for (const auto& f : scenario.fields) fields_.Set(f.field, f.bytes, f.index);
    service_.tags = scenario.service.tags;
    service_.codes = scenario.service.codes;
    service_.q.clear();
    if (!scenario.service.q.empty()) {
        fields_.Set(kServiceField, MergeServiceQ(fields_.Get(kServiceField), scenario.service.q));
    }
    readAt_ = pinAt_ = emvAt_ = processingAt_ = binsAt_ = verdictAt_ = referralAt_ = authorizationAt_ = 0;
}

void State::SetServiceQ(const std::string& subcode, const std::string& content) {
    fields_.Set(kServiceField, MergeServiceQ(fields_.Get(kServiceField), {{subcode, content}}));
}

bool State::TerminalEnabled(int code) const {
    const auto& t = scenario_.enabled.terminal;
    return !t || t->count(code) != 0;
}

bool State::IntposEnabled(int code) const {
    const auto& t = scenario_.enabled.intpos;
    return !t || t->count(code) != 0;
}

AuthorizationAnswer State::NextAuthorization() {
    if (scenario_.authorizations.empty()) {
        AuthorizationAnswer approved;
        approved.fields = {{1009, 0, "00"}, {1027, 0, "TRANSACAO APROVADA"}};
        return approved;
    }
    return Next(scenario_.authorizations, authorizationAt_, AuthorizationAnswer{});
}

void State::ApplyAnswer(const AuthorizationAnswer& answer) {
    for (const auto& f : answer.fields) fields_.Set(f.field, f.bytes, f.index);
    for (const auto& [tag, value] : answer.service.tags) service_.tags[tag] = value;
    service_.codes.insert(answer.service.codes.begin(), answer.service.codes.end());
    if (!answer.service.q.empty()) {
        fields_.Set(kServiceField, MergeServiceQ(fields_.Get(kServiceField), answer.service.q));
    }
}

void State::AddAudit(const std::string& text) {
    audit_.push_back(text);
    journal_.Add({{"t", "audit"}, {"text", J(text)}});
}

std::string State::ResultFilePath() const {
    if (!resultPath_.empty()) return resultPath_;
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    return (ec ? std::string("/tmp") : dir.string()) + "/clientvorix-" + std::to_string(port::ProcessId()) + ".result";
}

// The old file stays until the new one is complete.
bool State::WriteResultFile() {
    std::string content;
    for (const auto& [field, occ] : fields_.All()) {
        for (const auto& [index, value] : occ) {
            char head[32];
            const int n = std::snprintf(head, sizeof head, "%05d-%03d = ", field, index);
            content.append(head, static_cast<std::size_t>(n)).append(value).push_back('\n');
        }
    }
    if (!port::ReplaceWhole(ResultFilePath(), content)) return false;
    ++resultWrites_;
    return true;
}

void State::JournalCall(const char* lib, const char* fn, nlohmann::json args, nlohmann::json result,
                        const nlohmann::json& extra) {
    if (!journal_.Recording()) return;
    nlohmann::json line = {{"t", "call"}, {"lib", lib}, {"fn", fn}, {"args", std::move(args)},
                           {"result", std::move(result)}};
    if (extra.is_object()) line.update(extra);
    journal_.Add(std::move(line));
}

void State::WriteFieldsLine() { journal_.Add({{"t", "fields"}, {"fields", fields_.ToJson()}}); }

}  // namespace sim
