#include "sim/Scenario.h"

#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

#include <toml++/toml.h>

#include "port/Os.h"
#include "cp1252/Cp1252.h"
#include "sim/FieldStore.h"

namespace sim {

const std::set<std::string>& EntryPoints() {
    static const std::set<std::string> names = {"ExecutaVenda", "ExecutaFuncaoADM", "ExecutaGenerico",
                                                "ExecutaConsultaCheque", "ExecutaPreAutorizacao"};
    return names;
}

namespace {

// Walks the parsed document and turns every surprise into "file:line: problem".
class Reader {
public:
    explicit Reader(std::string fileName) : file_(std::move(fileName)) {}

    [[noreturn]] void Fail(const toml::source_region& where, const std::string& problem) const {
        const auto line = where.begin.line > 0 ? where.begin.line : 1;
        throw ScenarioError(file_ + ":" + std::to_string(line) + ": " + problem);
    }

    void OnlyKeys(const toml::table& t, const std::string& section, std::initializer_list<const char*> allowed) const {
        for (const auto& [key, node] : t) {
            bool known = false;
            for (const char* a : allowed) known = known || key.str() == a;
            if (!known) {
                const std::string where = section.empty() ? "" : " in [" + section + "]";
                Fail(key.source(), "unknown key '" + std::string(key.str()) + "'" + where);
            }
            (void)node;
        }
    }

    const toml::table& Table(const toml::node& n, const std::string& name) const {
        if (!n.is_table()) Fail(n.source(), "'" + name + "' must be a table");
        return *n.as_table();
    }

    bool Bool(const toml::node& n, const std::string& name) const {
        if (!n.is_boolean()) Fail(n.source(), "'" + name + "' must be true or false");
        return n.as_boolean()->get();
    }

    int64_t Int(const toml::node& n, const std::string& name, int64_t lo, int64_t hi) const {
        if (!n.is_integer()) Fail(n.source(), "'" + name + "' must be an integer");
        const int64_t v = n.as_integer()->get();
        if (v < lo || v > hi) {
            Fail(n.source(), "'" + name + "' must be between " + std::to_string(lo) + " and " + std::to_string(hi));
        }
        return v;
    }

    // Strings arrive in UTF-8 and are kept as the host keeps them, in CP1252.
    std::string Text(const toml::node& n, const std::string& name) const {
        if (!n.is_string()) Fail(n.source(), "'" + name + "' must be a text in quotes");
        return cp1252::Utf8ToCp1252(n.as_string()->get());
    }

    // A scalar is taken as a list of one.
    template <class T, class F>
    std::vector<T> List(const toml::node& n, const std::string& name, F one) const {
        std::vector<T> out;
        if (const auto* arr = n.as_array()) {
            for (const auto& item : *arr) out.push_back(one(item, name));
        } else {
            out.push_back(one(n, name));
        }
        return out;
    }

    int FieldNumber(const toml::key& key) const {
        const std::string s(key.str());
        int v = 0;
        auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
        if (s.empty() || ec != std::errc() || p != s.data() + s.size() || !FieldStore::ValidField(v)) {
            Fail(key.source(), "bad field number '" + s + "' (1 to " + std::to_string(FieldStore::kMaxField) + ")");
        }
        return v;
    }

    void Fields(const toml::node& n, const std::string& name, std::vector<FieldValue>& out) const {
        for (const auto& [key, value] : Table(n, name)) {
            const int field = FieldNumber(key);
            out.push_back({field, 0, Text(value, name + "." + std::string(key.str()))});
        }
    }

    void Occurrences(const toml::node& n, const std::string& name, std::vector<FieldValue>& out) const {
        for (const auto& [key, value] : Table(n, name)) {
            const int field = FieldNumber(key);
            const std::string what = name + "." + std::string(key.str());
            const auto* arr = value.as_array();
            if (!arr) Fail(value.source(), "'" + what + "' must be a list of texts, one per occurrence");
            if (arr->size() > static_cast<std::size_t>(FieldStore::kMaxIndex) + 1) {
                Fail(value.source(), "'" + what + "' has more occurrences than the store keeps");
            }
            int index = 0;
            for (const auto& item : *arr) out.push_back({field, index++, Text(item, what)});
        }
    }

