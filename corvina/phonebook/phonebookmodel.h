// The Qt view of a memory table: the table model shows the rows with their
// marks (bold default number, "n.a." on silver, locations the phone would not
// give, rows changed since the last transfer), the filter passes the rows
// whose name or numbers hold the filter text.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <functional>
#include <vector>

#include "corvina/phonebook/phonebooktable.h"

namespace corvina {

class PhonebookModel : public QAbstractTableModel {
  public:
    explicit PhonebookModel(PhonebookTable& table, QObject* parent = nullptr);

    PhonebookTable& table() { return table_; }
    // The rows changed (a transfer, an edit, a sort): everything is shown anew.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rows dragged out of the table (table indices) travel as this data;
    // without it rows cannot be dragged.
    std::function<QMimeData*(const std::vector<int>& rows)> dragData;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

  private:
    PhonebookTable& table_;
};

class PhonebookFilter : public QSortFilterProxyModel {
  public:
    explicit PhonebookFilter(PhonebookModel& model, QObject* parent = nullptr);
    void setFilterText(const QString& text);
    QString filterText() const { return text_; }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    PhonebookModel& model_;
    QString text_;
};

}  // namespace corvina
