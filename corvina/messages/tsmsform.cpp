#include "corvina/messages/tsmsform.h"

#include <QColor>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "codecs/tools/cp1252.h"
#include "corvina/connection/connectioncontrol.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/messages/messagetext.h"
#include "corvina/messages/tsmsvorlageform.h"
#include "corvina/reports/printchoices.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/commandtexts.h"
#include "corvina/shell/messagebox.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

constexpr int kBusyRetryMs = 50;
constexpr int kPreviewCharacters = 160;
const QColor kReadBackground(200, 202, 201);

QString inboxName() {
    return tx("sms_62", "Eingang");
}
QString outboxName() {
    return tx("sms_61", "Ausgang");
}
QString allFolders() {
    return tx("sms3_60", "Alle Ordner");
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* counter(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    markDynamic(label);
    return label;
}

}  // namespace

Tsmsform::Tsmsform(Tgesamtform& shell, MessageCalls calls)
    : QWidget(&shell), shell_(shell), calls_(std::move(calls)) {
    setObjectName(QStringLiteral("tsmsform"));
    setWindowTitle(QStringLiteral("SMS"));
    markSection(this);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("seiten"));
    pages_->addTab(buildComposePage(), QStringLiteral("Erstellen"));
    pages_->addTab(buildFolderPage(), QStringLiteral("Ordner"));
    layout->addWidget(pages_);
    connect(pages_, &QTabWidget::currentChanged, this, [this] { bindCommands(); });

    templateDialog_ = new Tsmsvorlageform(this);
    listDialog_ = new Tempflistenform(this);
    setHelpPage(templateDialog_, QStringLiteral("messages"));
    setHelpPage(listDialog_, QStringLiteral("messages"));
    pickDialog_ = new Tsmspickform(this);
    setHelpPage(pickDialog_, QStringLiteral("messages"));

    connect(&shell_.connection(), &ConnectionControl::disconnected, this, [this] {
        if (sending_) sending_->linkLost();
        if (reading_) reading_->linkLost();
        enable_buttons();
    });
    connect(&shell_.connection(), &ConnectionControl::connected, this,
            [this] { enable_buttons(); });
    connect(&shell_.connection(), &ConnectionControl::smsArrived, this, &Tsmsform::messageArrived);
    // Other windows (phonebook, call lists) hand over a number to write to.
    connect(&shell_, &Tgesamtform::messageRequested, this, &Tsmsform::newMessageTo);

    setTemplatePath(messageFilePath(tx("sms_16", "vorlagen.smo")));
    setListPath(messageFilePath(QStringLiteral("empfaenger.emp")));
    updateCounters();
    fillFolderChoice();
}

Tsmsform::~Tsmsform() = default;

