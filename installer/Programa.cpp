#include "Programa.h"

#ifndef _WIN32
#include <unistd.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
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

constexpr char kUso[] =
    "usage: Instala [CLIENT_FOLDER RUN_MODE [\"CONFIGURATION\"]]\n"
    "  RUN_MODE 0      attended: the window, the operator presses 1 (install) or 2 (cancel);\n"
    "                  also with fewer than two arguments or an unknown mode (the client folder\n"
    "                  is then the drive's \\Client)\n"
    "  RUN_MODE 1      unattended: applies the configuration, installs, answers every question Yes\n"
    "  RUN_MODE 2      applies the configuration only\n"
    "  CONFIGURATION   items KEY=VALUE separated by \";\" (Empresa, Terminal, PortaPinpad, IPVorix1..3,\n"
    "                  DirLeitIntPos, DirGravIntPos, NomeArqIntPos, ExtensArqIntPos,\n"
    "                  MensagemPadraoPinpad, PermiteCreditoDigitado, CBVivo,\n"
    "                  CreditoHabilitaRoteamentoParcelas)\n"
    "One run at a time works on a client folder: a second one says so and changes nothing.\n"
    "Every run ends with one line on standard error saying what it did.\n"
    "exit status:\n"
    "  0  done: installed (the settings carried over), or the configuration applied\n"
    "  1  the installation was not concluded (the log says at which step and why)\n"
    "  2  an item of the configuration was invalid; nothing was written or installed\n"
    "  3  run mode 0 without a terminal; nothing was done\n"
    "  4  the running client could not be asked to finish; nothing was installed\n"
    "  5  the configuration could not be written; no file was changed\n"
    "  6  cancelled by the operator\n"
    "  7  ZV_DRIVE_ROOT is not set (not on Windows)\n"
    "  8  another installation is running on the client folder; nothing was done\n"
    "  9  an interrupted change of the configuration files left a damaged record that\n"
    "     could not be settled; the log says which file holds which version\n"
    "  10 run mode 1 or 2 with an empty or blank CLIENT_FOLDER; nothing was done\n"
    "  11 the configuration named no item it knows; nothing was written or installed\n"
    "  12 a package started earlier (by a run that was killed, or on another client folder)\n"
    "     was still at work after the wait; nothing was restored, written or installed\n"
    "An unknown option prints this usage and ends with status 2.\n";

bool PedeAjuda(const std::vector<std::string>& argumentos) {
    return argumentos.size() == 1 && (argumentos[0] == "--help" || argumentos[0] == "-h" || argumentos[0] == "/?");
}

// No client folder starts with "-": a script that passes an option we do not
// know must not get the attended installer instead.
bool OpcaoDesconhecida(const std::vector<std::string>& argumentos) {
    return std::any_of(argumentos.begin(), argumentos.end(), [](const std::string& a) { return !a.empty() && a[0] == '-'; });
}

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
#ifdef __GLIBC__
    // A till's files are held one after another: each one's buffers go back to
    // the system when let go. The allocator would otherwise keep a freed one
    // of up to 32 MB in its heap beside the next file's.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
    try {
        const std::vector<std::string> argumentos(argv + 1, argv + argc);
        // A folder is never named so: the one argument asks for the usage.
        if (PedeAjuda(argumentos)) {
            std::fputs(kUso, stdout);
            return 0;
        }
        if (OpcaoDesconhecida(argumentos)) {
            std::fputs(kUso, stderr);
            return 2;
        }
        const std::string raiz = RaizDosDrives();
#ifndef _WIN32
        if (raiz.empty()) {
            std::fprintf(stderr, "Instala: ZV_DRIVE_ROOT precisa indicar a pasta que contém os drives (C é $ZV_DRIVE_ROOT/C); nada foi feito\n");
            return 7;
        }
#endif
        const std::unique_ptr<zvsys::System> sistema = criaSistema(raiz);
        if (LeArgumentos(argumentos).modo == "0") {
            if (!TemOperador()) {
                std::fprintf(stderr,
                             "Instala: o modo 0 (assistido) precisa de um operador no terminal; nada foi feito. "
                             "Use o modo 1 ou 2 para execução sem operador.\n");
                return 3;
            }
            return ExecutaJanela(*sistema, argumentos);
        }
        // Run modes "1" and "2" never show the window; their few boxes go to standard error.
        OperadorSemTerminal operador;
        Instalador instalador(*sistema, operador);
        instalador.FormCreate(argumentos);
        operador.Registra(instalador.Resumo());
        return CodigoSaida(instalador.Resultado());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Instala: %s\n", e.what());
        return 1;
    }
}

}  // namespace instala