    void Service(const toml::node& n, const std::string& name, ServiceValues& out) const {
        const auto& t = Table(n, name);
        OnlyKeys(t, name, {"tags", "codes", "q"});
        if (const auto* tags = t.get("tags")) {
            for (const auto& [key, value] : Table(*tags, name + ".tags")) {
                const std::string tag = cp1252::Utf8ToCp1252(key.str());
                if (tag.size() < 2 || tag.back() != ':') Fail(key.source(), "service tag '" + tag + "' must end with ':'");
                out.tags[tag] = Text(value, name + ".tags." + tag);
            }
        }
        if (const auto* codes = t.get("codes")) {
            for (auto& c : List<std::string>(*codes, name + ".codes",
                                             [this](const toml::node& i, const std::string& w) { return Text(i, w); })) {
                out.codes.insert(c);
            }
        }
        if (const auto* q = t.get("q")) {
            for (const auto& [key, value] : Table(*q, name + ".q")) {
                const std::string sub = cp1252::Utf8ToCp1252(key.str());
                // A ';' would end the entry inside its own sub-code: it could never be found.
                if (sub.size() != 3 || sub.find(';') != std::string::npos) {
                    Fail(key.source(), "service Q sub-code '" + sub + "' must have three characters other than ';'");
                }
                const std::string content = Text(value, name + ".q." + sub);
                if (content.find(';') != std::string::npos) {
                    Fail(value.source(), "service Q content cannot hold ';' (it separates the entries)");
                }
                out.q[sub] = content;
            }
        }
    }

    std::set<int> Codes(const toml::node& n, const std::string& name) const {
        std::set<int> out;
        for (int c : List<int>(n, name, [this](const toml::node& i, const std::string& w) {
                 return static_cast<int>(Int(i, w, 0, 65535));
             })) {
            out.insert(c);
        }
        return out;
    }

    void Host(const toml::node& n, HostAnswers& h) const {
        const auto& t = Table(n, "host");
        OnlyKeys(t, "host", {"permite_alterar_dados", "chip_contato", "taxa_servico", "taxa_servico_valida",
                             "embarque", "versao_cliente", "build_info", "refused_writes",
                             "fail_every_call"});
        if (auto* v = t.get("permite_alterar_dados")) h.permiteAlterarDados = Bool(*v, "permite_alterar_dados");
        if (auto* v = t.get("chip_contato")) h.chipContato = Bool(*v, "chip_contato");
        if (auto* v = t.get("taxa_servico")) h.taxaServico = Bool(*v, "taxa_servico");
        if (auto* v = t.get("taxa_servico_valida")) h.taxaServicoValida = Bool(*v, "taxa_servico_valida");
        if (auto* v = t.get("embarque")) h.embarque = Bool(*v, "embarque");
        if (auto* v = t.get("versao_cliente")) h.versaoCliente = Text(*v, "versao_cliente");
        if (auto* v = t.get("build_info")) h.buildInfo = Text(*v, "build_info");
        if (auto* v = t.get("fail_every_call"))
            h.callFault = Bool(*v, "fail_every_call") ? CallFault::Fail : CallFault::None;
        if (auto* v = t.get("refused_writes")) {
            for (int f : List<int>(*v, "host.refused_writes", [this](const toml::node& i, const std::string& w) {
                     return static_cast<int>(Int(i, w, 1, FieldStore::kMaxField));
                 })) {
                h.refusedWrites.insert(f);
            }
        }
    }

