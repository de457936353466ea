// Instala: installs and configures the modular client on a till.
//   Instala [<client folder> <run mode> ["<configuration>"]]
// Exit status: 0 done, 1 installation not concluded, 2 invalid configuration
// item, 3 attended run without a terminal, 4 the running client could not be
// asked to finish, 5 the configuration could not be written, 6 cancelled by
// the operator, 7 ZV_DRIVE_ROOT not set (not on Windows, where the drives are real).
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "Instalador.h"
#include "Main.h"
#include "OperadorSemTerminal.h"
#include "SelecionaPasta.h"
#ifdef _WIN32
#include "system/Win32System.h"
#else
#include "system/PortableSystem.h"
#endif

namespace {

// Attended runs need an operator: a terminal here, the desktop on Windows.
#ifdef _WIN32
class SistemaDaMaquina : public zvsys::Win32System {
public:
    static bool Pronto() { return true; }
    bool TemOperador() const { return true; }
    void PreparaJanela() {}
};
#else
class SistemaDaMaquina : public zvsys::PortableSystem {
public:
    SistemaDaMaquina() : PortableSystem(std::getenv("ZV_DRIVE_ROOT")) {}
    static bool Pronto() {
        const char* raiz = std::getenv("ZV_DRIVE_ROOT");
        return raiz != nullptr && *raiz != '\0';
    }
    bool TemOperador() const { return ::isatty(0) != 0 && ::isatty(1) != 0; }
    void PreparaJanela() { SetFolderPrompt(instala::SelecionaPasta); }
};
#endif

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> argumentos(argv + 1, argv + argc);
        if (!SistemaDaMaquina::Pronto()) {
            std::fprintf(stderr, "Instala: ZV_DRIVE_ROOT must name the folder that holds the drives (C is $ZV_DRIVE_ROOT/C)\n");
            return 7;
        }
        SistemaDaMaquina sistema;
        if (instala::LeArgumentos(argumentos).modo == "0") {
            if (!sistema.TemOperador()) {
                std::fprintf(stderr,
                             "Instala: o modo 0 (assistido) precisa de um operador no terminal; nada foi feito. "
                             "Use o modo 1 ou 2 para execucao sem operador.\n");
                return 3;
            }
            sistema.PreparaJanela();
            return instala::ExecutaJanela(sistema, argumentos);
        }
        // Run modes "1" and "2" never show the window; their few boxes go to standard error.
        instala::OperadorSemTerminal operador;
        instala::Instalador instalador(sistema, operador);
        instalador.FormCreate(argumentos);
        return instala::CodigoSaida(instalador.Resultado());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Instala: %s\n", e.what());
        return 1;
    }
}
