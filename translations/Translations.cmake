# SPDX-License-Identifier: MIT
# What the translation tools read: the translation files, the source folders
# whose texts a player reads, and lupdate's options (no line numbers, so a
# moved text changes nothing; the core's own marker read as Qt's). lupdate
# also needs the source root on its include path, to know the classes whose
# member functions call tr().
set(TESSERAN_TRANSLATIONS tesseran_ja.ts tesseran_en.ts)
set(TESSERAN_TRANSLATED_FOLDERS base engine players campaign render dialogs conquest statistics review app)
set(TESSERAN_LUPDATE_OPTIONS -silent -locations none -no-obsolete -source-language ja
    -tr-function-alias QT_TRANSLATE_NOOP+=TESSERAN_TEXT)
