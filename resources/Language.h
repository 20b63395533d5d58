// SPDX-License-Identifier: MIT
// The language the program speaks: Japanese, its own, or English. The texts
// are Japanese in the source and translated the way Qt programs translate:
// the program's own translation (translations/tesseran_<code>.ts, compiled
// into the program) and Qt's for its own buttons and dialogs. The choice is
// kept under "Settei"; until the player makes one, the desktop's language
// decides (Japanese for ja*, English otherwise).
#pragma once

#include "base/SettingsStore.h"

#include <QString>

#include <string_view>

class QTranslator;

namespace tesseran {

enum class Language { Japanese, English };

// "ja", "en": the language's code in the settings and the translation files.
QString LanguageCode(Language language);

// The language stored in the settings, or the desktop's when none is.
Language ChosenLanguage(SettingsStore& settings);
// The language the program speaks now (Japanese until UseLanguage).
Language CurrentLanguage();
// Speaks `language` from now on: installs the program's translation and
// Qt's; false when a translation it needs is missing (the texts then stay
// as they are written).
bool UseLanguage(Language language);

// The program's own translation in use, if any (Qt's is another).
QTranslator* ProgramTranslation();

// A text of the core as the player reads it: the translation of the core's
// Japanese under its context, or the text itself.
QString Translated(const char* context, std::string_view text);

}  // namespace tesseran
