#pragma once
// Scratch folders for the installer's tests: in memory where the machine has it,
// as every settings write is synced to disk and the tests make thousands (and
// where programs may run from it: the end-to-end tests start the installer there).
#include <filesystem>
#include <string>

#ifdef _WIN32
#include "port/Os.h"
#else
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace instalatest {

inline std::string NovaPastaRascunho(const std::string& prefixo) {
#ifdef _WIN32
    return port::NewTempFolder(prefixo);
#else
    const std::filesystem::path memoria = "/dev/shm";
    std::error_code ec;
    struct statvfs fs {};
    const bool emMemoria = std::filesystem::is_directory(memoria, ec) && ::access(memoria.c_str(), W_OK) == 0 &&
                           ::statvfs(memoria.c_str(), &fs) == 0 && (fs.f_flag & ST_NOEXEC) == 0;
    std::string modelo = ((emMemoria ? memoria : std::filesystem::temp_directory_path()) / (prefixo + "XXXXXX")).string();
    return ::mkdtemp(modelo.data());
#endif
}

// Removes a scratch folder whatever the tests left in it: on Windows a
// read-only file cannot be deleted until it is made writable again.
inline void RemovePastaRascunho(const std::string& pasta) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(pasta, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(pasta, ec);
}

}  // namespace instalatest
