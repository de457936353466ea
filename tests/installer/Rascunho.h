#pragma once
// Scratch folders for the installer's tests: in memory where the machine has it,
// as every settings write is synced to disk and the tests make thousands (and
// where programs may run from it: the end-to-end tests start the installer there).
#include <string>

#ifdef _WIN32
#include "port/Os.h"
#else
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#endif

namespace instala::teste {

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

}  // namespace instala::teste