QWidget* Tsmsform::buildComposePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("erstellen"));
    auto* grid = new QGridLayout(page);

    auto* recipientsBox = group(page, "empfaengergruppe", QStringLiteral(" Empfängerliste: "));
    auto* recipientsLayout = new QVBoxLayout(recipientsBox);
    recipients_ = new QListWidget(recipientsBox);
    recipients_->setObjectName(QStringLiteral("empfaenger"));
    recipients_->setContextMenuPolicy(Qt::CustomContextMenu);
    recipients_->installEventFilter(this);
    newRecipient_ = new QLineEdit(recipientsBox);
    newRecipient_->setObjectName(QStringLiteral("neuerempfaenger"));
    newRecipient_->setPlaceholderText(tx("sms3_1", "Empfänger mit <RETURN> zur Liste hinzufügen."));
    newRecipient_->setToolTip(newRecipient_->placeholderText());
    auto* pick = new QPushButton(QStringLiteral("Telefonbuch..."), recipientsBox);
    pick->setObjectName(QStringLiteral("telefonbuch"));
    pick->setToolTip(tx("sms3_103", "Empfänger aus einem gespeicherten Telefonbuch wählen"));
    recipientsLayout->addWidget(recipients_, 1);
    recipientsLayout->addWidget(newRecipient_);
    recipientsLayout->addWidget(pick);
    connect(pick, &QPushButton::clicked, this, [this] { pickFromPhonebook(); });
    grid->addWidget(recipientsBox, 0, 0, 2, 1);
    connect(newRecipient_, &QLineEdit::returnPressed, this, [this] { addTypedRecipient(); });
    connect(newRecipient_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (typed.contains(QLatin1Char(':')))
            newRecipient_->setText(QString(typed).remove(QLatin1Char(':')));
    });
    connect(recipients_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { recipientMenu(at); });

    auto* textBox = group(page, "textgruppe", QStringLiteral(" Text "));
    auto* textLayout = new QVBoxLayout(textBox);
    text_ = new QPlainTextEdit(textBox);
    text_->setObjectName(QStringLiteral("nachricht"));
    text_->setContextMenuPolicy(Qt::CustomContextMenu);
    textLayout->addWidget(text_);
    grid->addWidget(textBox, 0, 1, 2, 1);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] { textChanged(); });
    connect(text_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { textMenu(at); });

    auto* infoBox = group(page, "informationen", QStringLiteral(" Informationen "));
    auto* infoLayout = new QVBoxLayout(infoBox);
    free_ = counter(infoBox, "restzeichen");
    parts_ = counter(infoBox, "nachrichten");
    total_ = counter(infoBox, "smsgesamt");
    count_ = counter(infoBox, "empfaengerzahl");
    coding_ = counter(infoBox, "kodierung");
    for (QLabel* label : {free_, parts_, total_, count_, coding_}) infoLayout->addWidget(label);
    infoLayout->addStretch(1);
    grid->addWidget(infoBox, 0, 2);

    auto* optionsBox = group(page, "optionen", QStringLiteral(" Optionen "));
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    flash_ = new QCheckBox(QStringLiteral("Direktanzeige"), optionsBox);
    flash_->setObjectName(QStringLiteral("direktanzeige"));
    report_ = new QCheckBox(QStringLiteral("Statusbericht"), optionsBox);
    report_->setObjectName(QStringLiteral("statusbericht"));
    unicode_ = new QCheckBox(QStringLiteral("Unicode erlauben"), optionsBox);
    unicode_->setObjectName(QStringLiteral("unicode"));
    for (QCheckBox* box : {flash_, report_, unicode_}) optionsLayout->addWidget(box);
    grid->addWidget(optionsBox, 1, 2);
    connect(unicode_, &QCheckBox::toggled, this, [this] { textChanged(); });

    auto* templatesBox = group(page, "vorlagen", QStringLiteral(" Vorlagen "));
    auto* templatesLayout = new QHBoxLayout(templatesBox);
    templates_ = new QListWidget(templatesBox);
    templates_->setObjectName(QStringLiteral("vorlagenliste"));
    templates_->setContextMenuPolicy(Qt::CustomContextMenu);
    templatePreview_ = new QPlainTextEdit(templatesBox);
    templatePreview_->setObjectName(QStringLiteral("vorlagenvorschau"));
    templatePreview_->setReadOnly(true);
    templatesLayout->addWidget(templates_, 1);
    templatesLayout->addWidget(templatePreview_, 2);
    grid->addWidget(templatesBox, 2, 0, 1, 3);
    connect(templates_, &QListWidget::currentRowChanged, this, [this](int row) {
        templatePreview_->setPlainText(
            row >= 0 && row < static_cast<int>(templateRecords_.size())
                ? templateRecords_[static_cast<size_t>(row)].text.left(kPreviewCharacters)
                : QString());
    });
    connect(templates_, &QListWidget::itemDoubleClicked, this, [this] {
        const int row = templates_->currentRow();
        if (row >= 0 && row < static_cast<int>(templateRecords_.size()))
            text_->setPlainText(templateRecords_[static_cast<size_t>(row)].text);
    });
    connect(templates_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { templateMenu(at); });

    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    return page;
}

QWidget* Tsmsform::buildFolderPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("ordner"));
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Ordnerauswahl:"), page);
    label->setObjectName(QStringLiteral("ordnerlabel"));
    folders_ = new QComboBox(page);
    folders_->setObjectName(QStringLiteral("ordnerauswahl"));
    markDynamic(folders_);
    folders_->setMinimumWidth(180);
    auto* searchLabel = new QLabel(QStringLiteral("Suchen:"), page);
    searchLabel->setObjectName(QStringLiteral("suchlabel"));
    search_ = new QLineEdit(page);
    search_->setObjectName(QStringLiteral("suche"));
    search_->setClearButtonEnabled(true);
    top->addWidget(label);
    top->addWidget(folders_);
    top->addStretch(1);
    top->addWidget(searchLabel);
    top->addWidget(search_);
    layout->addLayout(top);
    connect(folders_, &QComboBox::activated, this, [this] { fillTable(); });
    connect(search_, &QLineEdit::textChanged, this, [this] { fillTable(); });

    table_ = new QTableWidget(0, 6, page);
    table_->setObjectName(QStringLiteral("nachrichtentabelle"));
    table_->setHorizontalHeaderLabels({tx("sms3_70", "Nr."), tx("sms3_71", "Text"),
                                       tx("sms3_72", "Nummer"), tx("sms3_73", "Uhrzeit"),
                                       tx("sms3_74", "Datum"), tx("sms3_75", "Ordner")});
    const std::array<int, 6> widths = {44, 262, 203, 120, 120, 120};
    for (int column = 0; column < 6; ++column) table_->setColumnWidth(column, widths[column]);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setContextMenuPolicy(Qt::CustomContextMenu);
    table_->installEventFilter(this);
    preview_ = new QPlainTextEdit(page);
    preview_->setObjectName(QStringLiteral("vorschau"));
    preview_->setReadOnly(true);
    preview_->setMaximumHeight(110);
    layout->addWidget(table_, 1);
    layout->addWidget(preview_);
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
        showSelected();
        enable_buttons();
    });
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { tableMenu(at); });
    return page;
}

uint8_t Tsmsform::model() const {
    return shell_.connection().modelNumber();
}

