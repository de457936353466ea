#pragma once
// Builders of transaction definition records, so each unit can write its
// record as the list of entries it sends and get the fixed 31-entry layout.
#include <cstddef>
#include <cstdint>

#include "host/RegistroTransacao.h"

namespace zv::registro {

// A host field without a tag.
constexpr ZvTrnEntry Campo(uint32_t campo) { return ZvTrnEntry{campo, 0, 0, 0, nullptr}; }
// A host field with the tag that goes with it ("CICLOS:", "CPF:", "ENTRYMD:").
constexpr ZvTrnEntry CampoTag(uint32_t campo, const char* tag) { return ZvTrnEntry{campo, 0, 0, 0, tag}; }
// A host field with its second attribute (4 amounts, 8 the cancelled date).
constexpr ZvTrnEntry CampoAttr2(uint32_t campo, uint16_t attr2) {
    return ZvTrnEntry{campo, 0, attr2, 0, nullptr};
}
// A host field with its third attribute (255 host-filled fields, 4 the cancelled document).
constexpr ZvTrnEntry CampoAttr3(uint32_t campo, uint8_t attr3) {
    return ZvTrnEntry{campo, 0, 0, attr3, nullptr};
}
// A text entry: a constant or one of the units' text buffers.
constexpr ZvTrnEntry Texto(const char* texto) { return ZvTrnEntry{ZV_TRN_TEXT_ENTRY, 0, 0, 0, texto}; }
constexpr ZvTrnEntry FimLista() { return ZvTrnEntry{ZV_TRN_END_OF_LIST, 0, 0, 0, nullptr}; }
// What fills the list after its end: read by nobody.
constexpr ZvTrnEntry Vazia() { return ZvTrnEntry{0, 0, 0, 0, ""}; }

// The record: the entries in order, the end marker, then `resto` up to the
// 31st entry. A list too long for the record does not compile.
template <size_t N>
constexpr ZvTrnRecord Registro(uint16_t codigo, uint8_t financeiro, const ZvTrnEntry (&entradas)[N],
                               ZvTrnEntry resto = Vazia()) {
    static_assert(N < ZV_TRN_ENTRIES, "the list and its end marker must fit the record");
    ZvTrnRecord r{codigo, financeiro, 0, {}};
    for (size_t i = 0; i < N; ++i) r.entries[i] = entradas[i];
    r.entries[N] = FimLista();
    for (size_t i = N + 1; i < ZV_TRN_ENTRIES; ++i) r.entries[i] = resto;
    return r;
}

}  // namespace zv::registro
