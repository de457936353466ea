// Instala: installs and configures the modular client on a till.
//   Instala [<client folder> <run mode> ["<configuration>"]]
//   Instala --help
// Exit status: 0 done, 1 installation not concluded, 2 invalid configuration
// item, 3 attended run without a terminal, 4 the running client could not be
// asked to finish, 5 the configuration could not be written, 6 cancelled by
// the operator, 7 ZV_DRIVE_ROOT not set (not on Windows, where the drives are
// real), 8 another installation is running on the client folder, 9 a damaged
// record of an interrupted change of the configuration files, 10 run mode 1 or
// 2 with an empty or blank client folder.
#include "Programa.h"

int main(int argc, char** argv) { return instala::ExecutaPrograma(argc, argv, instala::SistemaDaMaquina); }