QString Tsmsform::counterText(const char* name) const {
    auto* label = findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

QStringList Tsmsform::recipients() const {
    QStringList list;
    for (int i = 0; i < recipients_->count(); ++i) list << recipients_->item(i)->text();
    return list;
}

void Tsmsform::setPage(Page page) {
    pages_->setCurrentIndex(static_cast<int>(page));
}

// --- Compose ---------------------------------------------------------------

void Tsmsform::textChanged() {
    if (filtering_) return;
    const QString typed = text_->toPlainText();
    QTextCursor cursor = text_->textCursor();
    int position = cursor.position();
    const QString kept = filterMessageText(typed, unicode_->isChecked(), &position);
    if (kept != typed) {
        filtering_ = true;
        text_->setPlainText(kept);
        cursor = text_->textCursor();
        cursor.setPosition(std::clamp(position, 0, static_cast<int>(kept.size())));
        text_->setTextCursor(cursor);
        filtering_ = false;
    }
    updateCounters();
}

void Tsmsform::updateCounters() {
    const MessageCounters c =
        countMessage(text_->toPlainText(), recipients_->count(), unicode_->isChecked());
    free_->setText(tx("sms3_20", "Restzeichen: ") + QString::number(c.freeCharacters));
    parts_->setText(tx("sms3_21", "Nachrichten: ") + QString::number(c.messages));
    total_->setText(tx("sms3_22", "SMS gesamt: ") + QString::number(c.total));
    count_->setText(tx("sms3_23", "Empfänger: ") + QString::number(c.recipients));
    coding_->setText(c.tooLong ? tx("sms2_3", "zu lang (mehr als 9 Teile)") : codingName(c.coding));
    coding_->setStyleSheet(c.tooLong ? QStringLiteral("color: red") : QString());
}

bool Tsmsform::addTypedRecipient() {
    QStringList list = recipients();
    if (!addRecipient(list, newRecipient_->text())) return false;
    recipients_->addItem(list.back());
    newRecipient_->clear();
    updateCounters();
    return true;
}

void Tsmsform::pickFromPhonebook() {
    auto* dialog = new QFileDialog(this, tx("sms3_104", "Telefonbuch öffnen"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({tx("sms3_105", "KVF (*.kvf)"), tx("sms3_106", "CSV (*.csv)")});
    const QString folder = readSettings().phonebookFolder;
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog->setDirectory(folder);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { pickFromFile(path); });
    dialog->open();
}

void Tsmsform::pickFromFile(const QString& path) {
    const PickRead read = readPickEntries(path);
    if (!read.error.isEmpty()) {
        tell(QMessageBox::Warning, read.error);
        return;
    }
    if (read.entries.empty()) {
        tell(QMessageBox::Information,
             tx("sms3_107", "%1 enthält keine Telefonnummer, an die eine SMS gehen kann.")
                 .arg(QFileInfo(path).fileName()));
        return;
    }
    pickDialog_->pick(read.entries, [this](const QString& number) {
        newRecipient_->setText(number);
        addTypedRecipient();
    });
}

void Tsmsform::newMessageTo(const QString& number) {
    setPage(Page::Compose);
    newRecipient_->setText(number);
    addTypedRecipient();
    text_->setFocus();
}

void Tsmsform::sendsms() {
    if (transferRunning() || shell_.connection().notConnected()) return;
    if (recipients_->count() == 0 && !newRecipient_->text().trimmed().isEmpty() &&
        !addTypedRecipient()) {
        tell(QMessageBox::Warning, tx("sms2_4", "Der Empfänger \"%1\" hat keine gültige Nummer.")
                                       .arg(newRecipient_->text()));
        return;
    }
    const MessageCounters c =
        countMessage(text_->toPlainText(), recipients_->count(), unicode_->isChecked());
    if (recipients_->count() == 0) {
        tell(QMessageBox::Information,
             tx("sms2_5", "Bitte geben Sie mindestens einen Empfänger an."));
        return;
    }
    if (c.messages == 0 || c.tooLong) {
        MessageSending check(calls_, recipients(), text_->toPlainText(),
                             SendOptions{{}, false, false, 5, unicode_->isChecked()});
        tell(QMessageBox::Warning, check.summary());
        return;
    }
    const TSettings settings = readSettings();
    if (!settings.smsCentre.isEmpty()) {
        startSending(settings.smsCentre);
        return;
    }
    std::string centre = "1";
    uint8_t result = calls_.centre(centre);
    if (result == phonelib::stCallInProgress) {
        QTimer::singleShot(kBusyRetryMs, this, [this] { sendsms(); });
        return;
    }
    if (result == phonelib::stDone && !centre.empty()) {
        startSending(tools::fromCp1252(centre));
        return;
    }
    ask(tx("sms3_24", "Sie müssen noch die SMS-Zentralennummer angeben..") + QLatin1Char('\n') +
            tx("sms3_25", "Drücken Sie <OK> um dies jetzt vorzunehmen."),
        [this] {
            shell_.settingsDialog().showFor(model(), shell_.connection().notConnected(),
                                            Thaupteinstellungsform::Page::Messages);
        });
}

void Tsmsform::startSending(const QString& centre) {
    SendOptions options;
    options.centre = centre;
    options.flash = flash_->isChecked();
    options.statusReport = report_->isChecked();
    options.validity = 5;
    options.allowUnicode = unicode_->isChecked();
    sending_ =
        std::make_unique<MessageSending>(calls_, recipients(), text_->toPlainText(), options);
    setStatus(tx("sms2_6", "SMS wird versendet..."));
    beginTransfer(true);
}

// --- Transfers -------------------------------------------------------------

void Tsmsform::readsms() {
    if (transferRunning() || shell_.connection().notConnected()) return;
    reading_ = std::make_unique<MessageReading>(calls_, model(), inboxName(), outboxName());
    setStatus(tx("sms3_80", "SMS-Nachrichten werden abgefragt!"));
    beginTransfer(false);
}

void Tsmsform::beginTransfer(bool sending) {
    Twarteform& wait = shell_.waitWindow();
    wait.showPage(sending ? WaitPage::Messages : WaitPage::MessageFolders);
    if (sending) wait.holdOpen();
    wait.setHeading(sending ? tx("sms2_6", "SMS wird versendet...")
                            : tx("sms3_81", "Statusinformationen abfragen..."));
    wait.offerCancel([this] {
        if (sending_) sending_->cancel();
        if (reading_) reading_->cancel();
    });
    enable_buttons();
    QTimer::singleShot(0, this, [this] { runStep(); });
}

void Tsmsform::runStep() {
    Twarteform& wait = shell_.waitWindow();
    bool over = false;
    bool busy = false;
    if (sending_) {
        over = sending_->step() != SendState::Running;
        busy = sending_->busy();
    } else if (reading_) {
        over = reading_->step() != ReadState::Running;
        busy = reading_->busy();
        if (reading_->hasStore()) {
            wait.setHeading(reading_->family() == MessageFamily::FolderPhone
                                ? tx("sms3_82", "Nachrichten abfragen...")
                                : tx("sms3_83", "Nachrichten werden abfragt..."));
            wait.setProgressText(reading_->progressText());
        }
    } else {
        return;
    }
    if (over) {
        endTransfer();
        return;
    }
    QTimer::singleShot(busy ? kBusyRetryMs : 0, this, [this] { runStep(); });
}

void Tsmsform::endTransfer() {
    shell_.waitWindow().finish();
    if (sending_) {
        const bool good = sending_->state() == SendState::Done;
        setStatus(sending_->statusLine());
        if (good)
            lastMessage_ = sending_->summary();
        else
            tell(QMessageBox::Warning, sending_->summary());
        sending_.reset();
    } else if (reading_) {
        if (reading_->hasStore()) {
            store_ = reading_->store();
            downloaded_ = true;
            fillFolderChoice();
        }
        const bool good = reading_->state() == ReadState::Done;
        const QString summary = reading_->summary();
        setStatus(summary.section(QLatin1Char('\n'), 0, 0));
        fillTable();
        if (good)
            lastMessage_ = summary;
        else
            tell(QMessageBox::Warning, summary);
        reading_.reset();
    }
    enable_buttons();
    emit transferFinished();
    readArrivals();
}

void Tsmsform::messageArrived(int location, int folder) {
    arrivals_.emplace_back(folder, location);
    readArrivals();
}

void Tsmsform::readArrivals() {
    while (!arrivals_.empty() && !transferRunning()) {
        if (shell_.connection().notConnected()) {
            arrivals_.clear();
            return;
        }
        const auto [folder, location] = arrivals_.front();
        GSMSMS message;
        const uint8_t result = calls_.read(static_cast<uint8_t>(folder), location, message);
        if (result == phonelib::stCallInProgress) {
            QTimer::singleShot(kBusyRetryMs, this, [this] { readArrivals(); });
            return;
        }
        arrivals_.pop_front();
        if (result != phonelib::stDone) {
            setStatus(tx("sms2_74",
                         "Eine neue SMS (Nr. %1) ist eingegangen, konnte aber nicht "
                         "gelesen werden: %2")
                          .arg(location)
                          .arg(readResultText(result)));
            continue;
        }
        StoredMessage entry{message, folder, location,
                            message.status == 2 ? outboxName() : inboxName()};
        const QString sender = entry.number();
        store_.addArrived(std::move(entry));
        fillTable();
        setStatus(tx("sms2_75", "Neue SMS von %1 empfangen.").arg(sender));
    }
}

// --- Folder page -----------------------------------------------------------

void Tsmsform::fillFolderChoice() {
    folders_->clear();
    if (!downloaded_) {
        folders_->addItem(tx("sms3_63", "erst downloaden!"));
        folders_->setItemData(0, QColor(Qt::red), Qt::ForegroundRole);
        folders_->setEnabled(false);
        return;
    }
    folders_->addItem(allFolders());
    folders_->addItems(store_.folderNames());
    folders_->setCurrentIndex(0);
    folders_->setEnabled(true);
}

QString Tsmsform::rowText(const MessageRow& row) const {
    return store_.rowText(row, tx("sms2_76", "[Teil %1 fehlt]"));
}

void Tsmsform::fillTable() {
    const QString folder = folders_->currentIndex() > 0 ? folders_->currentText() : QString();
    const QString needle = search_->text().trimmed();
    rows_.clear();
    for (const MessageRow& row : store_.rows(folder)) {
        const StoredMessage& e = store_.at(row.entry());
        if (!needle.isEmpty() && !rowText(row).contains(needle, Qt::CaseInsensitive) &&
            !e.number().contains(needle, Qt::CaseInsensitive))
            continue;
        rows_.push_back(row);
    }
    const bool folderPhone = messageFamilyOf(model()) == MessageFamily::FolderPhone;
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const MessageRow& r = rows_[static_cast<size_t>(row)];
        const StoredMessage& e = store_.at(r.entry());
        bool unread = false;
        for (int part : r.parts) unread |= store_.at(part).message.unread != 0;
        const QStringList cells = {
            QString::number(e.location),
            r.parts.size() > 1 || !r.missing.empty() ? tableText(rowText(r)) : e.cellText(),
            e.number(),
            QString::fromStdString(e.message.time),
            QString::fromStdString(e.message.date),
            e.folder};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (unread) {
                item->setBackground(QColor(Qt::darkBlue));
                item->setForeground(QColor(Qt::white));
            } else if (!folderPhone) {
                item->setBackground(kReadBackground);
            }
            table_->setItem(row, column, item);
        }
    }
    preview_->clear();
    enable_buttons();
}

const MessageRow* Tsmsform::selectedRow() const {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size()) || table_->selectedItems().isEmpty())
        return nullptr;
    return &rows_[static_cast<size_t>(row)];
}

int Tsmsform::selectedEntry() const {
    const MessageRow* row = selectedRow();
    return row ? row->entry() : -1;
}

void Tsmsform::showSelected() {
    const MessageRow* row = selectedRow();
    preview_->setPlainText(row ? rowText(*row) : QString());
}

void Tsmsform::deleteMessage() {
    if (transferRunning() || shell_.connection().notConnected()) return;
    const MessageRow* row = selectedRow();
    if (!row) return;
    if (row->parts.size() == 1) {
        deleteParts(row->parts);
        return;
    }
    ask(tx("sms2_77", "Die Nachricht besteht aus %1 gespeicherten Teilen. Alle Teile löschen?")
            .arg(row->parts.size()),
        [this, parts = row->parts] { deleteParts(parts); });
}

void Tsmsform::deleteParts(std::vector<int> parts) {
    // Highest index first: removing an entry moves the ones after it.
    std::sort(parts.rbegin(), parts.rend());
    QStringList deleted;
    while (!parts.empty()) {
        const int entry = parts.front();
        const StoredMessage e = store_.at(entry);
        const uint8_t result = calls_.remove(static_cast<uint8_t>(e.folderId), e.location);
        if (result == phonelib::stCallInProgress) {
            QTimer::singleShot(kBusyRetryMs, this, [this, parts] { deleteParts(parts); });
            fillTable();
            return;
        }
        if (result != phonelib::stDone) {
            setStatus(tx("sms3_90", "SMS Nr. ") + QString::number(e.location) +
                      tx("sms3_91", " im Eingang konnte nicht gelöscht werden."));
            tell(QMessageBox::Warning, tx("sms2_60", "SMS Nr. %1 konnte nicht gelöscht werden: %2")
                                           .arg(e.location)
                                           .arg(readResultText(result)));
            fillTable();
            return;
        }
        store_.remove(entry);
        parts.erase(parts.begin());
        deleted.prepend(QString::number(e.location));
    }
    setStatus(tx("sms3_90", "SMS Nr. ") + deleted.join(QStringLiteral(", ")) +
              tx("sms3_92", " wurde gelöscht."));
    fillTable();
}

