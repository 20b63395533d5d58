// SPDX-License-Identifier: MIT
// Writes the table in the layout the repository's clang-format gives it, so
// formatting the tree never changes a generated file.
#include "PositionTable.h"

#include <QString>
#include <QStringList>

#include <algorithm>

namespace tesseran::mapgen {

QByteArray PositionTableSource(const std::array<ProvincePosition, ProvinceCount>& positions) {
    QString text = QStringLiteral(
        "// SPDX-License-Identifier: MIT\n"
        "// Where the provinces lie on the conquest maps: the label corner on the\n"
        "// large map and the fill seed on the overview, by province index.\n"
        "//\n"
        "// Written by tesseran-mapgen (tools/mapgen) together with the map pictures;\n"
        "// after changing the maps, regenerate it with `tesseran-mapgen --write-table`.\n"
        "#include \"campaign/map/ProvincePositions.h\"\n"
        "\n"
        "namespace tesseran {\n"
        "\n"
        "const std::array<ProvincePosition, ProvinceCount> ProvincePositions = {{\n");
    // clang-format lines the trailing comments up one column past the longest row.
    QStringList rows;
    qsizetype widest = 0;
    for (const ProvincePosition& position : positions) {
        rows << QStringLiteral("    {%1, %2, %3, %4},")
                    .arg(position.labelX)
                    .arg(position.labelY)
                    .arg(position.overviewX)
                    .arg(position.overviewY);
        widest = std::max(widest, rows.back().size());
    }
    for (int province = 0; province < ProvinceCount; ++province) {
        text +=
            rows[province].leftJustified(widest) +
            QStringLiteral("  // %1 %2\n").arg(province).arg(QString::fromStdString(ProvinceName(province)));
    }
    text += QStringLiteral(
        "}};\n"
        "\n"
        "}  // namespace tesseran\n");
    return text.toUtf8();
}

}  // namespace tesseran::mapgen
