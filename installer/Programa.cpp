#include "Programa.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <vector>

#include "Instalador.h"
#include "Main.h"
#include "OperadorSemTerminal.h"
#include "SelecionaPasta.h"

namespace instala {

int ExecutaPrograma(int argc, char** argv, const CriaSistema& criaSistema) {
    try {
        const std::vector<std::string> argumentos(argv + 1, argv + argc);
        const char* raiz = std::getenv("ZV_DRIVE_ROOT");
        if (raiz == nullptr || *raiz == '\0') {
            std::fprintf(stderr, "Instala: ZV_DRIVE_ROOT must name the folder that holds the drives (C is $ZV_DRIVE_ROOT/C)\n");
            return 7;
        }
        const std::unique_ptr<zvsys::PortableSystem> sistema = criaSistema(raiz);
        const bool terminal = ::isatty(0) != 0 && ::isatty(1) != 0;
        if (LeArgumentos(argumentos).modo == "0") {
            if (!terminal) {
                std::fprintf(stderr,
                             "Instala: o modo 0 (assistido) precisa de um operador no terminal; nada foi feito. "
                             "Use o modo 1 ou 2 para execucao sem operador.\n");
                return 3;
            }
            sistema->SetFolderPrompt(SelecionaPasta);
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
