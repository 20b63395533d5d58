// SPDX-License-Identifier: MIT
// Text across the boundary between the core and Qt: the core speaks UTF-8 in
// std::string, Qt in QString. Every conversion goes through here.
#pragma once

#include "base/StringTable.h"

#include <QString>

#include <string>
#include <string_view>

namespace tesseran {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// The numbered text `id` of the string table, in the language the program
// speaks.
QString LoadText(int id);

}  // namespace tesseran
