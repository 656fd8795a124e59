#include "corvina/phonebook/tphonebook_grid.h"

#include <QMenu>
#include <QVBoxLayout>

#include "corvina/common/messageboxdialogs.h"
#include "corvina/connection/connectioncontrol.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/phonebook/contactsfilemerge.h"
#include "corvina/phonebook/contactspage.h"
#include "corvina/phonebook/phonebookfilecommands.h"
#include "corvina/phonebook/phonedatatabs.h"
#include "corvina/phonebook/reportrows.h"
#include "corvina/phonebook/softwarenotice.h"
#include "corvina/phonebook/tablefiles.h"
#include "corvina/reports/printchoices.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/commandtexts.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"

namespace corvina {

namespace {

enum Button { btNew, btDownload, btUpload, btCompact, btSave, btLoad, btRefresh, btPrint };

constexpr std::array<const char*, 3> kPageNames = {"telefonbuchsim", "telefonbuchtelefon",
                                                   "telefonbuchadressbuch"};

bool offersAddressBook(uint8_t model) {
    return isSiemensWithAddressBook(model) || model == kNoModelYet;
}

}  // namespace

Tphonebook_grid::Tphonebook_grid(Tgesamtform& shell, PhonebookParts parts)
    : QWidget(&shell),
      shell_(shell),
      calls_(std::move(parts.calls)),
      dialogs_(parts.dialogs ? std::move(*parts.dialogs) : messageBoxDialogs(this)),
      seams_(std::move(parts.seams)) {
    setObjectName(QStringLiteral("Tphonebook_grid"));
    setWindowTitle(QStringLiteral("Telefonbuch"));
    for (uint8_t memory = memSim; memory <= memAddressBook; ++memory) {
        tables_.at(memory) = std::make_unique<PhonebookTable>(memory);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("register"));
    const std::array<QString, 3> captions = {QStringLiteral("SIM "),
                                             tx("telefonbuchreiter_1", "Telefon"),
                                             tx("telefonbuchreiter_2", "Adressbuch")};
    for (uint8_t memory = memSim; memory <= memAddressBook; ++memory) {
        auto* page = new PhonebookPage(table(memory), tabs_);
        page->setObjectName(QString::fromLatin1(kPageNames.at(memory)));
        tabs_->addTab(page, captions.at(memory));
        pages_.at(memory) = page;
        connect(page, &PhonebookPage::editRequested, this, &Tphonebook_grid::EditClick);
        connect(page, &PhonebookPage::newEntryRequested, this, [this] { NewEntryClick(); });
        connect(page, &PhonebookPage::deleteRequested, this, &Tphonebook_grid::DeleteClick);
        connect(page, &PhonebookPage::menuRequested, this, &Tphonebook_grid::showMenu);
        connect(page, &PhonebookPage::letterChosen, this, [this, page](QChar letter) {
            const int row = page->table().sortByLetter(letter);
            page->reload();
            if (row >= 0) page->selectRow(row);
        });
        connect(page, &PhonebookPage::headerClicked, this, [page](int column) {
            page->table().sortByHeader(column);
            page->reload();
        });
        connect(page->view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { updateCommands(); });
    }
    contacts_ = new ContactsPage(tabs_);
    contacts_->setObjectName(QStringLiteral("kontakte"));
    tabs_->addTab(contacts_, tx("telefonbuchreiter_3", "Kontakte"));
    phoneData_ = new PhoneDataTabs(shell_, *tabs_, calls_, dialogs_, this);
    seams_.speedDials = phoneData_->speedDials();
    phoneData_->otherWorkRunning = [this] { return transfer_->running(); };
    connect(phoneData_, &PhoneDataTabs::runningChanged, this, [this] { updateCommands(); });
    connect(phoneData_, &PhoneDataTabs::takeOverRequested, this,
            [this](const QString& name, const QString& number) {
                setActiveMemory(lastMemory_);
                NewEntryClick(number);
                if (editor_->isVisible()) editor_->nameField()->setText(name);
            });
    layout->addWidget(tabs_);
    capacity_ = new QLabel(this);
    capacity_->setObjectName(QStringLiteral("kapazitaet"));
    markDynamic(capacity_);
    layout->addWidget(capacity_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= memSim && index <= memAddressBook) lastMemory_ = uint8_t(index);
        if (tabs_->currentWidget() == contacts_) contacts_->showFirstTime();
        updateCommands();
    });

    edit_ = action(tx("telefonbuch_120", "&Editieren"), {}, &Tphonebook_grid::EditClick);
    speedDial_ = action(tx("kurzwahl_29", "&Als Kurzwahl"), {}, &Tphonebook_grid::AsSpeedDialClick);
    sendSms_ = action(tx("telefonbuch_121", "&SMS senden"), {}, &Tphonebook_grid::SendSmsClick);
    toContacts_ = new QAction(tx("kontakte_54", "&Zu Kontakten"), this);
    group_ = action(tx("telefonbuch_122", "Zu Gruppe..."), {}, &Tphonebook_grid::GroupClick);
    cut_ = action(tx("telefonbuch_123", "Ausschneiden"), QKeySequence::Cut,
                  &Tphonebook_grid::CutClick);
    copy_ =
        action(tx("telefonbuch_124", "Kopieren"), QKeySequence::Copy, &Tphonebook_grid::CopyClick);
    paste_ = action(tx("telefonbuch_125", "Einfügen"), QKeySequence::Paste,
                    &Tphonebook_grid::PasteClick);
    delete_ = action(tx("telefonbuch_126", "&Löschen"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                     &Tphonebook_grid::DeleteClick);
    undo_ = action(tx("telefonbuch_127", "Rückgängig"), QKeySequence::Undo,
                   &Tphonebook_grid::UndoClick);
    redo_ = action(tx("telefonbuch_128", "Wiederholen"), QKeySequence::Redo,
                   &Tphonebook_grid::RedoClick);
    paste_->setEnabled(false);

    transfer_ = new PhonebookTransfer(calls_, dialogs_, seams_, this);
    rules_ = std::make_unique<EntryEditorRules>(
        PhonebookTables{{tables_[0].get(), tables_[1].get(), tables_[2].get()}}, calls_, seams_);
    editor_ = new Ttelefonbuch(this);
    setHelpPage(editor_, QStringLiteral("entryeditor"));
    groups_ = new Tgruppenwahlform(this, calls_.groups);
    setHelpPage(groups_, QStringLiteral("phonebook"));
    FileCommandsParts fileParts;
    fileParts.window = this;
    fileParts.tables = PhonebookTables{{tables_[0].get(), tables_[1].get(), tables_[2].get()}};
    fileParts.pages = pages_;
    fileParts.contacts = contacts_;
    fileParts.rules = rules_.get();
    fileParts.dialogs = dialogs_;
    fileParts.activeMemory = [this]() -> std::optional<uint8_t> {
        if (!memoryTabActive()) return std::nullopt;
        return activeMemory();
    };
    fileParts.showMemory = [this](uint8_t memory) { setActiveMemory(memory); };
    fileParts.modelNumber = [this] { return modelNumber(); };
    fileParts.status = [this](const QString& text) {
        shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
    };
    fileParts.changed = [this] { reloadPages(); };
    fileParts.busy = [this] { return transfer_->running(); };
    fileParts.wap = &phoneData_->wap();
    fileParts.wapTabActive = [this] { return tabs_->currentWidget() == phoneData_->wapPage(); };
    fileParts.wapChanged = [this] { phoneData_->showWapRows(); };
    files_ = new PhonebookFileCommands(std::move(fileParts));
    connect(toContacts_, &QAction::triggered, files_, &PhonebookFileCommands::toContacts);
    connect(contacts_, &ContactsPage::status, this, [this](const QString& text) {
        shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
    });
    connect(contacts_, &ContactsPage::notices, this, [this](const QStringList& notices) {
        dialogs_.tell({Severity::Warning, tx("telefonbuch_115", "Hinweis"), notices.join(u'\n')});
    });
    connect(editor_, &Ttelefonbuch::okPressed, this, [this] { runOk({}); });
    connect(editor_, &Ttelefonbuch::memoryItemChanged, this, [this](int item) {
        editor_->setLocationText(rules_->locationForMemoryItem(editor_->setup(), item));
    });
    connect(groups_, &Tgruppenwahlform::chosen, this, [this](int, const QString& name) {
        PhonebookTable& t = table(groupMemory_);
        t.beginEdit();
        for (const int location : groupTargets_) {
            const int index = t.indexOfLocation(location);
            if (index < 0) continue;
            t.row(index).setField(colGroup, name);
            t.row(index).changed = true;
        }
        reloadPages();
    });

    connectShell();
    connectTransfer();
    updateTabs();
    updateCommands();
}

