// SPDX-License-Identifier: MIT
// The random source of the deal and of the unification fireworks: a linear
// congruential generator, so that a deal is reproducible from its seed.
#pragma once

#include <cstdint>

namespace tesseran {

class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    int Draw() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

private:
    std::uint32_t state_;
};

}  // namespace tesseran
