#pragma once
// The package file, opened as the client opens a transaction package: every
// entry point resolved up front, so a broken package is reported before any
// operation starts.
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>

namespace clientvorix {

class PackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Package {
public:
    using Entry = void (*)(uint32_t handle, uint32_t function);
    using Version = void (*)(char* first, int32_t firstCapacity, char* module, int32_t moduleCapacity);

    // dlopen()s with every symbol bound now; throws PackageError naming the
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
    using ClientVersion = void (*)(char* version, int32_t capacity);
    ClientVersion ObtemVersaoModuloPrincipalIni() const { return clientVersion_; }

private:
    void* Symbol(const char* name) const;
    std::string path_;
    void* handle_ = nullptr;
    void (*initialize_)() = nullptr;
    void (*finalize_)() = nullptr;
    Version version_ = nullptr;
    ClientVersion clientVersion_ = nullptr;
    std::map<std::string, Entry> entries_;
};

// Zentravela.so in the folder of the running program.
std::string DefaultPackagePath();
// The folder of the running program.
std::string ProgramFolder();

}  // namespace clientvorix
