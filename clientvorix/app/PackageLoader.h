#pragma once
// The package file, opened as the client opens a transaction package: every
// entry point resolved up front, so a broken package is reported before any
// operation starts.
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

#include "entry/Zentravela.h"
#include "port/Os.h"

namespace clientvorix {

class PackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Package {
public:
    // The package's own declarations of its exports: one calling convention for both sides.
    using Entry = ZvEntryProc;
    using Version = ZvVersionProc;

    // Loads it with every symbol bound now; throws PackageError naming the
    // file and what is missing.
    explicit Package(const std::string& path);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    void Initialize() const { initialize_(); }
    void Finalize() const { finalize_(); }
    Entry EntryPoint(const std::string& name) const;
    Version ObtemVersao() const { return version_; }
    // The client version the package reads from Cliente.ini; null when the
    // package does not export it.
    using ClientVersion = ZvClientVersionProc;
    ClientVersion ObtemVersaoModuloPrincipalIni() const { return clientVersion_; }

private:
    void* Symbol(const char* name) const;
    std::string path_;
    port::Library library_;
    ZvLoaderProc initialize_ = nullptr;
    ZvLoaderProc finalize_ = nullptr;
    Version version_ = nullptr;
    ClientVersion clientVersion_ = nullptr;
    std::map<std::string, Entry> entries_;
};

// The package (Zentravela.so, on Windows Zentravela.bpl) in the folder of the running program.
std::string DefaultPackagePath();
// The folder of the running program.
std::string ProgramFolder();

}  // namespace clientvorix
