// The one random source of the demo generators: a fixed-seed xorshift, so
// that every run produces byte-identical catalogs.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace makecatalog::demo {

class Rng {
public:
    explicit Rng(uint64_t seed) {
        // splitmix64 spreads small seeds over the whole state.
        uint64_t z = seed + 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        state_ = (z ^ (z >> 31)) | 1;
    }

    // A generator for a sub-task, independent of how much this one is used later.
    Rng fork(uint64_t salt) { return Rng(next() ^ (salt * 0x2545F4914F6CDD1Dull)); }

    uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }

    // 0 <= result < n (n > 0).
    int below(int n) { return static_cast<int>((next() >> 33) % static_cast<uint64_t>(n)); }
    // lo <= result <= hi.
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    // An index chosen with the given non-negative weights (some must be > 0).
    int weighted(const std::vector<int>& weights) {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = below(total);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i])
                return static_cast<int>(i);
            r -= weights[i];
        }
        return static_cast<int>(weights.size()) - 1;
    }

private:
    uint64_t state_;
};

// A stable hash of a text, for choices that must not depend on generation order.
inline uint64_t stableHash(std::string_view s) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

}  // namespace makecatalog::demo
