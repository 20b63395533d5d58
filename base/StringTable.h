// SPDX-License-Identifier: MIT
// The program's numbered texts (UTF-8): messages, explanations, roster
// profiles, province names and the version history.
#pragma once

#include <string>

namespace tesseran {

// The text with that number, or the empty text when there is none.
const std::string& LoadString(int id);

// First line of a roster entry's profile (entry 0..9): the entry's display name.
std::string RosterName(int entry);

}  // namespace tesseran
