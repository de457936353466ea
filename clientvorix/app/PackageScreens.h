#pragma once
// How the package's screens get this run's backend and its observers. On
// Linux the package shares the program's form model, so they are set on the
// one application. On Windows the package carries its own form model: the
// program hands its choice over through the link it exports (forms/HostLink.h).
#include <memory>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "forms/FormObserver.h"
#include "forms/backends/HeadlessBackend.h"

namespace clientvorix {

class PackageScreens {
public:
    // Throws std::runtime_error when the chosen UI cannot be had here.
    PackageScreens(const Options& o, std::vector<forms::ScriptAction> script);
    ~PackageScreens();
    PackageScreens(const PackageScreens&) = delete;
    PackageScreens& operator=(const PackageScreens&) = delete;

    // Observers stay attached while this object lives.
    void AddObserver(forms::FormObserver& observer);

    // The first snapshot that could not be written, "" when none (or none asked).
    std::string SnapshotFailure() const;

    // The operator script's abort, read after the package returned.
    bool Aborted() const;
    int AbortCode() const;
    std::string AbortMessage() const;
    // The script line of the first action the run never took, 0 when none.
    int UnusedScriptLine() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace clientvorix
