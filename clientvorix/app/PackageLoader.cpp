#include "PackageLoader.h"

namespace clientvorix {

#ifdef _WIN32
constexpr const char* kPackageFile = "Zentravela.bpl";
#else
constexpr const char* kPackageFile = "Zentravela.so";
#endif

// The package stays mapped until the process ends: the form library may
// still hold what the package gave it (screens left open by an aborted
// script, handlers), and running their code after an unload would crash.
Package::Package(const std::string& path) : path_(path) {
    if (!port::FileExists(path)) throw PackageError("package not found: " + path);
    library_ = port::Library::Load(path);
    if (!library_.Loaded()) throw PackageError("cannot load the package " + path + ": " + library_.Error());
    initialize_ = reinterpret_cast<decltype(initialize_)>(Symbol("Initialize"));
    finalize_ = reinterpret_cast<decltype(finalize_)>(Symbol("Finalize"));
    Symbol("GetPackageInfoTable");
    version_ = reinterpret_cast<Version>(Symbol("ObtemVersao"));
    clientVersion_ = reinterpret_cast<ClientVersion>(library_.Symbol("ObtemVersaoModuloPrincipalIni"));
    for (const char* name : {"ExecutaVenda", "ExecutaFuncaoADM", "ExecutaGenerico", "ExecutaConsultaCheque",
                             "ExecutaPreAutorizacao"}) {
        entries_[name] = reinterpret_cast<Entry>(Symbol(name));
    }
}

Package::~Package() = default;

void* Package::Symbol(const char* name) const {
    void* s = library_.Symbol(name);
    if (!s) throw PackageError("the package " + path_ + " does not export " + name);
    return s;
}

Package::Entry Package::EntryPoint(const std::string& name) const {
    auto it = entries_.find(name);
    if (it == entries_.end()) throw PackageError("the package has no entry point " + name);
    return it->second;
}

std::string ProgramFolder() { return port::ProgramFolder(); }

std::string DefaultPackagePath() { return ProgramFolder() + "/" + kPackageFile; }

}  // namespace clientvorix
