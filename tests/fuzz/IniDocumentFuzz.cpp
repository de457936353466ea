// The ini document: read and written back unchanged it is the same bytes
// (UTF-16LE ones too); one key set and written, read back, holds the value
// while every other line keeps its bytes and every other key its value; a
// refused change changes nothing; a batch of changes in one pass writes what
// one change after another writes; and every key carried into an empty file
// reads back there as it read in its own.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "profile/CaseFold.h"
#include "profile/IniDocument.h"

namespace {

using profile::IniDocument;

// Blanks as the profile functions trim them: spaces, tabs and vertical tabs.
std::string Trim(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\v");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\v") - a + 1);
}

// What a key line's value reads as: trimmed, a pair of quotes around it dropped.
std::string Lido(const std::string& valor) {
    std::string v = Trim(valor);
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) v = v.substr(1, v.size() - 2);
    return v;
}

bool QuebraLinha(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

// Whether a change may be made: names present, nothing that would break the
// line structure of the file.
bool Aceitavel(const IniDocument::Entry& e) {
    return !e.section.empty() && !e.key.empty() && !QuebraLinha(e.section) && !QuebraLinha(e.key) &&
           !QuebraLinha(e.value) && e.section.find(']') == std::string::npos && e.key.find('=') == std::string::npos &&
           e.key[0] != ';' && e.key[0] != '[';
}

// The file's lines, each with its line end.
std::vector<std::string> Linhas(const std::string& bytes) {
    std::vector<std::string> linhas;
    size_t pos = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (pos < bytes.size()) {
        size_t fim = bytes.find_first_of("\r\n", pos);
        if (fim == std::string::npos) fim = bytes.size();
        else fim += (bytes[fim] == '\r' && fim + 1 < bytes.size() && bytes[fim + 1] == '\n') ? 2 : 1;
        linhas.push_back(bytes.substr(pos, fim - pos));
        pos = fim;
    }
    return linhas;
}

std::string SemFimDeLinha(const std::string& linha) { return linha.substr(0, linha.find_first_of("\r\n")); }

// Between the old and the new file only the changed key's line, a new key line
// or a new section with its key may differ; a last line without a line end
// may gain one.
void SoUmaLinhaMudou(const std::string& antes, const std::string& depois, const std::string& linhaChave,
                     const std::string& cabecalho) {
    const auto a = Linhas(antes), d = Linhas(depois);
    if (antes == depois) {
        // The key already held the value, written the same way.
        ZV_FUZZ_CHECK(std::any_of(d.begin(), d.end(), [&](const std::string& l) { return SemFimDeLinha(l) == linhaChave; }));
        return;
    }
    size_t inicio = 0;
    while (inicio < a.size() && inicio < d.size() && a[inicio] == d[inicio]) ++inicio;
    size_t fimA = a.size(), fimD = d.size();
    while (fimA > inicio && fimD > inicio && a[fimA - 1] == d[fimD - 1]) --fimA, --fimD;
    // An old last line that only gained its line end counts as kept.
    if (fimA - inicio == 1 && fimA == a.size() && fimD > inicio && SemFimDeLinha(a[inicio]) == a[inicio] &&
        SemFimDeLinha(d[inicio]) == a[inicio] && d[inicio] != a[inicio]) {
        ++inicio;
    }
    const size_t trocadas = fimA - inicio, novas = fimD - inicio;
    ZV_FUZZ_CHECK(trocadas <= 1);
    if (trocadas == 1) ZV_FUZZ_CHECK(novas == 1);
    ZV_FUZZ_CHECK(novas >= 1 && novas <= 2);
    ZV_FUZZ_CHECK(SemFimDeLinha(d[fimD - 1]) == linhaChave);
    if (novas == 2) ZV_FUZZ_CHECK(SemFimDeLinha(d[inicio]) == cabecalho);
}

// Lines that end in a lone CR (the file's own convention) beside LF line ends.
bool CrSozinhoComLf(std::string texto) {
    std::erase(texto, '\0');  // a UTF-16LE file's line ends, as bytes
    const size_t primeiro = texto.find_first_of("\r\n");
    const bool crSozinho = primeiro != std::string::npos && texto[primeiro] == '\r' &&
                           (primeiro + 1 == texto.size() || texto[primeiro + 1] != '\n');
    return crSozinho && texto.find('\n') != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider entrada(data, size);
    // Names without the blanks around them: those are not part of a name.
    std::vector<IniDocument::Entry> mudancas(entrada.ConsumeIntegralInRange(1, 3));
    for (auto& m : mudancas) {
        m.section = Trim(entrada.ConsumeRandomLengthString(24));
        m.key = Trim(entrada.ConsumeRandomLengthString(24));
        m.value = entrada.ConsumeRandomLengthString(40);
    }
    const std::string bytes = entrada.ConsumeRemainingBytesAsString();

    const IniDocument original = IniDocument::Parse(bytes);
    ZV_FUZZ_CHECK(original.Serialize() == bytes);
    // The mark alone decides the encoding, whatever the length.
    ZV_FUZZ_CHECK(original.Utf16() == (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE'));

    // One change, written and read back.
    const IniDocument::Entry& m = mudancas[0];
    IniDocument doc = original;
    const bool aceito = doc.Set(m.section, m.key, m.value);
    ZV_FUZZ_CHECK(aceito == Aceitavel(m));
    const std::string escrito = doc.Serialize();
    if (!aceito) {
        ZV_FUZZ_CHECK(escrito == bytes);
    } else {
        const IniDocument relido = IniDocument::Parse(escrito);
        ZV_FUZZ_CHECK(relido.Serialize() == escrito);
        ZV_FUZZ_CHECK(relido.Get(m.section, m.key) == Lido(m.value));
        // A UTF-16LE file's lines are two-byte units holding converted text:
        // the profile's tests check its untouched lines; here its values.
        if (!original.Utf16()) SoUmaLinhaMudou(bytes, escrito, m.key + "=" + m.value, "[" + m.section + "]");
        for (const auto& e : original.Entries()) {
            if (profile::EqualsNoCase(e.section, m.section) && profile::EqualsNoCase(e.key, m.key)) continue;
            ZV_FUZZ_CHECK(relido.Get(e.section, e.key) == e.value);
        }
    }

    // The rest of the batch one after another, against the batch in one pass.
    for (size_t i = 1; i < mudancas.size(); ++i) doc.Set(mudancas[i].section, mudancas[i].key, mudancas[i].value);
    IniDocument lote = original;
    lote.SetAll(mudancas);
    // Known and left: in a file whose lines end in a lone CR but which also
    // holds LF line ends, a key line written just before a blank LF line joins
    // its CR to that LF, and the batch and one write after another then place
    // that blank line differently (every value still reads the same).
    if (!CrSozinhoComLf(bytes)) ZV_FUZZ_CHECK(lote.Serialize() == doc.Serialize());

    // Values travel as stored, quotes and all: they read back the same.
    IniDocument levado;
    levado.CopyFrom(original);
    const IniDocument relido = IniDocument::Parse(levado.Serialize());
    for (const auto& e : original.Entries()) {
        if (e.value.empty() || Trim(e.section).empty()) continue;
        ZV_FUZZ_CHECK(relido.Get(e.section, e.key) == e.value);
    }
    return 0;
}
