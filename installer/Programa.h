#pragma once
// The program Instala over a system layer it is given: the command line, the
// run modes (the window or standard error) and the exit status.
#include <functional>
#include <memory>
#include <string>

#include "system/PortableSystem.h"

namespace instala {

// Makes the system layer for the drive root ($ZV_DRIVE_ROOT).
using CriaSistema = std::function<std::unique_ptr<zvsys::PortableSystem>(const std::string& raiz)>;

int ExecutaPrograma(int argc, char** argv, const CriaSistema& criaSistema);

}  // namespace instala