void Tsmsform::moveSelected(int targetFolderId, bool copy) {
    if (transferRunning() || shell_.connection().notConnected()) return;
    const MessageRow* row = selectedRow();
    if (!row) return;
    // Every part of a long message goes; indexes stay valid, as a copy is
    // appended and a move keeps its entry in place.
    for (const int entry : std::vector<int>(row->parts)) {
        if (!moveEntry(entry, targetFolderId, copy)) break;
    }
    fillTable();
}

bool Tsmsform::moveEntry(int entry, int targetFolderId, bool copy) {
    const StoredMessage e = store_.at(entry);
    const int location = store_.freeLocation(targetFolderId);
    const uint8_t written = calls_.write(static_cast<uint8_t>(targetFolderId), location, e.message);
    if (written != phonelib::stDone) {
        tell(QMessageBox::Warning,
             tx("sms2_61", "Die Nachricht konnte nicht geschrieben werden: %1")
                 .arg(readResultText(written)));
        return false;
    }
    if (copy) {
        store_.copyTo(entry, targetFolderId, location);
        return true;
    }
    const uint8_t removed = calls_.remove(static_cast<uint8_t>(e.folderId), e.location);
    if (removed == phonelib::stDone) {
        store_.moveTo(entry, targetFolderId, location);
        return true;
    }
    store_.copyTo(entry, targetFolderId, location);
    tell(QMessageBox::Warning, tx("sms2_62",
                                  "Die Nachricht wurde kopiert, aber am alten Platz (Nr. %1) nicht "
                                  "gelöscht: %2. Sie steht jetzt in beiden Ordnern.")
                                   .arg(e.location)
                                   .arg(readResultText(removed)));
    return false;
}

void Tsmsform::answerSelected() {
    const int entry = selectedEntry();
    if (entry < 0) return;
    newMessageTo(store_.at(entry).number());
}

void Tsmsform::toPhonebook() {
    const int entry = selectedEntry();
    if (entry < 0) return;
    shell_.newPhonebookEntry(store_.at(entry).number());
}

