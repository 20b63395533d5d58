// SPDX-License-Identifier: MIT
#include "resources/QtText.h"

#include "resources/Language.h"

namespace tesseran {

QString LoadText(int id) { return Translated("Messages", LoadString(id)); }

}  // namespace tesseran
