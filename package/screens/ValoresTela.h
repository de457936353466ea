#pragma once
// Whose each value of a transaction screen is, so that what the screen writes
// back into the field store is sound. A field the host left empty at the
// screen's start is the operator's: what the screen writes there is taken
// back when its confirmation stops short of the request (or the operator
// returns from a consultation's receipt), so that a screen opened again in the
// same call offers it to the operator instead of locking it as the host's. A
// value the host gave that a text read could not hold whole is never written
// back cut: it stays as the host gave it.
#include <cstdint>
#include <string>
#include <vector>

#include "host/HostAbi.h"

namespace zv {

class TValoresTela {
public:
    // A new start: nothing known, nothing written.
    void Reinicia();
    // The field as the screen finds it at its start; empty (or only blanks,
    // when `brancoEhVazio`) it is the operator's.
    std::string Le(int32_t campo, bool brancoEhVazio = false);
    // A field the screen fills from what the operator gives, whatever it held.
    void DoOperador(int32_t campo);
    // Writes a value back (GravaCampoString). A host value read cut is left
    // as it is, and that counts as written (status 0).
    ZvStatus Grava(int32_t campo, const std::string& texto);
    // Writes a value the screen itself decides: always written, whatever the
    // host gave; taken back like the operator's when the field was theirs.
    ZvStatus GravaDaTela(int32_t campo, const std::string& texto);
    // Clears what was written into the operator's fields, in the order written.
    void Devolve();

private:
    static bool Contem(const std::vector<int32_t>& campos, int32_t campo);

    std::vector<int32_t> doOperador_;
    std::vector<int32_t> cortados_;
    std::vector<int32_t> gravados_;
};

}  // namespace zv