bool Tsmsform::saveMessagesTo(const QString& path) {
    std::vector<MessageFileRow> rows;
    for (const MessageRow& row : rows_) {
        const StoredMessage& e = store_.at(row.entry());
        rows.push_back({e.number(), QString::fromStdString(e.message.date),
                        QString::fromStdString(e.message.time), e.folder, rowText(row),
                        e.location});
    }
    const bool csv = path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
    QString error;
    if (!writeMessageFile(path, csv ? messageCsvBytes(rows) : messageTextBytes(rows), &error)) {
        tell(QMessageBox::Warning,
             tx("sms3_93", "SMS konnten nicht gespeichert werden.") + QLatin1Char('\n') + error);
        return false;
    }
    return true;
}

void Tsmsform::saveMessages() {
    if (rows_.empty()) return;
    auto* dialog = new QFileDialog(this, tx("sms2_64", "Nachrichten speichern"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilters({tx("sms3_94", "Text (*.txt)"), tx("sms2_65", "CSV (*.csv)")});
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(filter.contains(QStringLiteral("csv")) ? QStringLiteral("csv")
                                                                        : QStringLiteral("txt"));
    });
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& path) { saveMessagesTo(path); });
    dialog->open();
}

void Tsmsform::printMessages() {
    std::vector<MessageReportRow> rows;
    const int selected = selectedEntry();
    for (const MessageRow& row : rows_) {
        const StoredMessage& e = store_.at(row.entry());
        rows.push_back({e.location, QString::fromStdString(e.message.date),
                        QString::fromStdString(e.message.time), e.number(), e.folder, rowText(row),
                        e.smartKind(), row.entry() == selected});
    }
    openMessagePrint(this, folders_->currentIndex() > 0 ? folders_->currentText() : QString(),
                     std::move(rows));
}

// --- Templates -------------------------------------------------------------

void Tsmsform::setTemplatePath(const QString& path) {
    templatePath_ = path;
    loadTemplates();
}

void Tsmsform::setListPath(const QString& path) {
    listPath_ = path;
    loadLists();
}

void Tsmsform::loadTemplates() {
    const auto read = readTemplates(templatePath_);
    templateRecords_ = read.records;
    templatesReadable_ = read.usable();
    templatesDamaged_ = !read.damage.isEmpty();
    templates_->clear();
    for (const MessageTemplate& t : templateRecords_) templates_->addItem(t.name);
    templatePreview_->clear();
    if (!read.usable())
        tell(QMessageBox::Warning,
             tx("sms3_44", "Es ist ein Fehler bei der Operation aufgetreten.") + QLatin1Char('\n') +
                 read.error);
    else if (templatesDamaged_)
        tell(QMessageBox::Warning, tx("sms2_66", "Die Vorlagen-Datei ist beschädigt:") +
                                       QLatin1Char('\n') + read.damage.join(QLatin1Char('\n')));
}

void Tsmsform::loadLists() {
    const auto read = readRecipientLists(listPath_);
    listRecords_ = read.records;
    listsReadable_ = read.usable();
    listsDamaged_ = !read.damage.isEmpty();
    if (!read.usable())
        tell(QMessageBox::Warning,
             tx("sms3_44", "Es ist ein Fehler bei der Operation aufgetreten.") + QLatin1Char('\n') +
                 read.error);
    else if (listsDamaged_)
        tell(QMessageBox::Warning, tx("sms2_67", "Die Empfänger-Datei ist beschädigt:") +
                                       QLatin1Char('\n') + read.damage.join(QLatin1Char('\n')));
}

void Tsmsform::confirmOverwrite(bool damaged, const QString& file, std::function<void()> then) {
    if (!damaged) {
        then();
        return;
    }
    ask(tx("sms2_68",
           "Die Datei %1 ist beschädigt. Beim Speichern werden nur die lesbaren "
           "Einträge übernommen. Fortfahren?")
            .arg(file),
        std::move(then));
}

bool Tsmsform::storeTemplates(std::vector<MessageTemplate> records) {
    if (!templatesReadable_) {
        tell(QMessageBox::Warning,
             tx("sms2_69", "Die Vorlagen-Datei kann nicht gelesen werden und wird nicht ersetzt."));
        return false;
    }
    QString error;
    if (!writeTemplates(templatePath_, records, &error)) {
        tell(QMessageBox::Warning, tx("sms3_45",
                                      "Die Vorlagen-Datei konnte nicht gespeichert "
                                      "werden.") +
                                       QLatin1Char('\n') + error);
        return false;
    }
    templateRecords_ = std::move(records);
    templatesDamaged_ = false;
    templates_->clear();
    for (const MessageTemplate& t : templateRecords_) templates_->addItem(t.name);
    templatePreview_->clear();
    return true;
}

QString Tsmsform::templateText() {
    const QString text = text_->toPlainText();
    if (text.size() > kTemplateTextLimit) {
        tell(QMessageBox::Information,
             tx("sms3_46", "Der Vorlagentext überschreitet eine Grösse von 255 Zeichen.") +
                 QLatin1Char('\n') +
                 tx("sms3_47",
                    "Aus speichertechnischen Gründen werden von Ihrem Text nur 255 "
                    "Zeichen übernommen."));
    }
    return text.left(kTemplateTextLimit);
}

