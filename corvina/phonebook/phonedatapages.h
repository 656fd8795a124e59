// The tabs of the phonebook window that show phone data beside the
// memories: the speed dials, a call list, and the WAP bookmarks with the
// link catalogue to drag them from. They only show; the logic lives in
// SpeedDials, CallLists and WapBookmarks.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "corvina/phonebook/calllists.h"
#include "corvina/phonebook/files/wapcatalogue.h"
#include "corvina/phonebook/speeddials.h"
#include "corvina/phonebook/wapbookmarks.h"

namespace corvina {

// A read-only table with the given captions and default widths.
QTableWidget* phoneDataTable(QWidget* parent, const QStringList& captions,
                             const std::vector<int>& widths);

class SpeedDialPage : public QWidget {
    Q_OBJECT

  public:
    explicit SpeedDialPage(QWidget* parent = nullptr);
    void display(const std::vector<SpeedDialRow>& rows);
    QTableWidget* table() const { return table_; }

  private:
    QTableWidget* table_ = nullptr;
};

class CallListPage : public QWidget {
    Q_OBJECT

  public:
    CallListPage(uint8_t memory, QWidget* parent = nullptr);
    uint8_t memory() const { return memory_; }
    void display(const std::vector<CallListRow>& rows);
    QTableWidget* table() const { return table_; }
    // The call of the current row; nothing when the row holds none.
    std::optional<CallListRow> currentCall() const;

  signals:
    // "In Telefonbuch übernehmen" on a row.
    void takeOverRequested(const QString& name, const QString& number);

  private:
    uint8_t memory_;
    QTableWidget* table_ = nullptr;
    std::vector<CallListRow> rows_;
};

// The bookmark table, taking links dropped from the catalogue.
class WapTable : public QTableWidget {
    Q_OBJECT

  public:
    explicit WapTable(QWidget* parent = nullptr);
    static QMimeData* linkData(const WapLink& link);

  signals:
    void linkDropped(int row, const corvina::WapLink& link);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The link catalogue: categories with their links, links can be dragged.
class WapCatalogueTree : public QTreeWidget {
    Q_OBJECT

  public:
    explicit WapCatalogueTree(QWidget* parent = nullptr);
    void display(const std::vector<WapCategory>& categories);

  protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;
};

// Name and link of one bookmark; the link field leaves out "http://".
class TwapEditor : public QDialog {
    Q_OBJECT

  public:
    explicit TwapEditor(QWidget* parent = nullptr);
    void present(int row, const WapRow& bookmark);
    int row() const { return row_; }
    QLineEdit* nameField() const { return name_; }
    QLineEdit* linkField() const { return link_; }

  private:
    int row_ = -1;
    QLineEdit* name_ = nullptr;
    QLineEdit* link_ = nullptr;
};

class WapPage : public QWidget {
    Q_OBJECT

  public:
    explicit WapPage(QWidget* parent = nullptr);
    void display(const std::vector<WapRow>& rows);
    void showCatalogue(const std::vector<WapCategory>& categories);
    WapTable* table() const { return table_; }
    WapCatalogueTree* catalogue() const { return catalogue_; }
    std::vector<int> markedRows() const;

  signals:
    void editRequested(int row);
    void deleteRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    WapTable* table_ = nullptr;
    WapCatalogueTree* catalogue_ = nullptr;
};

}  // namespace corvina