    void Card(const toml::node& n, CardAnswers& c) const {
        const auto& t = Table(n, "card");
        OnlyKeys(t, "card", {"read", "pin", "emv", "processing", "advice", "bins", "bins_refusal", "verdict", "referral"});
        auto ints = [this](const toml::node& i, const std::string& w) {
            return static_cast<int>(Int(i, w, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
        };
        auto statuses = [this](const toml::node& i, const std::string& w) { return static_cast<int>(Int(i, w, 0, 65535)); };
        auto bools = [this](const toml::node& i, const std::string& w) { return Bool(i, w); };
        if (auto* v = t.get("read")) c.read = List<int>(*v, "card.read", statuses);
        if (auto* v = t.get("pin")) c.pin = List<int>(*v, "card.pin", statuses);
        if (auto* v = t.get("emv")) c.emv = List<bool>(*v, "card.emv", bools);
        if (auto* v = t.get("processing")) c.processing = List<bool>(*v, "card.processing", bools);
        if (auto* v = t.get("advice")) c.advice = Bool(*v, "card.advice");
        if (auto* v = t.get("bins")) c.bins = List<bool>(*v, "card.bins", bools);
        if (auto* v = t.get("bins_refusal")) c.binsRefusal = Text(*v, "card.bins_refusal");
        if (auto* v = t.get("verdict")) c.verdict = List<int>(*v, "card.verdict", ints);
        if (auto* v = t.get("referral")) c.referral = List<bool>(*v, "card.referral", bools);
    }

    AuthorizationAnswer Authorization(const toml::node& n) const {
        const auto& t = Table(n, "authorizations");
        OnlyKeys(t, "authorizations", {"result", "fields", "occurrences", "service"});
        AuthorizationAnswer a;
        if (auto* v = t.get("result")) a.result = Bool(*v, "authorizations.result");
        if (auto* v = t.get("fields")) Fields(*v, "authorizations.fields", a.fields);
        if (auto* v = t.get("occurrences")) Occurrences(*v, "authorizations.occurrences", a.fields);
        if (auto* v = t.get("service")) Service(*v, "authorizations.service", a.service);
        return a;
    }

    Scenario Document(const toml::table& root) const {
        Scenario s;
        s.fileName = file_;
        OnlyKeys(root, "", {"entry", "function", "fields", "occurrences", "service", "enabled", "host", "card",
                            "authorizations"});
        const auto* entry = root.get("entry");
        if (!entry) throw ScenarioError(file_ + ":1: missing key 'entry' (the entry point to call)");
        s.entry = Text(*entry, "entry");
        if (!EntryPoints().count(s.entry)) Fail(entry->source(), "unknown entry point '" + s.entry + "'");
        if (auto* v = root.get("function")) s.function = static_cast<uint32_t>(Int(*v, "function", 0, 0xFFFFFFFFll));
        if (auto* v = root.get("fields")) Fields(*v, "fields", s.fields);
        if (auto* v = root.get("occurrences")) Occurrences(*v, "occurrences", s.fields);
        if (auto* v = root.get("service")) Service(*v, "service", s.service);
        if (auto* v = root.get("enabled")) {
            const auto& t = Table(*v, "enabled");
            OnlyKeys(t, "enabled", {"terminal", "intpos"});
            if (auto* x = t.get("terminal")) s.enabled.terminal = Codes(*x, "enabled.terminal");
            if (auto* x = t.get("intpos")) s.enabled.intpos = Codes(*x, "enabled.intpos");
        }
        if (auto* v = root.get("host")) Host(*v, s.host);
        if (auto* v = root.get("card")) Card(*v, s.card);
        if (auto* v = root.get("authorizations")) {
            const auto* arr = v->as_array();
            if (!arr) Fail(v->source(), "'authorizations' must be written as [[authorizations]] tables");
            for (const auto& item : *arr) s.authorizations.push_back(Authorization(item));
        }
        return s;
    }

private:
    std::string file_;
};

}  // namespace

Scenario ParseScenario(const std::string& tomlText, const std::string& fileName) {
    Reader reader(fileName);
    toml::table root;
    try {
        root = toml::parse(tomlText, fileName);
    } catch (const toml::parse_error& e) {
        reader.Fail(e.source(), std::string(e.description()));
    }
    return reader.Document(root);
}

Scenario LoadScenarioFile(const std::string& path) {
    std::string text, reason;
    if (!port::ReadWholeFile(path, text, reason)) throw ScenarioError(path + ": cannot read the scenario file: " + reason);
    return ParseScenario(text, path);
}

}  // namespace sim
