#include "ClientRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "sim/Catalogue.h"
#include "cp1252/Cp1252.h"

extern char** environ;

namespace e2e {
namespace {

std::string NewFolder() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zv-e2e-XXXXXX";
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder for the run");
    return pattern;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Runs the program with stdout and stderr into files of the folder.
int Spawn(const std::vector<std::string>& args, const std::string& folder) {
    std::vector<std::string> all = {ClientProgram()};
    if (const std::string runner = Environment("ZV_E2E_RUNNER"); !runner.empty()) all.insert(all.begin(), runner);
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // No operator: a run that waits for one must say so, not wait.
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, (folder + "/stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, (folder + "/stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + all[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

// What the program printed, its lines ended alike whichever platform's program printed them.
std::string Output(const std::string& path) {
    std::string text = ReadText(path);
    std::string::size_type at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos) text.erase(at, 1);
    return text;
}

}  // namespace

std::string ClientProgram() {
    const std::string chosen = Environment("ZV_E2E_CLIENT");
    return chosen.empty() ? ZV_CLIENTVORIX_PATH : chosen;
}

std::string ClientFolder() { return std::filesystem::path(ClientProgram()).parent_path().string(); }

ClientRun::ClientRun(ClientRun&& other) noexcept
    : status_(other.status_), stderr_(std::move(other.stderr_)), stdout_(std::move(other.stdout_)), folder_(std::move(other.folder_)),
      lines_(std::move(other.lines_)) {
    other.folder_.clear();
}

ClientRun::~ClientRun() {
    if (folder_.empty() || std::getenv("ZV_E2E_KEEP")) return;
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

ClientRun ClientRun::Execute(const std::string& scenarioToml, const std::string& script,
                             const std::vector<std::string>& extraArgs) {
    ClientRun run;
    run.folder_ = NewFolder();
    WriteFile(run.folder_ + "/scenario.toml", scenarioToml);
    WriteFile(run.folder_ + "/operator.txt", script);
    std::vector<std::string> args = {run.folder_ + "/scenario.toml", "--script", run.folder_ + "/operator.txt",
                                     "--journal", run.folder_ + "/journal.jsonl"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    run.status_ = Spawn(args, run.folder_);
    run.stderr_ = Output(run.folder_ + "/stderr");
    run.stdout_ = Output(run.folder_ + "/stdout");
    std::istringstream journal(ReadText(run.folder_ + "/journal.jsonl"));
    for (std::string line; std::getline(journal, line);) {
        if (!line.empty()) run.lines_.push_back(nlohmann::json::parse(line));
    }
    return run;
}

ClientRun ClientRun::WithArgs(const std::vector<std::string>& args) {
    ClientRun run;
    run.folder_ = NewFolder();
    run.status_ = Spawn(args, run.folder_);
    run.stderr_ = Output(run.folder_ + "/stderr");
    run.stdout_ = Output(run.folder_ + "/stdout");
    return run;
}

std::vector<nlohmann::json> ClientRun::Calls(const std::string& fn) const {
    std::vector<nlohmann::json> out;
    for (const auto& l : lines_) {
        if (l.value("t", "") == "call" && l.value("fn", "") == fn) out.push_back(l);
    }
    return out;
}

std::vector<std::string> ClientRun::Forms(const std::string& event) const {
    std::vector<std::string> out;
    for (const auto& l : lines_) {
        if (l.value("t", "") == "form" && l.value("event", "") == event) out.push_back(l.value("name", ""));
    }
    return out;
}

std::vector<nlohmann::json> ClientRun::Boxes() const {
    std::vector<nlohmann::json> out;
    for (const auto& l : lines_) {
        if (l.value("t", "") == "box") out.push_back(l);
    }
    return out;
}

std::vector<std::string> ClientRun::BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& b : Boxes()) out.push_back(b.value("text", ""));
    return out;
}

std::vector<std::string> ClientRun::ErrorReports() const {
    std::vector<std::string> out;
    for (const auto& c : Calls("EnviaArquivoErroPDV")) out.push_back(c["args"][1].get<std::string>());
    return out;
}

nlohmann::json ClientRun::FinalFields() const {
    if (lines_.empty() || lines_.back().value("t", "") != "fields") return nlohmann::json::object();
    return lines_.back()["fields"];
}

std::vector<std::string> RecordTexts(const nlohmann::json& call) {
    std::vector<std::string> out;
    for (const auto& e : call["record"]["entries"]) {
        if (e.contains("text")) out.push_back(e["text"].get<std::string>());
    }
    return out;
}

std::string ClientRun::Field(const std::string& number) const {
    const auto fields = FinalFields();
    return fields.contains(number) && fields[number].is_string() ? fields[number].get<std::string>() : "(absent)";
}

int ClientRun::ModalResult(const std::string& form) const {
    for (const auto& l : lines_) {
        if (l.value("t", "") == "form" && l.value("event", "") == "close" && l.value("name", "") == form) {
            return l.value("modal_result", -1);
        }
    }
    return -1;
}

std::vector<nlohmann::json> ClientRun::Versions() const {
    std::vector<nlohmann::json> out;
    for (const auto& l : lines_) {
        if (l.value("t", "") == "package" && l.value("fn", "") == "ObtemVersao") out.push_back(l["result"]);
    }
    return out;
}

std::string Message(int number) { return cp1252::Cp1252ToUtf8(sim::MessageText(number)); }

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace e2e
