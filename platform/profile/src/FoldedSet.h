#pragma once
// A set of names without regard to letter case, for files of millions of
// keys: open addressing over numbers whose names the owner keeps, compared
// through the owner's callbacks. A slot is eight bytes: the number and a part
// of its name's hash, so that a name is read back only when that part matches.
// Not for more than 2^32 - 1 names.
#include <cstdint>
#include <string_view>
#include <vector>

#include "profile/CaseFold.h"

namespace profile {

class FoldedSet {
public:
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    FoldedSet() = default;
    explicit FoldedSet(size_t expected) { Reserve(expected); }

    // FNV-1a over the folded name, after a seed (what the name belongs to).
    static uint64_t Hash(uint64_t seed, std::string_view name) {
        uint64_t h = 1469598103934665603ull ^ seed;
        h *= 1099511628211ull;
        for (char c : name) {
            h ^= static_cast<unsigned char>(FoldCase(c));
            h *= 1099511628211ull;
        }
        return h;
    }

    // The number whose name `same` recognises, or kNone.
    template <class Same>
    uint32_t Find(uint64_t hash, Same same) const {
        if (slots_.empty()) return kNone;
        const auto tag = static_cast<uint32_t>(hash >> 32);
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            if (slots_[i].id == kNone) return kNone;
            if (slots_[i].tag == tag && same(slots_[i].id)) return slots_[i].id;
        }
    }

    // Adds a number not there yet; `hashOf` gives the hash of any number kept.
    template <class HashOf>
    void Insert(uint64_t hash, uint32_t id, HashOf hashOf) {
        if ((count_ + 1) * 4 > slots_.size() * 3) {
            std::vector<Slot> old;
            old.swap(slots_);
            Reserve(count_ * 2 + 8);
            for (const Slot& kept : old) {
                if (kept.id != kNone) Place(hashOf(kept.id), kept.id);
            }
        }
        Place(hash, id);
        ++count_;
    }

private:
    struct Slot {
        uint32_t id;
        uint32_t tag;  // the hash's high half
    };
    void Reserve(size_t expected) {
        size_t capacity = 16;
        while (capacity * 3 < expected * 4 + 4) capacity *= 2;
        slots_.assign(capacity, Slot{kNone, 0});
        mask_ = capacity - 1;
    }
    void Place(uint64_t hash, uint32_t id) {
        size_t i = hash & mask_;
        while (slots_[i].id != kNone) i = (i + 1) & mask_;
        slots_[i] = Slot{id, static_cast<uint32_t>(hash >> 32)};
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
    size_t count_ = 0;
};

}  // namespace profile
