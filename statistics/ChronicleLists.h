// SPDX-License-Identifier: MIT
// The chronicle's two lists as the statistics window shows them: the matches,
// newest first, and the campaign's steps. The rows come from the chronicle a
// screenful at a time as the view scrolls (Qt's query model fetches on
// demand), so thousands of matches cost nothing until they are looked at;
// these models only turn the stored numbers into what a player reads.
#pragma once

#include "chronicle/ChronicleDatabase.h"

#include <QSqlQueryModel>

namespace tesseran {

class MatchListModel : public QSqlQueryModel {
    Q_OBJECT

public:
    explicit MatchListModel(const ChronicleDatabase& chronicle, QObject* parent = nullptr);

    // The match in a row (the id and entry columns are for lookups, not
    // for showing).
    qlonglong MatchIdAt(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
};

class ConquestListModel : public QSqlQueryModel {
    Q_OBJECT

public:
    explicit ConquestListModel(const ChronicleDatabase& chronicle, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
};

// A stored local time ("YYYY-MM-DDTHH:MM:SS") as the lists show it.
QString ShownTime(const QDateTime& time);

}  // namespace tesseran