Tphonebook_grid::~Tphonebook_grid() {
    if (shown_) files_->saveColumnWidths();
}

QAction* Tphonebook_grid::action(const QString& text, const QKeySequence& keys,
                                 void (Tphonebook_grid::*slot)()) {
    auto* a = new QAction(text, this);
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetShortcut);
        for (PhonebookPage* page : pages_) page->view()->addAction(a);
    }
    connect(a, &QAction::triggered, this, slot);
    return a;
}

void Tphonebook_grid::connectShell() {
    ConnectionControl& connection = shell_.connection();
    connect(&connection, &ConnectionControl::connected, this, [this] {
        updateTabs();
        updateCommands();
    });
    connect(&connection, &ConnectionControl::disconnected, this, [this] {
        transfer_->linkLost();
        updateCommands();
    });
    connect(&shell_, &Tgesamtform::phonebookEntryRequested, this,
            [this](const QString& number) { NewEntryClick(number); });
}

void Tphonebook_grid::connectTransfer() {
    Twarteform& wait = shell_.waitWindow();
    connect(transfer_, &PhonebookTransfer::started, this, [this, &wait] {
        wait.showPage(WaitPage::AddressBook, this);
        wait.offerCancel([this] { transfer_->cancel(); });
        updateCommands();
    });
    connect(transfer_, &PhonebookTransfer::progress, this, [&wait](int done, int total) {
        wait.setProgressText(QStringLiteral("%1 / %2").arg(done).arg(total));
    });
    connect(transfer_, &PhonebookTransfer::status, this, [this](const QString& text) {
        shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
    });
    connect(transfer_, &PhonebookTransfer::capacityText, capacity_, &QLabel::setText);
    connect(transfer_, &PhonebookTransfer::tableChanged, this,
            [this] { page(transfer_->memory())->reloadSoon(); });
    connect(transfer_, &PhonebookTransfer::finished, this, [this, &wait] {
        wait.finish();
        reloadPages();
        updateCommands();
        tellFileNotices();
    });
}

