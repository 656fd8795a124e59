#include "corvina/logos/thumbnailview.h"

#include <QFileInfo>
#include <QPainter>

#include "corvina/language/language.h"

namespace corvina {

ThumbnailModel::ThumbnailModel(ThumbnailCache& cache, QObject* parent)
    : QAbstractListModel(parent), cache_(cache) {
    connect(&cache_, &ThumbnailCache::ready, this, [this](const QString& path) {
        const int row = rowOf(path);
        if (row >= 0) emit dataChanged(index(row), index(row));
    });
}

void ThumbnailModel::setFiles(const QStringList& files, bool namesOnly) {
    beginResetModel();
    cache_.dropWaiting();
    files_ = files;
    namesOnly_ = namesOnly;
    rows_.clear();
    for (int i = 0; i < files_.size(); ++i) rows_.insert(files_.at(i), i);
    endResetModel();
    refit();
}

void ThumbnailModel::refit() {
    if (namesOnly_) return;
    // The whole folder is made in the background; the cells in view come
    // first as they are painted.
    for (const QString& file : files_) cache_.request(file, false);
    if (!files_.isEmpty()) emit dataChanged(index(0), index(static_cast<int>(files_.size()) - 1));
}

int ThumbnailModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(files_.size());
}

QVariant ThumbnailModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= files_.size()) return {};
    const QString& path = files_.at(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return QFileInfo(path).fileName();
        case PathRole:
            return path;
        case NamesOnlyRole:
            return namesOnly_;
        case Qt::DecorationRole:
        case ProblemRole:
        case Qt::ToolTipRole: {
            if (namesOnly_) return role == Qt::ToolTipRole ? QVariant(path) : QVariant();
            const PictureResult* made = cache_.find(path);
            if (!made) {
                cache_.request(path, true);
                return {};
            }
            if (role == Qt::DecorationRole) return made->image;
            if (role == ProblemRole) return made->problem;
            return made->ok() ? path : path + QStringLiteral("\n") + made->problem;
        }
        default:
            return {};
    }
}

void ThumbnailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect cell = option.rect.adjusted(2, 2, -2, -2);
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(cell, selected ? option.palette.highlight().color().lighter(170)
                                     : option.palette.base().color());
    painter->setPen(selected ? option.palette.highlight().color() : option.palette.mid().color());
    painter->drawRect(cell.adjusted(0, 0, -1, -1));

    const QRect nameArea(cell.left() + 2, cell.bottom() - 16, cell.width() - 4, 15);
    const QRect pictureArea(cell.left() + 2, cell.top() + 2, cell.width() - 4,
                            nameArea.top() - cell.top() - 4);
    const QImage picture = index.data(Qt::DecorationRole).value<QImage>();
    const QString problem = index.data(ThumbnailModel::ProblemRole).toString();
    painter->setPen(option.palette.text().color());
    if (!picture.isNull()) {
        // At its true size when it fits the cell, else scaled down.
        QSize shown = picture.size();
        if (shown.width() > pictureArea.width() || shown.height() > pictureArea.height())
            shown.scale(pictureArea.size(), Qt::KeepAspectRatio);
        const QRect target(pictureArea.center() - QPoint(shown.width() / 2, shown.height() / 2),
                           shown);
        painter->drawImage(target, picture);
    } else if (!problem.isEmpty()) {
        painter->setPen(QColor(150, 40, 40));
        painter->drawText(pictureArea, Qt::AlignCenter | Qt::TextWordWrap, undisplayableText());
    } else if (index.data(ThumbnailModel::NamesOnlyRole).toBool()) {
        painter->setPen(option.palette.mid().color());
        QFont note = painter->font();
        note.setPointSize(note.pointSize() * 2);
        painter->setFont(note);
        painter->drawText(pictureArea, Qt::AlignCenter, QStringLiteral("♪"));
        painter->setFont(option.font);
    }
    painter->setPen(option.palette.text().color());
    const QString name = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideMiddle, nameArea.width());
    painter->drawText(nameArea, Qt::AlignHCenter | Qt::AlignVCenter, name);
    painter->restore();
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {kCell, kCell};
}

QListView* makeThumbnailGrid(QWidget* parent) {
    auto* view = new QListView(parent);
    view->setObjectName(QStringLiteral("vorschaubilder"));
    view->setViewMode(QListView::IconMode);
    view->setFlow(QListView::LeftToRight);
    view->setWrapping(true);
    view->setResizeMode(QListView::Adjust);
    view->setMovement(QListView::Static);
    view->setUniformItemSizes(true);
    view->setGridSize({ThumbnailDelegate::kCell, ThumbnailDelegate::kCell});
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setItemDelegate(new ThumbnailDelegate(view));
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    return view;
}

QString undisplayableText() {
    return tx("logos_74", "nicht darstellbar");
}

}  // namespace corvina
