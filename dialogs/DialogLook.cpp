// SPDX-License-Identifier: MIT
#include "dialogs/DialogLook.h"

#include "resources/ResourceStore.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

namespace tesseran {

void ApplyDialogFont(QWidget& dialog) {
    QFont font = dialog.font();
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    dialog.setFont(font);
}

QIcon ButtonIcon(int id) {
    const QImage picture = LoadTransparentBitmap(id);
    if (picture.isNull()) return {};
    return QIcon(QPixmap::fromImage(picture));
}

}  // namespace tesseran
