// SPDX-License-Identifier: MIT
// Any text as a saved match: it is refused, or what is accepted is a record
// whose every card is where the rules allow and which writes back to a text
// that reads the same.
#include "engine/Invariants.h"
#include "engine/MatchSnapshot.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tesseran::SnapshotReading reading =
        tesseran::ReadSnapshot(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!reading.snapshot) {
        if (reading.error.empty()) std::abort();
        return 0;
    }
    if (reading.snapshot->state.phase >= 1 && tesseran::CheckInvariants(reading.snapshot->state))
        std::abort();
    const std::string text = tesseran::WriteSnapshot(*reading.snapshot);
    const tesseran::SnapshotReading again = tesseran::ReadSnapshot(text);
    if (!again.snapshot || tesseran::WriteSnapshot(*again.snapshot) != text) std::abort();
    return 0;
}
