// The grid of the logo window: one 100 x 100 cell per file, row by row,
// each picture fitted into the logo size (or "nicht darstellbar" with the
// reason as tooltip), each ringtone file by its name.
#pragma once

#include <QAbstractListModel>
#include <QHash>
#include <QListView>
#include <QStyledItemDelegate>

#include "corvina/logos/thumbnails.h"

namespace corvina {

class ThumbnailModel : public QAbstractListModel {
    Q_OBJECT

  public:
    enum Role { PathRole = Qt::UserRole + 1, ProblemRole, NamesOnlyRole };

    explicit ThumbnailModel(ThumbnailCache& cache, QObject* parent = nullptr);

    // The files shown; pictures are fitted unless `namesOnly` (ringtones).
    void setFiles(const QStringList& files, bool namesOnly);
    const QStringList& files() const { return files_; }
    int rowOf(const QString& path) const { return rows_.value(path, -1); }
    // The thumbnails are to be made anew (a new size or fit).
    void refit();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    ThumbnailCache& cache_;
    QStringList files_;
    QHash<QString, int> rows_;
    bool namesOnly_ = false;
};

class ThumbnailDelegate : public QStyledItemDelegate {
  public:
    static constexpr int kCell = 100;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The list view laid out as the grid of cells.
QListView* makeThumbnailGrid(QWidget* parent);

// The text of a cell whose picture cannot be shown.
QString undisplayableText();

}  // namespace corvina
