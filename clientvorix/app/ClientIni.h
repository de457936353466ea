#pragma once
// "Cliente.ini" beside the program, holding the client version the package
// reads. Written only for the run that asks for it; whatever was there before
// is put back afterwards, byte for byte.
#include <optional>
#include <string>

namespace clientvorix {

class ClientIni {
public:
    // Writes [CLIENTVORIX] VERSAO=version into folder/Cliente.ini; throws
    // std::runtime_error when it cannot.
    ClientIni(const std::string& folder, const std::string& versionCp1252);
    ~ClientIni();
    ClientIni(const ClientIni&) = delete;
    ClientIni& operator=(const ClientIni&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::optional<std::string> previous_;
};

}  // namespace clientvorix
