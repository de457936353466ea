#include "ClientIni.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace clientvorix {
namespace {

bool WriteWhole(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

ClientIni::ClientIni(const std::string& folder, const std::string& versionCp1252)
    : path_(folder + "/Cliente.ini") {
    if (std::ifstream in{path_, std::ios::binary}) {
        std::ostringstream old;
        old << in.rdbuf();
        previous_ = old.str();
    }
    if (!WriteWhole(path_, "[CLIENTVORIX]\r\nVERSAO=" + versionCp1252 + "\r\n")) {
        throw std::runtime_error("cannot write " + path_);
    }
}

ClientIni::~ClientIni() {
    if (previous_) WriteWhole(path_, *previous_);
    else std::remove(path_.c_str());
}

}  // namespace clientvorix
