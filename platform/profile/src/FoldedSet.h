#pragma once
// A set of names without regard to letter case, for files of millions of
// keys: open addressing over numbers whose names the owner keeps (a slot is
// four bytes), compared through the owner's callbacks. Not for more than
// 2^32 - 1 names.
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
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            if (slots_[i] == kNone) return kNone;
            if (same(slots_[i])) return slots_[i];
        }
    }

    // Adds a number not there yet; `hashOf` gives the hash of any number kept.
    template <class HashOf>
    void Insert(uint64_t hash, uint32_t id, HashOf hashOf) {
        if ((count_ + 1) * 4 > slots_.size() * 3) {
            std::vector<uint32_t> old;
            old.swap(slots_);
            Reserve(count_ * 2 + 8);
            for (uint32_t kept : old) {
                if (kept != kNone) Place(hashOf(kept), kept);
            }
        }
        Place(hash, id);
        ++count_;
    }

private:
    void Reserve(size_t expected) {
        size_t capacity = 16;
        while (capacity * 3 < expected * 4 + 4) capacity *= 2;
        slots_.assign(capacity, kNone);
        mask_ = capacity - 1;
    }
    void Place(uint64_t hash, uint32_t id) {
        size_t i = hash & mask_;
        while (slots_[i] != kNone) i = (i + 1) & mask_;
        slots_[i] = id;
    }

    std::vector<uint32_t> slots_;
    size_t mask_ = 0;
    size_t count_ = 0;
};

}  // namespace profile
