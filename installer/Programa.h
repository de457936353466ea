#pragma once
// The program Instala over a system layer it is given: the command line, the
// run modes (the window or standard error) and the exit status.
#include <functional>
#include <memory>
#include <string>

#include "system/System.h"

namespace instala {

// Makes the system layer. Off Windows the drives are folders under a root
// ($ZV_DRIVE_ROOT), handed in here; on Windows the root is empty.
using CriaSistema = std::function<std::unique_ptr<zvsys::System>(const std::string& raiz)>;

int ExecutaPrograma(int argc, char** argv, const CriaSistema& criaSistema);

// The system layer of the machine the program runs on.
std::unique_ptr<zvsys::System> SistemaDaMaquina(const std::string& raiz);

}  // namespace instala
