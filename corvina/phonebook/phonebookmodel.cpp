#include "corvina/phonebook/phonebookmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QMimeData>
#include <algorithm>

#include "corvina/language/language.h"
#include "corvina/reports/phonebookreport.h"

namespace corvina {

namespace {

const QColor kNotAvailable(192, 192, 192);
const QColor kChanged(255, 236, 160);
const QColor kUnread(128, 128, 128);

QString shown(QString cell) {
    cell.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    cell.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (cell.endsWith(QLatin1Char('\n'))) cell.chop(1);
    return cell;
}

}  // namespace

PhonebookModel::PhonebookModel(PhonebookTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void PhonebookModel::reload() {
    beginResetModel();
    endResetModel();
}

int PhonebookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_.size();
}

int PhonebookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPhonebookColumns;
}

QVariant PhonebookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= table_.size()) return {};
    const PhonebookRow& row = table_.row(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            if (row.unread && column == colName) return tx("telefonbuch_100", "nicht gelesen");
            return shown(row.cells.at(column));
        case Qt::FontRole:
            if (column == row.bold || row.unread) {
                QFont font;
                font.setBold(column == row.bold);
                font.setItalic(row.unread);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (row.isNotAvailable(column)) return QBrush(kNotAvailable);
            if (row.changed && column == colLocation) return QBrush(kChanged);
            return {};
        case Qt::ForegroundRole:
            return row.unread ? QVariant(QBrush(kUnread)) : QVariant();
        case Qt::ToolTipRole:
            if (row.unread) {
                return tx("telefonbuch_101",
                          "Das Telefon hat diese Speicherstelle beim Download "
                          "nicht herausgegeben; der Upload lässt sie aus, "
                          "bis Sie einen Eintrag hineinschreiben.");
            }
            if (row.changed && column == colLocation)
                return tx("telefonbuch_102", "Seit dem letzten Download oder Upload geändert");
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
        default:
            return {};
    }
}

QVariant PhonebookModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return phonebookColumnHeadings().value(section);
}

PhonebookFilter::PhonebookFilter(PhonebookModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
    setSourceModel(&model);
    setDynamicSortFilter(false);
}

void PhonebookFilter::setFilterText(const QString& text) {
    text_ = text;
    invalidateRowsFilter();
}

bool PhonebookFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return sourceRow < model_.table().size() &&
           rowMatchesFilter(model_.table().row(sourceRow), text_);
}

Qt::ItemFlags PhonebookModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && dragData) flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList PhonebookModel::mimeTypes() const {
    return {QStringLiteral("text/vcard"), QStringLiteral("text/uri-list")};
}

QMimeData* PhonebookModel::mimeData(const QModelIndexList& indexes) const {
    if (!dragData) return nullptr;
    std::vector<int> rows;
    for (const QModelIndex& index : indexes) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return dragData(rows);
}

}  // namespace corvina
