#include "corvina/phonebook/phonedatapages.h"

#include <QDataStream>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"

namespace corvina {

namespace {

const QString kLinkMime = QStringLiteral("application/x-corvina-waplink");
constexpr int kLinkRole = Qt::UserRole + 1;

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QStringList callListCaptions() {
    return {tx("anrufliste_3", "Nr. "), tx("anrufliste_4", "Name"), tx("anrufliste_5", "Nummer"),
            tx("anrufliste_6", "Gruppe")};
}

}  // namespace

QTableWidget* phoneDataTable(QWidget* parent, const QStringList& captions,
                             const std::vector<int>& widths) {
    auto* table = new QTableWidget(0, int(captions.size()), parent);
    table->setHorizontalHeaderLabels(captions);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(21);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    for (size_t i = 0; i < widths.size(); ++i) table->setColumnWidth(int(i), widths[i]);
    return table;
}

// --- Speed dials -------------------------------------------------------------------

SpeedDialPage::SpeedDialPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = phoneDataTable(
        this,
        {tx("kurzwahl_21", "Nr. "), tx("kurzwahl_22", "Name"), tx("kurzwahl_23", "Nummer"),
         tx("kurzwahl_24", "Gruppe"), tx("kurzwahl_25", "SIM/Telefon"), tx("kurzwahl_26", "Platz")},
        {32, 199, 205, 61, 87, 55});
    table_->setObjectName(QStringLiteral("kurzwahltabelle"));
    layout->addWidget(table_);
}

void SpeedDialPage::display(const std::vector<SpeedDialRow>& rows) {
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const SpeedDialRow& row = rows[size_t(r)];
        const QStringList cells = {QString::number(row.key), row.name,    row.number, row.group,
                                   row.memoryName,           row.location};
        for (int c = 0; c < cells.size(); ++c) table_->setItem(r, c, cell(cells[c]));
    }
}

// --- Call lists --------------------------------------------------------------------

CallListPage::CallListPage(uint8_t memory, QWidget* parent) : QWidget(parent), memory_(memory) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = phoneDataTable(this, callListCaptions(), {32, 208, 198, 120});
    table_->setObjectName(QStringLiteral("anruflistentabelle"));
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(table_);
    auto takeOver = [this] {
        if (const auto call = currentCall()) emit takeOverRequested(call->name, call->phoneNumber);
    };
    connect(table_, &QTableWidget::customContextMenuRequested, this,
            [this, takeOver](const QPoint& at) {
                QMenu menu(this);
                QAction* action =
                    menu.addAction(tx("anrufliste_7", "In Telefonbuch übernehmen"), takeOver);
                action->setEnabled(currentCall().has_value());
                menu.exec(table_->viewport()->mapToGlobal(at));
            });
    connect(table_, &QTableWidget::cellDoubleClicked, this, takeOver);
}

void CallListPage::display(const std::vector<CallListRow>& rows) {
    rows_ = rows;
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CallListRow& row = rows[size_t(r)];
        const QStringList cells = {QString::number(row.number), row.name, row.phoneNumber,
                                   row.group};
        for (int c = 0; c < cells.size(); ++c) table_->setItem(r, c, cell(cells[c]));
    }
}

std::optional<CallListRow> CallListPage::currentCall() const {
    const int row = table_->currentRow();
    if (row < 0 || size_t(row) >= rows_.size() || rows_[size_t(row)].phoneNumber.isEmpty())
        return std::nullopt;
    return rows_[size_t(row)];
}

// --- WAP ---------------------------------------------------------------------------

WapTable::WapTable(QWidget* parent) : QTableWidget(0, 3, parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

QMimeData* WapTable::linkData(const WapLink& link) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << link.name << link.url;
    auto* data = new QMimeData;
    data->setData(kLinkMime, bytes);
    data->setText(link.url);
    return data;
}

void WapTable::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kLinkMime)) event->acceptProposedAction();
}

void WapTable::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kLinkMime)) event->acceptProposedAction();
}

void WapTable::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(kLinkMime)) return;
    QDataStream in(event->mimeData()->data(kLinkMime));
    WapLink link;
    in >> link.name >> link.url;
    event->acceptProposedAction();
    emit linkDropped(rowAt(event->position().toPoint().y()), link);
}

WapCatalogueTree::WapCatalogueTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

void WapCatalogueTree::display(const std::vector<WapCategory>& categories) {
    clear();
    for (const WapCategory& category : categories) {
        auto* node = new QTreeWidgetItem(this, {category.name});
        node->setFlags(Qt::ItemIsEnabled);
        for (const WapLink& link : category.links) {
            auto* child = new QTreeWidgetItem(node, {link.name});
            child->setData(0, kLinkRole, link.url);
            child->setToolTip(0, link.url);
            child->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        }
    }
    expandAll();
}

QStringList WapCatalogueTree::mimeTypes() const {
    return {kLinkMime};
}

QMimeData* WapCatalogueTree::mimeData(const QList<QTreeWidgetItem*>& items) const {
    if (items.isEmpty() || !items.first()->parent()) return nullptr;
    const QTreeWidgetItem* item = items.first();
    return WapTable::linkData({item->text(0), item->data(0, kLinkRole).toString()});
}

TwapEditor::TwapEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Twapeditor"));
    setWindowTitle(QStringLiteral("WAP-Link"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = named(new QLineEdit(this), "wapname");
    name_->setMaxLength(WapBookmarks::kMaxName);
    link_ = named(new QLineEdit(this), "waplink");
    link_->setMaxLength(WapBookmarks::kMaxLink);
    form->addRow(named(new QLabel(QStringLiteral("Name:"), this), "wapnamelabel"), name_);
    form->addRow(named(new QLabel(QStringLiteral("Link:       http://"), this), "waplinklabel"),
                 link_);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(this);
    named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "ok")
        ->setDefault(true);
    named(buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole),
          "abbrechen");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(420, 120);
}

void TwapEditor::present(int row, const WapRow& bookmark) {
    row_ = row;
    name_->setText(bookmark.name);
    link_->setText(WapBookmarks::shownLink(bookmark.link));
    applyLanguage(this);
    open();
    name_->setFocus();
}

WapPage::WapPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(this);
    table_ = new WapTable(splitter);
    table_->setObjectName(QStringLiteral("waptabelle"));
    table_->setHorizontalHeaderLabels(
        {tx("wap_8", "Nr. "), tx("wap_9", "Name"), tx("wap_10", "Link")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(21);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 32);
    table_->setColumnWidth(1, 201);
    table_->setColumnWidth(2, 315);
    table_->installEventFilter(this);
    catalogue_ = new WapCatalogueTree(splitter);
    catalogue_->setObjectName(QStringLiteral("wapkatalog"));
    splitter->addWidget(table_);
    splitter->addWidget(catalogue_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);
    connect(table_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { emit editRequested(row); });
}

void WapPage::display(const std::vector<WapRow>& rows) {
    table_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        table_->setItem(r, 0, cell(QString::number(r + 1)));
        table_->setItem(r, 1, cell(rows[size_t(r)].name));
        table_->setItem(r, 2, cell(rows[size_t(r)].link));
    }
}

void WapPage::showCatalogue(const std::vector<WapCategory>& categories) {
    catalogue_->display(categories);
}

std::vector<int> WapPage::markedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool WapPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            emit deleteRequested();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (table_->currentRow() >= 0) emit editRequested(table_->currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvina
