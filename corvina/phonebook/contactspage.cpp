#include "corvina/phonebook/contactspage.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QMenu>
#include <QUrl>
#include <QVBoxLayout>

#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/phonebook/contactrows.h"
#include "corvina/phonebook/phonebookpage.h"
#include "corvina/phonebook/toutlookfolders.h"
#include "records/typendefinitionen.h"

namespace corvina {
namespace {

constexpr int kCardRole = Qt::UserRole;

}  // namespace

ContactsPage::ContactsPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addLayout(letterBar(this, [this](QChar letter) { showLetter(letter); }));
    top->addStretch();
    layout->addLayout(top);
    folderLabel_ = named(new QLabel(this), "kontakteordner");
    markDynamic(folderLabel_);
    layout->addWidget(folderLabel_);
    const QStringList headings = contactsTableHeadings();
    grid_ = named(new QTableWidget(0, static_cast<int>(headings.size()), this), "kontaktetabelle");
    grid_->setHorizontalHeaderLabels(headings);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(21);
    grid_->setSortingEnabled(true);
    const std::array<int, 3> firstWidths = {32, 139, 139};
    for (int c = 0; c < grid_->columnCount(); ++c)
        grid_->setColumnWidth(c, c < 3 ? firstWidths[static_cast<size_t>(c)] : 120);
    layout->addWidget(grid_);
    folders_ = new Toutlookfolders(this);
    connect(folders_, &Toutlookfolders::chosen, this,
            [this](const QString& folder) { read(folder); });
    connect(grid_, &QTableWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { showMenu(grid_->viewport()->mapToGlobal(at)); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { openCard(row); });
}

void ContactsPage::chooseFolder() {
    folders_->choose();
}

void ContactsPage::showFirstTime() {
    if (read_) return;
    read_ = true;
    chooseFolder();
}

bool ContactsPage::read(const QString& folder) {
    read_ = true;
    folder_ = folder;
    folderLabel_->setText(folder);
    ContactsFolderRead found = ContactsFolder::read(folder);
    cards_ = std::move(found.cards);
    contacts_.clear();
    grid_->setSortingEnabled(false);
    grid_->setRowCount(0);
    grid_->setRowCount(static_cast<int>(cards_.size()));
    for (size_t i = 0; i < cards_.size(); ++i) {
        contacts_.push_back(contactFromCard(cards_[i].card));
        const QStringList cells = contactsTableCells(contacts_.back(), static_cast<int>(i) + 1);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c == 0) {
                item->setData(Qt::DisplayRole, static_cast<int>(i) + 1);
                item->setData(kCardRole, static_cast<int>(i));
            }
            grid_->setItem(static_cast<int>(i), c, item);
        }
    }
    grid_->setSortingEnabled(true);
    grid_->sortByColumn(0, Qt::AscendingOrder);
    if (!found.error.isEmpty()) found.notices.prepend(found.error);
    if (!found.notices.isEmpty()) emit notices(found.notices);
    emit status(tx("kontakte_23", "Kontakte wurden eingelesen."));
    return found.error.isEmpty();
}

std::vector<ContactFields> ContactsPage::markedContacts() const {
    std::vector<ContactFields> marked;
    QList<int> rows;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    for (const int row : rows) {
        const int card = grid_->item(row, 0)->data(kCardRole).toInt();
        marked.push_back(contacts_.at(static_cast<size_t>(card)));
    }
    return marked;
}

void ContactsPage::showLetter(QChar letter) {
    grid_->sortByColumn(1, Qt::AscendingOrder);
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const QTableWidgetItem* name = grid_->item(row, 1);
        if (name && name->text().startsWith(letter, Qt::CaseInsensitive)) {
            grid_->setCurrentCell(row, 1);
            grid_->scrollToItem(name);
            return;
        }
    }
}

void ContactsPage::openCard(int row) {
    const QTableWidgetItem* item = grid_->item(row, 0);
    if (!item) return;
    const auto& card = cards_.at(static_cast<size_t>(item->data(kCardRole).toInt()));
    QDesktopServices::openUrl(QUrl::fromLocalFile(card.path));
    emit status(tx("kontakte_24", "Die Visitenkarte wurde im Adressbuchprogramm geöffnet."));
}

void ContactsPage::showMenu(const QPoint& at) {
    QMenu menu(this);
    const bool marked = grid_->selectionModel()->hasSelection();
    const auto entry = [&](const QString& text, uint8_t memory) {
        QAction* action =
            menu.addAction(text, this, [this, memory] { emit copyRequested(memory); });
        action->setEnabled(marked);
    };
    entry(tx("kontakte_25", "In internes Telefonbuch kopieren"), memPhone);
    entry(tx("kontakte_26", "In SIM-Telefonbuch kopieren"), memSim);
    if (addressBookOffered_) entry(tx("kontakte_27", "In Adressbuch kopieren"), memAddressBook);
    menu.exec(at);
}

}  // namespace corvina
