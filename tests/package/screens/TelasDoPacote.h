#pragma once
// The package's screens as its sources declare them, so that a screen added
// there is seen by the tests without a list kept by hand.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

namespace zvtest {

// Each line of the package's files of the given extension that matches `padrao`, by its first group.
inline std::set<std::string> ProcuraNoPacote(const std::string& extensao, const std::regex& padrao) {
    namespace fs = std::filesystem;
    std::set<std::string> achados;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(ZV_SOURCE_DIR) / "package")) {
        if (e.path().extension() != extensao) continue;
        std::ifstream in(e.path());
        for (std::string linha; std::getline(in, linha);)
            for (std::sregex_iterator m(linha.begin(), linha.end(), padrao), fim; m != fim; ++m) achados.insert((*m)[1]);
    }
    return achados;
}

// The screen classes (`class TFrm... : public ...` in a header) that no other
// screen class builds on: the screens the operator sees.
inline std::set<std::string> ClassesDeTela() {
    const std::regex declaracao(R"(^class (TFrm\w+) : public)");
    const std::regex base(R"(^class \w+ : public (?:\w+<)?(\w+))");
    std::set<std::string> telas = ProcuraNoPacote(".h", declaracao);
    for (const std::string& b : ProcuraNoPacote(".h", base)) telas.erase(b);
    return telas;
}

// The class names the package's code asks the form runner for ("TFrmVis_Crd").
inline std::set<std::string> ClassesPedidasPorNome() {
    return ProcuraNoPacote(".cpp", std::regex(R"re("(TFrm\w+)")re"));
}

}  // namespace zvtest
