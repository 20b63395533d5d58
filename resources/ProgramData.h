// SPDX-License-Identifier: MIT
// Where the program's data files are: the card sheet's data file and the
// help folder. A program run from its build folder keeps them next to the
// executable; an installed one keeps them in its data folder, PREFIX/share/
// tesseran, found relative to the executable in PREFIX/bin (so a moved
// prefix still works) or else in the desktop's data folders.
#pragma once

#include <QString>
#include <QStringList>

namespace tesseran {

// The folders searched for data files, in order: the executable's folder,
// the installed data folder beside it, then "tesseran" in every data folder
// of the desktop (XDG_DATA_HOME, XDG_DATA_DIRS).
QStringList ProgramDataFolders();

// The first existing file or folder `name` (such as "TesseranSys.dll" or
// "help") in those folders; the path next to the executable when there is
// none anywhere, so that what the caller reports names the usual place.
QString ProgramDataPath(const QString& name);

}  // namespace tesseran
