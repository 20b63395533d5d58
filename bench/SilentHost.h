// SPDX-License-Identifier: MIT
// The benchmarks' host: nobody at the screen, a match that always plays on
// and a clock that stands at midnight, so every run measures the same games.
#pragma once

#include "common/SilentHost.h"

namespace tesseran::bench {

class SilentHost : public tesseran::SilentHost {
public:
    bool AskYesNo(std::string_view) override { return true; }
    std::optional<LocalTime> Now() override { return LocalTime{}; }
};

}  // namespace tesseran::bench
