#pragma once
// A scenario: what the client holds before the call and how its libraries
// answer. Read from TOML (clientvorix/scenarios/README.md lists every key and
// its default); every default lets a plain approved sale go through.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace sim {

// "file:line: problem"; a program stops on it with status 2.
class ScenarioError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field value placed in the store (bytes in CP1252).
struct FieldValue {
    int field = 0;
    int index = 0;
    std::string bytes;
};

// Service data: service-5 tags with their values, service-4 codes and the
// service Q entries (sub-code -> content), all in CP1252.
struct ServiceValues {
    std::map<std::string, std::string> tags;
    std::set<std::string> codes;
    std::map<std::string, std::string> q;
};

struct EnabledTables {
    std::optional<std::set<int>> terminal;  // nullopt = every code enabled
    std::optional<std::set<int>> intpos;
};

// Fail: every call answers as a failed one (status 1, false, 0) and fills
// nothing. ThrowNext and ThrowEvery make the next call, or every call, throw
// out of the library, which no real client's library does: the package's
// tests plant an error inside an export with it, never a scenario file (and
// not on 32-bit Windows, see kPlantedThrowsLeaveLibraries).
enum class CallFault { None, Fail, ThrowNext, ThrowEvery };

struct HostAnswers {
    bool permiteAlterarDados = true;
    bool chipContato = false;
    bool taxaServico = false;
    bool taxaServicoValida = true;
    bool embarque = false;
    std::optional<std::string> versaoCliente;  // Cliente.ini is written only when given
    std::string buildInfo = "1.0.0.1";
    // Fault injection: the client refuses (status 1, nothing stored) every
    // write of these fields, through GravaCampoString and FosdalGravaCampo.
    std::set<int> refusedWrites;
    // Fault injection for every call of the five libraries (see CallFault).
    CallFault callFault = CallFault::None;
};

struct CardAnswers {
    std::vector<int> read{0};
    std::vector<int> pin{0};
    std::vector<bool> emv{true};
    std::vector<bool> processing{true};
    bool advice = false;
    std::vector<bool> bins{true};
    std::string binsRefusal = "CARTAO NAO PERMITIDO";  // field 1027 when a BIN query fails
    std::vector<int> verdict{0};
    std::vector<bool> referral{true};
};

// One answer of AutorizaTransacao.
struct AuthorizationAnswer {
    bool result = true;
    std::vector<FieldValue> fields;
    ServiceValues service;
};

struct Scenario {
    std::string fileName = "<default>";
    std::string entry = "ExecutaVenda";
    uint32_t function = 0;
    std::vector<FieldValue> fields;
    ServiceValues service;
    EnabledTables enabled;
    HostAnswers host;
    CardAnswers card;
    std::vector<AuthorizationAnswer> authorizations;  // empty = always approved
};

// The entry points a scenario may name.
const std::set<std::string>& EntryPoints();

// Parses TOML text; throws ScenarioError("file:line: problem") on a syntax
// error, an unknown key, a value of the wrong type or a bad field number.
Scenario ParseScenario(const std::string& tomlText, const std::string& fileName);
// Reads and parses a file; a file that cannot be read is a ScenarioError too.
Scenario LoadScenarioFile(const std::string& path);

}  // namespace sim
