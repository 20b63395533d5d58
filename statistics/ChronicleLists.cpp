// SPDX-License-Identifier: MIT
#include "statistics/ChronicleLists.h"

#include "base/Roster.h"
#include "base/StringTable.h"
#include "campaign/ProvinceMap.h"
#include "render/GameTerms.h"
#include "resources/QtText.h"

namespace tesseran {

namespace {

// Whoever a campaign step names: an entry, or nobody.
QString OwnerName(int entry) {
    if (entry == Unowned) return MatchListModel::tr("なし");
    return EntryName(entry);
}

QString Signed(int value) { return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value); }

}  // namespace

QString ShownTime(const QDateTime& time) { return time.toString(QStringLiteral("yyyy/MM/dd HH:mm")); }

MatchListModel::MatchListModel(const ChronicleDatabase& chronicle, QObject* parent) : QSqlQueryModel(parent) {
    chronicle.ListMatches(*this);
}

qlonglong MatchListModel::MatchIdAt(int row) const {
    return QSqlQueryModel::data(index(row, ChronicleDatabase::MatchId)).toLongLong();
}

QVariant MatchListModel::data(const QModelIndex& index, int role) const {
    const QVariant stored = QSqlQueryModel::data(index, Qt::DisplayRole);
    if (role == Qt::TextAlignmentRole) {
        const bool number =
            index.column() == ChronicleDatabase::MatchKoku || index.column() == ChronicleDatabase::MatchPlace;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole) return QSqlQueryModel::data(index, role);
    switch (index.column()) {
        case ChronicleDatabase::MatchEnded:
            return ShownTime(QDateTime::fromString(stored.toString(), Qt::ISODate));
        case ChronicleDatabase::MatchKoku:
            return tr("%1石").arg(Signed(stored.toInt()));
        case ChronicleDatabase::MatchPlace:
            return tr("%1位").arg(stored.toInt());
        default:
            return stored;
    }
}

QVariant MatchListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    switch (section) {
        case ChronicleDatabase::MatchEnded:
            return tr("終了日時");
        case ChronicleDatabase::MatchPlayer:
            return tr("あなた");
        case ChronicleDatabase::MatchKoku:
            return tr("石数");
        case ChronicleDatabase::MatchPlace:
            return tr("順位");
        case ChronicleDatabase::MatchOthers:
            return tr("対戦相手");
        default:
            return QVariant();
    }
}

ConquestListModel::ConquestListModel(const ChronicleDatabase& chronicle, QObject* parent)
    : QSqlQueryModel(parent) {
    chronicle.ListConquests(*this);
}

QVariant ConquestListModel::data(const QModelIndex& index, int role) const {
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const bool number =
            column == ChronicleDatabase::ConquestPrice || column == ChronicleDatabase::ConquestBalance;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role != Qt::DisplayRole) return QSqlQueryModel::data(index, role);
    const QVariant stored = QSqlQueryModel::data(index, Qt::DisplayRole);
    const int event =
        QSqlQueryModel::data(this->index(index.row(), ChronicleDatabase::ConquestEvent)).toInt();
    // A unification names only who unified; a reset names nobody.
    const bool take = event == ChronicleDatabase::TakeEvent;
    switch (column) {
        case ChronicleDatabase::ConquestAt:
            return ShownTime(QDateTime::fromString(stored.toString(), Qt::ISODate));
        case ChronicleDatabase::ConquestEvent:
            return event == ChronicleDatabase::TakeEvent          ? tr("国を盗る")
                   : event == ChronicleDatabase::UnificationEvent ? tr("天下統一")
                                                                  : tr("国盗りの初期化");
        case ChronicleDatabase::ConquestEntry:
            return event == ChronicleDatabase::ResetEvent ? QVariant() : QVariant(OwnerName(stored.toInt()));
        case ChronicleDatabase::ConquestProvince:
            return take ? QVariant(ProvinceLabel(stored.toInt())) : QVariant();
        case ChronicleDatabase::ConquestPrice:
            return take ? QVariant(tr("%1石").arg(stored.toInt())) : QVariant();
        case ChronicleDatabase::ConquestPreviousOwner:
            return take ? QVariant(OwnerName(stored.toInt())) : QVariant();
        case ChronicleDatabase::ConquestBalance:
            return take ? QVariant(tr("%1石").arg(stored.toInt())) : QVariant();
        default:
            return stored;
    }
}

QVariant ConquestListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    switch (section) {
        case ChronicleDatabase::ConquestAt:
            return tr("日時");
        case ChronicleDatabase::ConquestEvent:
            return tr("出来事");
        case ChronicleDatabase::ConquestEntry:
            return tr("打ち手");
        case ChronicleDatabase::ConquestProvince:
            return tr("国");
        case ChronicleDatabase::ConquestPrice:
            return tr("石高");
        case ChronicleDatabase::ConquestPreviousOwner:
            return tr("元の持ち主");
        case ChronicleDatabase::ConquestBalance:
            return tr("残りの石数");
        default:
            return QVariant();
    }
}

}  // namespace tesseran
