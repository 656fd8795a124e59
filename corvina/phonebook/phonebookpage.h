// One memory tab of the phonebook window: a filter field, the letter bar
// "a" ... "z" and the table. The marked rows are the rows selected in the
// table; commands act on those the filter lets show.
#pragma once

#include <QHBoxLayout>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "corvina/phonebook/phonebookmodel.h"

namespace corvina {

// The buttons "a" ... "z" above a table; a click hands on its letter.
QHBoxLayout* letterBar(QWidget* parent, const std::function<void(QChar)>& chosen);

class PhonebookPage : public QWidget {
    Q_OBJECT

  public:
    PhonebookPage(PhonebookTable& table, QWidget* parent = nullptr);

    PhonebookTable& table() { return model_.table(); }
    QTableView* view() const { return view_; }
    QLineEdit* filterField() const { return filter_; }
    // Shows the table anew after its rows changed.
    void reload();
    // The same, during a transfer: rows that were added show a moment
    // later, several at once; rows that went show at once.
    void reloadSoon();

    // Marked rows as table indices, ascending.
    std::vector<int> markedRows() const;
    // The current row as a table index; -1 when there is none.
    int currentRow() const;
    void selectRow(int tableIndex);
    void selectLocation(int location);

  signals:
    void editRequested();
    void newEntryRequested();
    void deleteRequested();
    void menuRequested(const QPoint& globalPosition);
    void letterChosen(QChar letter);
    void headerClicked(int column);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void growCurrentRow();

    PhonebookModel model_;
    PhonebookFilter filter_model_;
    QLineEdit* filter_ = nullptr;
    QTableView* view_ = nullptr;
    int grownRow_ = -1;
    int shownRows_ = 0;
    QTimer reloadTimer_;
};

}  // namespace corvina
