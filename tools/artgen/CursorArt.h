// SPDX-License-Identifier: MIT
// The program's own mouse cursors and its icon. Cursors are 32 x 32 with
// alpha and are drawn around the hotspots listed in the resource catalogue:
// 131 the up-and-down grip over the table's front edge, 134 the same grip held
// while the angle is dragged, 133 the sign that the pointer is where nothing
// can be dropped. The icon is a small fan of Tesseran cards on red lacquer.
#pragma once

#include <QImage>

namespace tesseran::art {

QImage PaintAngleGripCursor();      // 131
QImage PaintForbiddenCursor();      // 133
QImage PaintAngleDraggingCursor();  // 134
QImage PaintProgramIcon(int size);

}  // namespace tesseran::art
