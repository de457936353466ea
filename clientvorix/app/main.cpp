#include <string>
#include <vector>

#include "ClientProgram.h"

int main(int argc, char** argv) {
    return clientvorix::Run(std::vector<std::string>(argv + 1, argv + argc));
}
