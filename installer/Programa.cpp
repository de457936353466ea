#include "Programa.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <exception>
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

namespace instala {

namespace {

#ifdef _WIN32
// The drives are real, and an attended run has the desktop.
std::string RaizDosDrives() { return {}; }
bool TemOperador() { return true; }
#else
// Empty when $ZV_DRIVE_ROOT is not set: the drives have nowhere to be.
std::string RaizDosDrives() {
    const char* raiz = std::getenv("ZV_DRIVE_ROOT");
    return raiz != nullptr ? raiz : "";
}
bool TemOperador() { return ::isatty(0) != 0 && ::isatty(1) != 0; }
#endif

}  // namespace

std::unique_ptr<zvsys::System> SistemaDaMaquina(const std::string& raiz) {
#ifdef _WIN32
    (void)raiz;
    return std::make_unique<zvsys::Win32System>();
#else
    auto sistema = std::make_unique<zvsys::PortableSystem>(raiz);
    sistema->SetFolderPrompt(SelecionaPasta);
    return sistema;
#endif
}

int ExecutaPrograma(int argc, char** argv, const CriaSistema& criaSistema) {
    try {
        const std::vector<std::string> argumentos(argv + 1, argv + argc);
        const std::string raiz = RaizDosDrives();
#ifndef _WIN32
        if (raiz.empty()) {
            std::fprintf(stderr, "Instala: ZV_DRIVE_ROOT must name the folder that holds the drives (C is $ZV_DRIVE_ROOT/C)\n");
            return 7;
        }
#endif
        const std::unique_ptr<zvsys::System> sistema = criaSistema(raiz);
        if (LeArgumentos(argumentos).modo == "0") {
            if (!TemOperador()) {
                std::fprintf(stderr,
                             "Instala: o modo 0 (assistido) precisa de um operador no terminal; nada foi feito. "
                             "Use o modo 1 ou 2 para execucao sem operador.\n");
                return 3;
            }
            return ExecutaJanela(*sistema, argumentos);
        }
        // Run modes "1" and "2" never show the window; their few boxes go to standard error.
        OperadorSemTerminal operador;
        Instalador instalador(*sistema, operador);
        instalador.FormCreate(argumentos);
        return CodigoSaida(instalador.Resultado());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Instala: %s\n", e.what());
        return 1;
    }
}

}  // namespace instala