void Tphonebook_grid::tellFileNotices() {
    QStringList notices = seams_.store->takeNotices();
    notices += seams_.contacts->takeNotices();
    notices += seams_.speedDials->takeNotices();
    if (!notices.isEmpty())
        dialogs_.tell(
            {Severity::Information, tx("telefonbuch_115", "Hinweis"), notices.join(u'\r')});
}

uint8_t Tphonebook_grid::modelNumber() const {
    return shell_.connection().modelNumber();
}

uint8_t Tphonebook_grid::activeMemory() const {
    return memoryTabActive() ? static_cast<uint8_t>(tabs_->currentIndex()) : lastMemory_;
}

bool Tphonebook_grid::memoryTabActive() const {
    const int index = tabs_->currentIndex();
    return index >= memSim && index <= memAddressBook;
}

void Tphonebook_grid::setActiveMemory(uint8_t memory) {
    tabs_->setCurrentIndex(memory);
}

void Tphonebook_grid::updateTabs() {
    const bool addressBook = offersAddressBook(modelNumber());
    tabs_->setTabVisible(memAddressBook, addressBook);
    contacts_->setAddressBookOffered(addressBook);
    if (!addressBook && activeMemory() == memAddressBook) setActiveMemory(memSim);
    phoneData_->updateTabs(modelNumber());
}

void Tphonebook_grid::updateCommands() {
    const bool idle = !transfer_->running() && !phoneData_->running();
    const bool connected = !shell_.connection().notConnected();
    const PhonebookTable& active = table(activeMemory());
    const bool marked = !activePage().markedRows().empty();
    const bool memoryTab = memoryTabActive();
    if (commands_ && phoneData_->active()) {
        const PhoneDataTabs::Offers offers = phoneData_->offers();
        commands_->setButtonEnabled(btNew, idle && offers.newEntry);
        commands_->setButtonEnabled(btDownload, idle && connected && offers.download);
        commands_->setButtonEnabled(btUpload, idle && connected && offers.upload);
        commands_->setButtonEnabled(btCompact, false);
        const bool wapTab = tabs_->currentWidget() == phoneData_->wapPage();
        commands_->setButtonEnabled(btSave, idle && wapTab);
        commands_->setButtonEnabled(btLoad, idle && wapTab);
        commands_->setButtonEnabled(btRefresh, false);
        commands_->setButtonEnabled(btPrint, false);
    } else if (commands_) {
        commands_->setButtonEnabled(btNew, idle && memoryTab);
        commands_->setButtonEnabled(btDownload, idle && connected && memoryTab);
        commands_->setButtonEnabled(btUpload,
                                    idle && connected && memoryTab && active.state().uploadAllowed);
        commands_->setButtonEnabled(btCompact, idle && memoryTab && active.hasEntries());
        commands_->setButtonEnabled(btSave, idle && memoryTab && active.hasEntries());
        commands_->setButtonEnabled(btLoad, idle && memoryTab);
        commands_->setButtonEnabled(btRefresh, tabs_->currentWidget() == contacts_);
        commands_->setButtonEnabled(btPrint, memoryTab);
    }
    toContacts_->setEnabled(idle && marked);
    edit_->setEnabled(idle);
    speedDial_->setVisible(!isSiemens(modelNumber()) && activeMemory() != memAddressBook);
    speedDial_->setEnabled(idle && activePage().currentRow() >= 0);
    sendSms_->setEnabled(idle && shell_.modules().contains(Module::Messages));
    group_->setEnabled(idle && marked);
    cut_->setEnabled(idle && marked);
    copy_->setEnabled(idle && marked);
    paste_->setEnabled(idle && !buffer_.empty());
    delete_->setEnabled(idle && marked);
    undo_->setEnabled(idle && active.canUndo());
    redo_->setEnabled(idle && active.canRedo());
}

