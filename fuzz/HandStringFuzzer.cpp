// SPDX-License-Identifier: MIT
// Any text as a hand the game published for the peek window: what comes back
// is at most a hand of card codes, and nothing else.
#include "app/PeekChannel.h"
#include "base/Cards.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<int> cards =
        tesseran::ParseHandString(std::string(reinterpret_cast<const char*>(data), size));
    if (cards.size() > static_cast<std::size_t>(tesseran::HandSize)) std::abort();
    for (int card : cards) {
        if (!tesseran::IsCardCode(card)) std::abort();
    }
    return 0;
}
