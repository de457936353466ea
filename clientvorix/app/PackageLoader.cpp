#include "PackageLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace clientvorix {

Package::Package(const std::string& path) : path_(path) {
    if (::access(path.c_str(), F_OK) != 0) throw PackageError("package not found: " + path);
    handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = ::dlerror();
        throw PackageError("cannot load the package " + path + ": " + (why ? why : "unknown reason"));
    }
    try {
        initialize_ = reinterpret_cast<void (*)()>(Symbol("Initialize"));
        finalize_ = reinterpret_cast<void (*)()>(Symbol("Finalize"));
        Symbol("GetPackageInfoTable");
        version_ = reinterpret_cast<Version>(Symbol("ObtemVersao"));
        clientVersion_ = reinterpret_cast<ClientVersion>(::dlsym(handle_, "ObtemVersaoModuloPrincipalIni"));
        for (const char* name : {"ExecutaVenda", "ExecutaFuncaoADM", "ExecutaGenerico", "ExecutaConsultaCheque",
                                 "ExecutaPreAutorizacao"}) {
            entries_[name] = reinterpret_cast<Entry>(Symbol(name));
        }
    } catch (...) {
        ::dlclose(handle_);
        throw;
    }
}

// The package stays mapped until the process ends: the form library may
// still hold what the package gave it (screens left open by an aborted
// script, handlers), and running their code after an unload would crash.
Package::~Package() = default;

void* Package::Symbol(const char* name) const {
    void* s = ::dlsym(handle_, name);
    if (!s) throw PackageError("the package " + path_ + " does not export " + name);
    return s;
}

Package::Entry Package::EntryPoint(const std::string& name) const {
    auto it = entries_.find(name);
    if (it == entries_.end()) throw PackageError("the package has no entry point " + name);
    return it->second;
}

std::string ProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string exe(buf, static_cast<std::size_t>(n));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? "." : exe.substr(0, slash);
}

std::string DefaultPackagePath() { return ProgramFolder() + "/Zentravela.so"; }

}  // namespace clientvorix
