// SPDX-License-Identifier: MIT
// Marks a text of the core for the translation tools, which extract every
// TESSERAN_TEXT(context, text) as Qt's own marker; the core keeps the text as
// it stands (the program's own Japanese), and the window looks its
// translation up by the same context and text when it shows it.
#pragma once

#define TESSERAN_TEXT(context, text) text