void Tphonebook_grid::reloadPages() {
    for (PhonebookPage* page : pages_) page->reload();
    updateCommands();
}

void Tphonebook_grid::bindCommands(CommandBar& commands) {
    commands_ = &commands;
    commands.bind(btNew, commandText(CommandText::New), [this] { NewEntryClick(); });
    commands.bind(btDownload, commandText(CommandText::Download), [this] { DownloadClick(); });
    commands.bind(btUpload, commandText(CommandText::Upload), [this] { UploadClick(); });
    commands.bind(btCompact, commandText(CommandText::Compact), [this] { CompactClick(); });
    commands.bind(btSave, commandText(CommandText::Save), [this] { files_->save(); });
    commands.bind(btLoad, commandText(CommandText::Load), [this] { files_->load(); });
    commands.bind(btRefresh, tx("kontakte_55", "Aktualisieren"),
                  [this] { contacts_->chooseFolder(); });
    commands.bind(btPrint, commandText(CommandText::Print), [this] { PrintClick(); });
    updateCommands();
}

void Tphonebook_grid::leave() {
    commands_ = nullptr;
    hide();
    shell_.setStatusText(Tgesamtform::StatusField::Middle, QString());
}

void Tphonebook_grid::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    for (auto& t : tables_) seams_.store->loadTemporary(*t);
    files_->loadColumnWidths();
    reloadPages();
    tellFileNotices();
    if (const auto notice = phonebookSoftwareNotice(
            modelNumber(), QString::fromLatin1(shell_.connection().phoneInfo().softwareVersion))) {
        dialogs_.tell({Severity::Information, tx("telefonbuch_115", "Hinweis"), *notice});
    }
}

void Tphonebook_grid::afterNotice(const std::function<void()>& go) {
    const auto notice = phonebookSoftwareNotice(
        modelNumber(), QString::fromLatin1(shell_.connection().phoneInfo().softwareVersion));
    if (!notice) return go();
    dialogs_.ask({Severity::Information, tx("telefonbuch_115", "Hinweis"), *notice},
                 [go](Answer) { go(); });
}

// --- Transfers ---------------------------------------------------------------------

void Tphonebook_grid::DownloadClick() {
    if (phoneData_->active()) return phoneData_->download();
    if (!memoryTabActive() || transfer_->running() || shell_.connection().notConnected()) return;
    const uint8_t memory = activeMemory();
    afterNotice([this, memory] { transfer_->download(table(memory), modelNumber()); });
}

void Tphonebook_grid::UploadClick() {
    if (phoneData_->active()) return phoneData_->upload();
    const uint8_t memory = activeMemory();
    if (!memoryTabActive() || transfer_->running() || shell_.connection().notConnected() ||
        !table(memory).state().uploadAllowed) {
        return;
    }
    afterNotice([this, memory] { transfer_->upload(table(memory), modelNumber()); });
}

// --- Entry editor ------------------------------------------------------------------

void Tphonebook_grid::NewEntryClick(const QString& number) {
    if (transfer_->running()) return;
    if (phoneData_->active()) {
        if (number.isEmpty()) return phoneData_->newEntry();
    }
    if (!memoryTabActive()) setActiveMemory(lastMemory_);
    const uint8_t memory = activeMemory();
    const EditorSetup setup = rules_->setup(memory, modelNumber());
    origin_ = {EntryEditorRules::Use::NewEntry, memory, 0};
    editor_->present(setup, rules_->blank(setup, number));
}

