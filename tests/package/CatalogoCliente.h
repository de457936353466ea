#pragma once
// The stand-in client's catalogue as the oracle of the texts the package
// shows: a test expects what the client's catalogue says, never what the
// package's own lookup makes of it.
#include <string>
#include <vector>

#include "sim/Catalogue.h"
#include "cp1252/Cp1252.h"

namespace zvtest {

// Message `numero` in CP1252, as the package receives it, with each "%s"
// taken by the next of `args` (CP1252 too).
inline std::string CatalogoCp1252(int numero, const std::vector<std::string>& args = {}) {
    const std::string formato = sim::MessageText(numero);
    std::string texto;
    size_t proximo = 0;
    for (size_t i = 0; i < formato.size(); ++i) {
        if (formato.compare(i, 2, "%s") == 0) {
            if (proximo < args.size()) texto += args[proximo];
            ++proximo;
            ++i;
        } else {
            texto += formato[i];
        }
    }
    return texto;
}

// The same text in UTF-8, as the journal shows it.
inline std::string CatalogoUtf8(int numero, const std::vector<std::string>& args = {}) {
    return cp1252::Cp1252ToUtf8(CatalogoCp1252(numero, args));
}

}  // namespace zvtest
