#pragma once
// One run of the clientvorix program: the scenario and the script go to a
// fresh folder, the program runs with --journal, and the journal's lines are
// offered as queries.
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace e2e {

class ClientRun {
public:
    // Runs clientvorix on `scenarioToml` with `script` (a script is always
    // passed, so the run is headless); `extraArgs` are added at the end.
    static ClientRun Execute(const std::string& scenarioToml, const std::string& script,
                             const std::vector<std::string>& extraArgs = {});
    // Runs the program with exactly these arguments (for command-line checks).
    static ClientRun WithArgs(const std::vector<std::string>& args);

    ClientRun() = default;
    ClientRun(ClientRun&& other) noexcept;
    ClientRun& operator=(ClientRun&&) = delete;
    // Removes the run's folder (kept when ZV_E2E_KEEP is set, for a look after a failure).
    ~ClientRun();

    int ExitStatus() const { return status_; }
    const std::string& Stderr() const { return stderr_; }
    const std::string& Stdout() const { return stdout_; }
    const std::vector<nlohmann::json>& Lines() const { return lines_; }
    const std::string& Folder() const { return folder_; }

    // The host calls of one function, in order.
    std::vector<nlohmann::json> Calls(const std::string& fn) const;
    // Names of the forms with that event ("create", "show", "close"), in order.
    std::vector<std::string> Forms(const std::string& event) const;
    std::vector<nlohmann::json> Boxes() const;
    // The texts of the message boxes, in order.
    std::vector<std::string> BoxTexts() const;
    // Texts handed to EnviaArquivoErroPDV.
    std::vector<std::string> ErrorReports() const;
    // The final field store (the journal's last line), empty when missing.
    nlohmann::json FinalFields() const;
    // One field of the final store as text; "(absent)" when the store lacks it.
    std::string Field(const std::string& number) const;
    // The modal result the form closed with; -1 when it never closed.
    int ModalResult(const std::string& form) const;
    // What the package answered to ObtemVersao, in order.
    std::vector<nlohmann::json> Versions() const;

private:
    int status_ = -1;
    std::string stderr_;
    std::string stdout_;
    std::string folder_;
    std::vector<nlohmann::json> lines_;
};

// The text entries of the transaction record a call carried, in order.
std::vector<std::string> RecordTexts(const nlohmann::json& call);
// The program under test: the one ZV_E2E_CLIENT names, run through the
// program ZV_E2E_RUNNER names when set (scripts/wine-run for the Windows
// build), else this build's clientvorix. The same cases run against either.
std::string ClientProgram();
// The folder the program under test runs from.
std::string ClientFolder();

// A catalogue text as the journal shows it (UTF-8).
std::string Message(int number);
// A file's whole content ("" when it cannot be read).
std::string ReadText(const std::string& path);

}  // namespace e2e