void Tphonebook_grid::EditClick() {
    if (transfer_->running()) return;
    PhonebookPage& page = activePage();
    const int row = page.currentRow();
    if (row < 0) return;
    const PhonebookRow& current = page.table().row(row);
    const auto location = current.location();
    if (!location) return NewEntryClick();
    const uint8_t memory = activeMemory();
    const EditorSetup setup = rules_->setup(memory, modelNumber());
    origin_ = {EntryEditorRules::Use::Edit, memory, *location};
    editor_->present(setup, rules_->load(setup, current));
}

void Tphonebook_grid::AsSpeedDialClick() {
    const uint8_t memory = activeMemory();
    const int row = activePage().currentRow();
    if (transfer_->running() || row < 0 || memory == memAddressBook) return;
    phoneData_->speedDials()->assign(table(memory).row(row), memory);
}

void Tphonebook_grid::runOk(EntryEditorRules::Answers answers) {
    using Outcome = EntryEditorRules::Outcome;
    const Outcome outcome = rules_->ok(editor_->setup(), editor_->fields(), origin_, answers);
    switch (outcome.kind) {
        case Outcome::Ask:
            dialogs_.ask(outcome.question,
                         [this, answers, asks = outcome.asks](Answer answer) mutable {
                             EntryEditorRules::record(asks, answer, answers);
                             runOk(answers);
                         });
            return;
        case Outcome::StayOpen:
            if (!outcome.question.text.isEmpty()) dialogs_.tell(outcome.question);
            return;
        case Outcome::Cancelled:
            editor_->done(QDialog::Rejected);
            return;
        case Outcome::Stored:
            break;
    }
    for (const Question& notice : outcome.notices) dialogs_.tell(notice);
    editor_->done(QDialog::Accepted);
    reloadPages();
    page(outcome.memory)->selectLocation(outcome.location);
}

// --- Table commands ----------------------------------------------------------------

void Tphonebook_grid::CompactClick() {
    PhonebookTable& t = table(activeMemory());
    if (transfer_->running() || phoneData_->active() || !t.hasEntries()) return;
    t.beginEdit();
    for (const LocationMove& move : t.compact()) {
        seams_.speedDials->moveReference(move.from, t.memory(), t.memory(), move.to);
    }
    if (!t.state().downloaded) t.removeTrailingEmptyRows();
    reloadPages();
    shell_.setStatusText(
        Tgesamtform::StatusField::Middle,
        tx("telefonbuch_130", "Freie Speicherstellen wurden ans Ende des Speichers verschoben."));
}

void Tphonebook_grid::DeleteClick() {
    if (transfer_->running()) return;
    const std::vector<int> marked = activePage().markedRows();
    if (marked.empty()) return;
    PhonebookTable& t = table(activeMemory());
    const auto remove = [this, &t, marked] {
        t.beginEdit();
        t.clearRows(marked);
        reloadPages();
        shell_.setStatusText(Tgesamtform::StatusField::Middle,
                             tx("telefonbuch_131",
                                "Eintrag wurde gelöscht und wird beim "
                                "nächsten Upload im Handy aktualisiert!"));
    };
    if (marked.size() == 1) return remove();
    dialogs_.ask({Severity::Question, tx("telefonbuch_132", "Bestätigung"),
                  tx("telefonbuch_133", "Es werden ") + QString::number(marked.size()) +
                      tx("telefonbuch_134", " Einträge gelöscht!") + "\n\n" +
                      tx("telefonbuch_135", "Möchten Sie fortfahren?"),
                  AnswerButtons::YesNo},
                 [remove](Answer answer) {
                     if (answer == Answer::Yes) remove();
                 });
}

void Tphonebook_grid::CopyClick() {
    const std::vector<int> marked = activePage().markedRows();
    if (marked.empty() || transfer_->running()) return;
    const PhonebookTable& t = table(activeMemory());
    buffer_.clear();
    for (const int index : marked) {
        PhonebookRow row = t.row(index);
        row.setLocation(static_cast<int>(buffer_.size()) + 1);
        row.unread = false;
        row.changed = false;
        buffer_.push_back(std::move(row));
    }
    seams_.store->saveClipboard(buffer_);
    files_->putOnClipboard(buffer_);
    updateCommands();
}

