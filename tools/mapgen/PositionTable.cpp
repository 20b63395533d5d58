// SPDX-License-Identifier: MIT
// Writes the table in the layout the repository's clang-format gives it, so
// formatting the tree never changes a generated file.
#include "PositionTable.h"

#include <QString>
#include <QStringList>

#include <algorithm>

namespace tesseran::mapgen {

namespace {

// One table's rows. Japanese labels all have the default width, which the
// rows leave out; English ones give theirs.
QString TableRows(const std::array<ProvincePosition, ProvinceCount>& positions, bool withWidth) {
    // clang-format lines the trailing comments up one column past the longest row.
    QStringList rows;
    qsizetype widest = 0;
    for (const ProvincePosition& position : positions) {
        QString row = QStringLiteral("    {%1, %2, %3, %4")
                          .arg(position.labelX)
                          .arg(position.labelY)
                          .arg(position.overviewX)
                          .arg(position.overviewY);
        if (withWidth) row += QStringLiteral(", %1").arg(position.labelWidth);
        rows << row + QStringLiteral("},");
        widest = std::max(widest, rows.back().size());
    }
    QString text;
    for (int province = 0; province < ProvinceCount; ++province) {
        const QString name = withWidth ? QString::fromUtf8(LatinProvinceName(province))
                                       : QString::fromStdString(ProvinceName(province));
        text += rows[province].leftJustified(widest) + QStringLiteral("  // %1 %2\n").arg(province).arg(name);
    }
    return text;
}

}  // namespace

QByteArray PositionTableSource(const std::array<ProvincePosition, ProvinceCount>& japanese,
                               const std::array<ProvincePosition, ProvinceCount>& english) {
    QString text = QStringLiteral(
        "// SPDX-License-Identifier: MIT\n"
        "// Where the provinces lie on the conquest maps: the label corner on the\n"
        "// large map and the fill seed on the overview, by province index, on the\n"
        "// maps lettered in Japanese and then in English, whose rows end with the\n"
        "// label's width.\n"
        "//\n"
        "// Written by tesseran-mapgen (tools/mapgen) together with the map pictures;\n"
        "// after changing the maps, regenerate it with `tesseran-mapgen --write-table`.\n"
        "#include \"campaign/map/ProvincePositions.h\"\n"
        "\n"
        "namespace tesseran {\n"
        "\n"
        "const std::array<ProvincePosition, ProvinceCount> ProvincePositions = {{\n");
    text += TableRows(japanese, false);
    text += QStringLiteral(
        "}};\n"
        "\n"
        "const std::array<ProvincePosition, ProvinceCount> EnglishProvincePositions = {{\n");
    text += TableRows(english, true);
    text += QStringLiteral(
        "}};\n"
        "\n"
        "}  // namespace tesseran\n");
    return text.toUtf8();
}

}  // namespace tesseran::mapgen