void Tsmsform::saveAsTemplate(const QString& name) {
    confirmOverwrite(templatesDamaged_, templatePath_, [this, name] {
        std::vector<MessageTemplate> records = templateRecords_;
        records.push_back({name.left(255), templateText()});
        storeTemplates(std::move(records));
    });
}

void Tsmsform::changeTemplate(int index, const QString& name) {
    if (index < 0 || index >= static_cast<int>(templateRecords_.size())) return;
    confirmOverwrite(templatesDamaged_, templatePath_, [this, index, name] {
        std::vector<MessageTemplate> records = templateRecords_;
        records[static_cast<size_t>(index)] = {name.left(255), templateText()};
        storeTemplates(std::move(records));
    });
}

void Tsmsform::deleteTemplate(int index) {
    if (index < 0 || index >= static_cast<int>(templateRecords_.size())) return;
    confirmOverwrite(templatesDamaged_, templatePath_, [this, index] {
        std::vector<MessageTemplate> records = templateRecords_;
        records.erase(records.begin() + index);
        storeTemplates(std::move(records));
    });
}

// --- Recipient lists -------------------------------------------------------

bool Tsmsform::storeLists(std::vector<RecipientList> lists) {
    if (!listsReadable_) {
        tell(
            QMessageBox::Warning,
            tx("sms2_70", "Die Empfänger-Datei kann nicht gelesen werden und wird nicht ersetzt."));
        return false;
    }
    QString error;
    QStringList leftOut;
    if (!writeRecipientLists(listPath_, lists, &error, &leftOut)) {
        tell(QMessageBox::Warning,
             tx("sms2_71", "Die Empfänger-Datei konnte nicht gespeichert werden.") +
                 QLatin1Char('\n') + error);
        return false;
    }
    listRecords_ = readRecipientLists(listPath_).records;
    listsDamaged_ = false;
    if (!leftOut.isEmpty())
        tell(QMessageBox::Information,
             tx("sms2_72",
                "Eine Liste fasst 255 Zeichen; diese Empfänger wurden nicht "
                "gespeichert:") +
                 QLatin1Char('\n') + leftOut.join(QLatin1Char('\n')));
    return true;
}

void Tsmsform::saveRecipientList(const QString& name) {
    confirmOverwrite(listsDamaged_, listPath_, [this, name] {
        std::vector<RecipientList> lists = listRecords_;
        putRecipientList(lists, {name, recipients()});
        storeLists(std::move(lists));
    });
}

void Tsmsform::deleteRecipientList(int index) {
    if (index < 0 || index >= static_cast<int>(listRecords_.size())) return;
    confirmOverwrite(listsDamaged_, listPath_, [this, index] {
        std::vector<RecipientList> lists = listRecords_;
        lists.erase(lists.begin() + index);
        storeLists(std::move(lists));
    });
}

void Tsmsform::appendRecipientList(int index) {
    if (index < 0 || index >= static_cast<int>(listRecords_.size())) return;
    QStringList list = recipients();
    for (const QString& member : listRecords_[static_cast<size_t>(index)].members) {
        if (addRecipient(list, member)) recipients_->addItem(list.back());
    }
    updateCounters();
}

// --- Menus -----------------------------------------------------------------

void Tsmsform::textMenu(const QPoint& at) {
    QMenu* menu = text_->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    const bool hasText = !text_->toPlainText().isEmpty();
    QAction* save = menu->addAction(tx("sms3_10", "als Vorlage speichern"));
    save->setEnabled(hasText);
    connect(save, &QAction::triggered, this, [this] {
        templateDialog_->ask(QString(), [this](const QString& name) { saveAsTemplate(name); });
    });
    QAction* change = menu->addAction(tx("sms3_11", "Vorlage ändern"));
    change->setEnabled(hasText && templates_->currentRow() >= 0);
    connect(change, &QAction::triggered, this, [this] {
        const int row = templates_->currentRow();
        templateDialog_->ask(templates_->item(row)->text(),
                             [this, row](const QString& name) { changeTemplate(row, name); });
    });
    menu->popup(text_->mapToGlobal(at));
}

void Tsmsform::templateMenu(const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const int row = templates_->currentRow();
    QAction* rename = menu->addAction(tx("sms3_12", "Namen ändern"));
    rename->setEnabled(row >= 0);
    connect(rename, &QAction::triggered, this, [this, row] {
        templateDialog_->ask(templates_->item(row)->text(),
                             [this, row](const QString& name) { changeTemplate(row, name); });
    });
    QAction* remove = menu->addAction(tx("sms3_13", "Vorlage löschen"));
    remove->setEnabled(row >= 0);
    connect(remove, &QAction::triggered, this, [this, row] { deleteTemplate(row); });
    menu->popup(templates_->mapToGlobal(at));
}

void Tsmsform::recipientMenu(const QPoint& at) {
    loadLists();
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QStringList names;
    for (const RecipientList& list : listRecords_) names << list.name;
    QAction* save = menu->addAction(tx("sms3_14", "Liste speichern"));
    save->setEnabled(recipients_->count() > 0);
    connect(save, &QAction::triggered, this, [this, names] {
        listDialog_->askToSave(names, [this](const QString& name) { saveRecipientList(name); });
    });
    QAction* remove = menu->addAction(tx("sms3_15", "Liste löschen"));
    remove->setEnabled(!names.isEmpty());
    connect(remove, &QAction::triggered, this, [this, names] {
        listDialog_->askToDelete(names, [this](int index) { deleteRecipientList(index); });
    });
    if (!names.isEmpty()) menu->addSeparator();
    for (int i = 0; i < names.size(); ++i) {
        connect(menu->addAction(names[i]), &QAction::triggered, this,
                [this, i] { appendRecipientList(i); });
    }
    menu->popup(recipients_->mapToGlobal(at));
}

