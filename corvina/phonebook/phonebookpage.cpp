#include "corvina/phonebook/phonebookpage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "corvina/language/language.h"
#include "records/typendefinitionen.h"

namespace corvina {

namespace {

constexpr int kRowHeight = 21;
constexpr int kLineHeight = 13;
constexpr int kRowPadding = 8;

int defaultWidth(int column, uint8_t memory) {
    switch (column) {
        case colLocation:
            return 32;
        case colName:
            return 139;
        case colGroup:
            return 70;  // room for a group name
        case colGeneral:
            return 130;
        case colEmail:
            return memory == memPhone ? 120 : 162;
        default:
            return 120;
    }
}

}  // namespace

QHBoxLayout* letterBar(QWidget* parent, const std::function<void(QChar)>& chosen) {
    auto* letters = new QHBoxLayout;
    letters->setSpacing(0);
    for (char c = 'a'; c <= 'z'; ++c) {
        auto* button = new QToolButton(parent);
        button->setText(QString(QLatin1Char(c)));
        button->setAutoRaise(true);
        button->setFixedWidth(18);
        const QChar letter = QLatin1Char(c);
        QObject::connect(button, &QToolButton::clicked, parent,
                         [chosen, letter] { chosen(letter); });
        letters->addWidget(button);
    }
    return letters;
}

PhonebookPage::PhonebookPage(PhonebookTable& table, QWidget* parent)
    : QWidget(parent), model_(table), filter_model_(model_) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    top->addLayout(letterBar(this, [this](QChar letter) { emit letterChosen(letter); }));
    top->addStretch();
    filter_ = new QLineEdit(this);
    filter_->setPlaceholderText(tx("telefonbuch_103", "Filter: Name oder Nummer"));
    filter_->setClearButtonEnabled(true);
    filter_->setMinimumWidth(170);
    filter_->setMaximumWidth(240);
    top->addWidget(filter_);
    layout->addLayout(top);

    view_ = new QTableView(this);
    view_->setModel(&filter_model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view_->horizontalHeader()->setSectionsClickable(true);
    view_->horizontalHeader()->setHighlightSections(false);
    for (int column = 0; column < kPhonebookColumns; ++column) {
        view_->setColumnWidth(column, defaultWidth(column, table.memory()));
    }
    // Marked rows show in the table's own marking colour.
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Highlight, QColor(193, 200, 200));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    view_->setPalette(palette);
    view_->installEventFilter(this);
    layout->addWidget(view_);

    connect(filter_, &QLineEdit::textChanged, this,
            [this](const QString& text) { filter_model_.setFilterText(text); });
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const int row = filter_model_.mapToSource(index).row();
        if (row >= 0 && model_.table().row(row).location()) {
            emit editRequested();
        } else {
            emit newEntryRequested();
        }
    });
    connect(view_, &QTableView::customContextMenuRequested, this,
            [this](const QPoint& at) { emit menuRequested(view_->viewport()->mapToGlobal(at)); });
    connect(view_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { emit headerClicked(column); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { growCurrentRow(); });
    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(150);
    connect(&reloadTimer_, &QTimer::timeout, this, [this] { reload(); });
}

void PhonebookPage::reload() {
    reloadTimer_.stop();
    shownRows_ = table().size();
    model_.reload();
    grownRow_ = -1;
    growCurrentRow();
}

void PhonebookPage::reloadSoon() {
    if (table().size() < shownRows_) return reload();
    if (!reloadTimer_.isActive()) reloadTimer_.start();
}

std::vector<int> PhonebookPage::markedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows()) {
        rows.push_back(filter_model_.mapToSource(index).row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int PhonebookPage::currentRow() const {
    const QModelIndex current = view_->currentIndex();
    return current.isValid() ? filter_model_.mapToSource(current).row() : -1;
}

void PhonebookPage::selectRow(int tableIndex) {
    const QModelIndex index = filter_model_.mapFromSource(model_.index(tableIndex, colName));
    if (!index.isValid()) return;
    view_->setCurrentIndex(index);
    view_->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

void PhonebookPage::selectLocation(int location) {
    selectRow(table().indexOfLocation(location));
}

void PhonebookPage::growCurrentRow() {
    // The current row shows every line of its cells; the one before goes back.
    if (grownRow_ >= 0 && grownRow_ < filter_model_.rowCount()) {
        view_->setRowHeight(grownRow_, kRowHeight);
    }
    grownRow_ = -1;
    const int row = currentRow();
    if (row < 0) return;
    int lines = 1;
    for (const QString& cell : table().row(row).cells) {
        lines = std::max<int>(lines, static_cast<int>(textLines(cell.trimmed()).size()));
    }
    grownRow_ = view_->currentIndex().row();
    view_->setRowHeight(grownRow_, std::max(kRowHeight, kLineHeight * lines + kRowPadding));
}

bool PhonebookPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit editRequested();
            return true;
        case Qt::Key_Insert:
            emit newEntryRequested();
            return true;
        case Qt::Key_Delete:
            emit deleteRequested();
            return true;
        default:
            return QWidget::eventFilter(watched, event);
    }
}

}  // namespace corvina