void Tphonebook_grid::CutClick() {
    const std::vector<int> marked = activePage().markedRows();
    if (marked.empty() || transfer_->running()) return;
    CopyClick();
    PhonebookTable& t = table(activeMemory());
    t.beginEdit();
    t.clearRows(marked);
    reloadPages();
    shell_.setStatusText(Tgesamtform::StatusField::Middle,
                         tx("telefonbuch_136",
                            "Eintrag wurde ausgeschnitten und wird beim "
                            "nächsten Upload des Telefonbuchs gelöscht."));
}

void Tphonebook_grid::PasteClick() {
    if (buffer_.empty() || transfer_->running()) return;
    const uint8_t memory = activeMemory();
    table(memory).beginEdit();
    int pasted = 0;
    // The buffer stays: the same rows can be pasted again.
    for (const PhonebookRow& row : buffer_) {
        const auto outcome = rules_->paste(row, memory);
        if (outcome.kind != EntryEditorRules::Outcome::Stored) {
            dialogs_.tell(outcome.question);
            break;
        }
        ++pasted;
    }
    reloadPages();
    shell_.setStatusText(Tgesamtform::StatusField::Middle,
                         tx("telefonbuch_137", "%1 Einträge eingefügt.").arg(pasted));
}

void Tphonebook_grid::GroupClick() {
    const std::vector<int> marked = activePage().markedRows();
    if (marked.empty() || transfer_->running()) return;
    groupMemory_ = activeMemory();
    groupTargets_.clear();
    for (const int index : marked) {
        if (const auto location = table(groupMemory_).row(index).location())
            groupTargets_.push_back(*location);
    }
    groups_->choose(CallerGroupList::Entries);
}

void Tphonebook_grid::SendSmsClick() {
    if (!shell_.modules().contains(Module::Messages)) return;
    PhonebookPage& page = activePage();
    const int row = page.currentRow();
    if (row < 0) return;
    const PhonebookRow& current = page.table().row(row);
    std::vector<int> filled;
    for (int column = colGeneral; column <= colWork; ++column) {
        if (!numberLines(current.value(column)).isEmpty()) filled.push_back(column);
    }
    int column = filled.size() == 1 ? filled.front() : -1;
    const int currentColumn = page.view()->currentIndex().column();
    if (column < 0 && currentColumn >= colGeneral && currentColumn <= colWork &&
        !numberLines(current.value(currentColumn)).isEmpty()) {
        column = currentColumn;
    }
    if (column < 0) {
        dialogs_.tell({Severity::Information, tx("telefonbuch_115", "Hinweis"),
                       tx("telefonbuch_138", "Bitte wählen Sie ein Feld mit Telefonnummer aus.")});
        return;
    }
    shell_.newMessageTo(numberLines(current.value(column)).first());
}

void Tphonebook_grid::UndoClick() {
    if (!transfer_->running() && table(activeMemory()).undo()) reloadPages();
}

void Tphonebook_grid::RedoClick() {
    if (!transfer_->running() && table(activeMemory()).redo()) reloadPages();
}

void Tphonebook_grid::showMenu(const QPoint& at) {
    updateCommands();
    QMenu menu(this);
    menu.addAction(edit_);
    menu.addAction(speedDial_);
    menu.addAction(sendSms_);
    menu.addAction(toContacts_);
    menu.addAction(group_);
    menu.addSeparator();
    menu.addAction(cut_);
    menu.addAction(copy_);
    menu.addAction(paste_);
    menu.addAction(delete_);
    menu.addSeparator();
    menu.addAction(undo_);
    menu.addAction(redo_);
    menu.exec(at);
}

// --- Printing ----------------------------------------------------------------------

Tdruckform* Tphonebook_grid::PrintClick() {
    const uint8_t memory = activeMemory();
    return openPhonebookPrint(this, tabs_->tabText(memory).trimmed(),
                              reportRows(table(memory), page(memory)->markedRows()));
}

void registerPhonebookModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Phonebook;
    descriptor.helpPage = QStringLiteral("phonebook");
    descriptor.create = [](Tgesamtform& shell) -> QWidget* {
        PhonebookParts parts;
        parts.seams.contacts = std::make_shared<ContactsFileMerge>();
        parts.seams.store = std::make_shared<FileTableStore>();
        return new Tphonebook_grid(shell, std::move(parts));
    };
    descriptor.bindCommands = [](QWidget* window, CommandBar& commands) {
        static_cast<Tphonebook_grid*>(window)->bindCommands(commands);
    };
    descriptor.leave = [](QWidget* window) { static_cast<Tphonebook_grid*>(window)->leave(); };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