void Tsmsform::tableMenu(const QPoint& at) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const int entry = selectedEntry();
    const bool phone = !transferRunning() && !shell_.connection().notConnected();
    QAction* remove = menu->addAction(tx("sms3_95", "Löschen"));
    remove->setShortcut(QKeySequence::Delete);
    remove->setEnabled(entry >= 0 && phone);
    connect(remove, &QAction::triggered, this, [this] { deleteMessage(); });
    QAction* answer = menu->addAction(tx("sms3_96", "Antworten"));
    bool numeric = false;
    if (entry >= 0) numeric = recipientNumber(store_.at(entry).number()).has_value();
    answer->setEnabled(numeric);
    connect(answer, &QAction::triggered, this, [this] { answerSelected(); });
    QAction* phonebook = menu->addAction(tx("sms3_97", "Zu Telefonbuch"));
    phonebook->setShortcut(QKeySequence(Qt::Key_Insert));
    phonebook->setEnabled(numeric);
    connect(phonebook, &QAction::triggered, this, [this] { toPhonebook(); });
    if (hasMessageFolders(model())) {
        for (const bool copy : {false, true}) {
            QMenu* sub = menu->addMenu(copy ? tx("sms3_99", "kopieren in")
                                            : tx("sms3_98", "verschieben in"));
            sub->setEnabled(!rows_.empty() && entry >= 0 && phone);
            const tsmsinfo& info = store_.folders();
            for (int i = 0; i < std::min(info.folderCount, kMaxFolders); ++i) {
                const tsmsfolder& f = info.folders[static_cast<size_t>(i)];
                const int id = f.folderId;
                connect(sub->addAction(tools::fromCp1252(f.folderName)), &QAction::triggered, this,
                        [this, id, copy] { moveSelected(id, copy); });
            }
        }
    }
    menu->popup(table_->viewport()->mapToGlobal(at));
}

bool Tsmsform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == recipients_ && key == Qt::Key_Delete) {
            delete recipients_->takeItem(recipients_->currentRow());
            updateCounters();
            return true;
        }
        if (watched == table_ && key == Qt::Key_Delete) {
            deleteMessage();
            return true;
        }
        if (watched == table_ && key == Qt::Key_Insert) {
            toPhonebook();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// --- Commands --------------------------------------------------------------

void Tsmsform::bindCommands() {
    if (shell_.activeModuleWindow() != this) return;
    CommandBar& bar = shell_.commandBar();
    bar.clear();
    const bool compose = pages_->currentIndex() == static_cast<int>(Page::Compose);
    if (compose) bar.bind(Send, commandText(CommandText::Send), [this] { sendsms(); });
    bar.bind(Read, commandText(CommandText::Download), [this] { readsms(); });
    bar.bind(Delete, commandText(CommandText::DeleteSms), [this] { deleteMessage(); });
    bar.bind(Save, commandText(CommandText::Save), [this] { saveMessages(); });
    bar.bind(Print, commandText(CommandText::Print), [this] { printMessages(); });
    enable_buttons();
}

void Tsmsform::enable_buttons() {
    const bool phone = !transferRunning() && !shell_.connection().notConnected();
    const bool folders = pages_->currentIndex() == static_cast<int>(Page::Folders);
    enabled_[Send] = phone && !folders;
    enabled_[Read] = phone && folders;
    enabled_[Delete] = phone && folders && selectedEntry() >= 0;
    enabled_[Save] = folders && !rows_.empty() && !transferRunning();
    enabled_[Print] = folders && !rows_.empty() && !transferRunning();
    if (shell_.activeModuleWindow() != this) return;
    for (int command = 0; command < CommandCount; ++command)
        shell_.commandBar().setButtonEnabled(command, enabled_[command]);
}

void Tsmsform::tell(QMessageBox::Icon icon, const QString& text) {
    lastMessage_ = text;
    showMessage(this, icon, tx("sms2_73", "SMS"), text);
}

void Tsmsform::ask(const QString& text, std::function<void()> then) {
    lastMessage_ = text;
    askOkCancel(this, QMessageBox::Information, tx("sms2_73", "SMS"), text, std::move(then));
}

void Tsmsform::setStatus(const QString& text) {
    shell_.setStatusText(Tgesamtform::StatusField::Middle, text);
}

void registerMessageModule(ModuleRegistry& registry) {
    ModuleDescriptor descriptor;
    descriptor.module = Module::Messages;
    descriptor.helpPage = QStringLiteral("messages");
    descriptor.create = [](Tgesamtform& shell) -> QWidget* { return new Tsmsform(shell); };
    descriptor.bindCommands = [](QWidget* window, CommandBar&) {
        static_cast<Tsmsform*>(window)->bindCommands();
    };
    registry.add(std::move(descriptor));
}

}  // namespace corvina
