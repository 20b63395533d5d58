// SPDX-License-Identifier: MIT
// Reads the outline file: comment lines start with '#', every other line is
// one island, its area and then its coast as "longitude,latitude" pairs.
#include "Coastline.h"

#include <QFile>
#include <QStringList>

namespace tesseran::mapgen {

QPointF Island::Centroid() const {
    QPointF sum;
    for (const QPointF& point : coast) sum += point;
    return coast.empty() ? sum : sum / static_cast<double>(coast.size());
}

std::vector<Island> ReadCoastline(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        error = QStringLiteral("cannot read %1").arg(path);
        return {};
    }
    std::vector<Island> islands;
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
        Island island;
        bool valid = fields.size() >= 4;
        if (valid) island.areaSquareKm = fields.front().toDouble(&valid);
        for (qsizetype i = 1; valid && i < fields.size(); ++i) {
            const QStringList pair = fields[i].split(u',');
            bool longitudeValid = false;
            bool latitudeValid = false;
            if (pair.size() == 2) {
                island.coast.emplace_back(pair[0].toDouble(&longitudeValid),
                                          pair[1].toDouble(&latitudeValid));
            }
            valid = longitudeValid && latitudeValid;
        }
        if (!valid) {
            error = QStringLiteral("%1:%2: not an island line").arg(path).arg(lineNumber);
            return {};
        }
        islands.push_back(std::move(island));
    }
    if (islands.empty()) error = QStringLiteral("%1 holds no island").arg(path);
    return islands;
}

}  // namespace tesseran::mapgen
