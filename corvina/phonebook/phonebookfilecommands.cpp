#include "corvina/phonebook/phonebookfilecommands.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTableWidget>
#include <QUrl>

#include "corvina/language/language.h"
#include "corvina/phonebook/contactcopies.h"
#include "corvina/phonebook/contactrows.h"
#include "corvina/phonebook/contactspage.h"
#include "corvina/phonebook/files/kvftable.h"
#include "corvina/phonebook/files/vcard.h"
#include "corvina/phonebook/phonebookexchange.h"
#include "corvina/phonebook/phonebookmodel.h"
#include "corvina/phonebook/phonebookpage.h"
#include "corvina/phonebook/tablefiles.h"
#include "corvina/phonebook/toutlookfolders.h"
#include "corvina/reports/phonebookreport.h"

namespace corvina {
namespace {

const QString kVCardMime = QStringLiteral("text/vcard");
const std::array<QString, 3> kWidthPrefixes = {QStringLiteral("Sim"), QStringLiteral("Phone"),
                                               QStringLiteral("Adressbuch")};
const QString kContactsPrefix = QStringLiteral("Outlook");
constexpr int kListedCharacters = 15;

PhonebookModel& modelOf(const PhonebookPage& page) {
    auto* filter = static_cast<QSortFilterProxyModel*>(page.view()->model());
    return *static_cast<PhonebookModel*>(filter->sourceModel());
}

std::vector<int> widthsOf(const QHeaderView* header) {
    std::vector<int> widths;
    for (int c = 0; c < header->count(); ++c) widths.push_back(header->sectionSize(c));
    return widths;
}

void applyWidths(QHeaderView* header, const std::vector<int>& widths) {
    for (int c = 0; c < header->count() && c < static_cast<int>(widths.size()); ++c)
        header->resizeSection(c, widths[static_cast<size_t>(c)]);
}

QString notDownloadedText(uint8_t memory) {
    switch (memory) {
        case memSim:
            return tx("kontakte_41",
                      "Bitte führen Sie zuerst einen Download des SIM-Telefonbuchs durch, damit "
                      "gültige Speicherstellen ermittelt werden können!");
        case memPhone:
            return tx("kontakte_42",
                      "Bitte führen Sie zuerst einen Download des internen Telefonbuchs durch, "
                      "damit gültige Speicherstellen ermittelt werden können!");
        default:
            return tx("kontakte_43",
                      "Bitte führen Sie zuerst einen Download des Adressbuches durch, damit "
                      "gültige Speicherstellen ermittelt werden können!");
    }
}

bool isCardFile(const QUrl& url) {
    return url.isLocalFile() &&
           url.toLocalFile().endsWith(QStringLiteral(".vcf"), Qt::CaseInsensitive);
}

bool offersCards(const QMimeData* mime) {
    if (mime->hasFormat(kVCardMime)) return true;
    const QList<QUrl> urls = mime->urls();
    return std::any_of(urls.begin(), urls.end(), isCardFile);
}

}  // namespace

PhonebookFileCommands::PhonebookFileCommands(FileCommandsParts parts, QString widthsPath)
    : QObject(parts.window), parts_(std::move(parts)), widths_(std::move(widthsPath)) {
    for (uint8_t memory = memSim; memory <= memAddressBook; ++memory) {
        PhonebookPage* page = parts_.pages.at(memory);
        copies_.at(memory) = std::make_unique<ContactCopies>(
            *parts_.rules, parts_.tables.of(memory), parts_.dialogs);
        QTableView* view = page->view();
        modelOf(*page).dragData = [this, memory](const std::vector<int>& rows) {
            return rowsAsData(memory, rows);
        };
        view->setDragEnabled(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        view->viewport()->setAcceptDrops(true);
        view->viewport()->installEventFilter(this);
        view->viewport()->setProperty("corvinaMemory", memory);
    }
    connect(parts_.contacts, &ContactsPage::copyRequested, this,
            [this](uint8_t memory) { copyContacts(memory, parts_.contacts->markedContacts()); });
}

PhonebookFileCommands::~PhonebookFileCommands() = default;

PhonebookTable& PhonebookFileCommands::activeTable() const {
    return parts_.tables.of(parts_.activeMemory().value_or(memSim));
}

void PhonebookFileCommands::tell(Severity severity, const QString& text) {
    parts_.dialogs.tell({severity, tx("telefonbuch_115", "Hinweis"), text});
}

// --- Speichern, Laden ---------------------------------------------------------------

void PhonebookFileCommands::openDialog(const QString& title, const QStringList& filters,
                                       const QStringList& suffixes, bool saving,
                                       std::function<void(const QString&)> chosen) {
    auto* dialog = new QFileDialog(parts_.window, title);
    dialog->setNameFilters(filters);
    dialog->setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!saving) dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(suffixes.value(0));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::filterSelected, dialog,
            [dialog, filters, suffixes](const QString& f) {
                dialog->setDefaultSuffix(suffixes.value(filters.indexOf(f), suffixes.value(0)));
            });
    connect(dialog, &QFileDialog::fileSelected, this, std::move(chosen));
    dialog->open();
}

void PhonebookFileCommands::save() {
    if (parts_.busy()) return;
    const QString wapFilter = QStringLiteral("WAP-Links (*.wap)");
    if (parts_.wap && parts_.wapTabActive())
        return openDialog(tx("kontakte_61", "Aktuelle Liste speichern"), {wapFilter},
                          {QStringLiteral("wap")}, true,
                          [this](const QString& path) { saveWapTo(path); });
    if (!parts_.activeMemory()) return;
    openDialog(tx("kontakte_46", "Aktuelles Telefonbuch speichern"),
               {tx("kontakte_44", "Corvina 2.0 Telefonbuch") + QStringLiteral(" (*.kvf)"),
                QStringLiteral("HTML (*.htm)"), QStringLiteral("vCard 3.0 (*.vcf)"),
                tx("kontakte_45", "Corvina CSV") + QStringLiteral(" (*.csv)")},
               {QStringLiteral("kvf"), QStringLiteral("htm"), QStringLiteral("vcf"),
                QStringLiteral("csv")},
               true, [this](const QString& path) { saveTo(path); });
}

void PhonebookFileCommands::load() {
    if (parts_.busy()) return;
    if (parts_.wap && parts_.wapTabActive())
        return openDialog(tx("kontakte_62", "Liste laden"), {QStringLiteral("WAP-Links (*.wap)")},
                          {QStringLiteral("wap")}, false,
                          [this](const QString& path) { loadWapFrom(path); });
    if (!parts_.activeMemory()) return;
    openDialog(tx("kontakte_47", "Daten in aktuelles Telefonbuch laden"),
               {tx("kontakte_44", "Corvina 2.0 Telefonbuch") + QStringLiteral(" (*.kvf)"),
                tx("kontakte_45", "Corvina CSV") + QStringLiteral(" (*.csv)"),
                QStringLiteral("vCard (*.vcf)")},
               {QStringLiteral("kvf"), QStringLiteral("csv"), QStringLiteral("vcf")}, false,
               [this](const QString& path) { loadFrom(path); });
}

void PhonebookFileCommands::writeAfterAsking(const QStringList& found,
                                             std::function<void()> write) {
    if (found.isEmpty()) return write();
    QStringList lacking = found;
    const qsizetype more = lacking.size() - kListedCharacters;
    if (more > 0) {
        lacking = lacking.mid(0, kListedCharacters);
        lacking.append(tx("kontakte_49", "… und %1 weitere").arg(more));
    }
    parts_.dialogs.ask(
        {Severity::Warning, tx("telefonbuch_65", "Zeichensatz"),
         tx("kontakte_50",
            "Diese Zeichen kennt der Zeichensatz Windows-1252 der Datei nicht; "
            "sie würden als „?“ gespeichert:") +
             QStringLiteral("\n\n") + lacking.join(u'\n') + QStringLiteral("\n\n") +
             tx("kontakte_51", "vCard 3.0 speichert alle Zeichen. Trotzdem so speichern?"),
         AnswerButtons::YesNo},
        [write = std::move(write)](Answer answer) {
            if (answer == Answer::Yes) write();
        });
}

void PhonebookFileCommands::saveTo(const QString& path) {
    const std::vector<PhonebookRow> rows = activeTable().rows();
    writeAfterAsking(
        writtenInCp1252(phonebookFormatOf(path)) ? unencodableInRows(rows) : QStringList{},
        [this, path, rows] {
            const PhonebookFileWrite result = writePhonebookFile(path, rows);
            if (!result.ok) return tell(Severity::Error, result.error);
            parts_.status(tx("kontakte_48", "%1 Einträge gespeichert in %2")
                              .arg(result.written)
                              .arg(QDir::toNativeSeparators(path)));
        });
}

void PhonebookFileCommands::saveWapTo(const QString& path) {
    if (!parts_.wap) return;
    TableGrid grid;
    for (const WapRow& row : parts_.wap->rows())
        grid.push_back({{QString::number(grid.size() + 1)}, {row.name}, {row.link}});
    QStringList lacking;
    for (const UnencodableCharacter& c : unencodableCharacters(grid))
        lacking.append(tx("kontakte_60", "Zeile %1, Spalte %2: »%3«")
                           .arg(c.row)
                           .arg(c.column + 1)
                           .arg(c.character));
    writeAfterAsking(lacking, [this, path, grid] {
        QString error;
        if (!KvfTable::save(
                path, {tx("kontakte_1", "Nr. "), tx("kontakte_2", "Name"), QStringLiteral("Link")},
                grid, &error))
            return tell(Severity::Error, error);
        parts_.status(tx("kontakte_48", "%1 Einträge gespeichert in %2")
                          .arg(grid.size())
                          .arg(QDir::toNativeSeparators(path)));
    });
}

bool PhonebookFileCommands::loadWapFrom(const QString& path) {
    if (!parts_.wap || parts_.busy() || parts_.wap->running()) return false;
    const TableFileRead read = KvfTable::load(path, kNoBoldColumns);
    if (!read.ok()) {
        tell(Severity::Error, read.error);
        return false;
    }
    std::vector<WapRow> rows;
    for (const TableCells& cells : read.rows)
        rows.push_back({cells.size() > 1 ? cells[1].text : QString(),
                        cells.size() > 2 ? cells[2].text : QString()});
    parts_.wap->setRows(std::move(rows));
    parts_.wapChanged();
    parts_.status(tx("kontakte_52", "%1 Einträge geladen aus %2")
                      .arg(read.rows.size())
                      .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool PhonebookFileCommands::loadFrom(const QString& path) {
    const auto memory = parts_.activeMemory();
    if (!memory || parts_.busy()) return false;
    QStringList groups;
    for (const CallerGroupChoice& group : parts_.rules->setup(*memory, parts_.modelNumber()).groups)
        if (!group.isBlank()) groups.append(group.name);
    PhonebookFileRead read = readPhonebookFile(path, groups);
    if (!read.ok()) {
        tell(Severity::Error, read.error);
        return false;
    }
    PhonebookTable& table = parts_.tables.of(*memory);
    table.beginEdit();
    if (read.rows.empty()) {
        read.rows.emplace_back();
        read.rows.back().setLocation(1);
    }
    const int loaded =
        static_cast<int>(std::count_if(read.rows.begin(), read.rows.end(),
                                       [](const PhonebookRow& row) { return !row.isEmpty(); }));
    table.setRows(std::move(read.rows));
    parts_.changed();
    parts_.status(tx("kontakte_52", "%1 Einträge geladen aus %2")
                      .arg(loaded)
                      .arg(QDir::toNativeSeparators(path)));
    if (!read.notices.isEmpty())
        tell(Severity::Information,
             tx("kontakte_53", "Nicht geladen:") + u'\n' + read.notices.join(u'\n'));
    return true;
}

// --- Contacts folder ------------------------------------------------------------------

void PhonebookFileCommands::toContacts() {
    const auto memory = parts_.activeMemory();
    if (!memory || parts_.busy()) return;
    const PhonebookTable& table = parts_.tables.of(*memory);
    std::vector<ContactFields> contacts;
    for (const int index : parts_.pages.at(*memory)->markedRows())
        if (!table.row(index).isEmpty()) contacts.push_back(contactOfRow(table.row(index)));
    if (contacts.empty()) return;
    const QString folder =
        parts_.contacts->folder().isEmpty() ? contactsRoot() : parts_.contacts->folder();
    const ContactsStored stored = ContactsFolder::store(folder, contacts);
    if (parts_.contacts->folder() == folder) parts_.contacts->read(folder);
    parts_.status(tx("kontakte_31", "Kontakte: %1 neu angelegt, %2 ergänzt, %3 schon vorhanden.")
                      .arg(stored.added)
                      .arg(stored.updated)
                      .arg(stored.unchanged));
    if (!stored.errors.isEmpty()) tell(Severity::Error, stored.errors.join(u'\n'));
}

void PhonebookFileCommands::copyContacts(uint8_t memory, std::vector<ContactFields> contacts) {
    if (parts_.busy()) return;
    parts_.showMemory(memory);
    PhonebookTable& table = parts_.tables.of(memory);
    if (!table.state().downloaded) return tell(Severity::Information, notDownloadedText(memory));
    if (contacts.empty()) return;
    table.beginEdit();
    copies_.at(memory)->run(
        std::move(contacts), parts_.modelNumber(), [this](const ContactCopyTally& tally) {
            parts_.changed();
            parts_.status(tally.summary());
            if (!tally.refused.isEmpty())
                tell(Severity::Warning,
                     tally.summary() + QStringLiteral("\n\n") + tally.refused.join(u'\n'));
        });
}

// --- Clipboard, drag and drop -------------------------------------------------------

void PhonebookFileCommands::putOnClipboard(const std::vector<PhonebookRow>& rows) {
    auto* data = new QMimeData;
    const QString lines =
        decodeTextFile(KvfTable::encode(phonebookColumnHeadings(), gridOfRows(rows)));
    QString text;
    for (const QString& line : lines.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        text += QStringLiteral("\r\n") + line;
    data->setText(text);
    data->setData(kVCardMime, vCardsOfRows(rows));
    QGuiApplication::clipboard()->setMimeData(data);
}

QMimeData* PhonebookFileCommands::rowsAsData(uint8_t memory, const std::vector<int>& indices) {
    const PhonebookTable& table = parts_.tables.of(memory);
    std::vector<PhonebookRow> rows;
    for (const int index : indices)
        if (index >= 0 && index < table.size() && !table.row(index).isEmpty())
            rows.push_back(table.row(index));
    if (rows.empty()) return nullptr;
    auto* data = new QMimeData;
    const QByteArray cards = vCardsOfRows(rows);
    data->setData(kVCardMime, cards);
    // File managers and address books take files: one per drag, in a
    // private folder that lives as long as the window.
    if (!dragFolder_ || !dragFolder_->isValid()) dragFolder_ = std::make_unique<QTemporaryDir>();
    QString name = rows.size() == 1 ? contactOfRow(rows.front()).name : QString();
    name.replace(u'/', u'_');
    if (name.trimmed().isEmpty() || name.startsWith(u'.')) name = tx("kontakte_32", "Kontakte");
    const QString path = dragFolder_->filePath(name + QStringLiteral(".vcf"));
    QString error;
    if (dragFolder_->isValid() && writeTableFileBytes(path, cards, &error))
        data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

bool PhonebookFileCommands::dropOn(uint8_t memory, const QMimeData* mime) {
    std::vector<ContactFields> contacts;
    QStringList notices;
    for (const QUrl& url : mime->urls()) {
        if (!isCardFile(url)) continue;
        PhonebookFileRead read = readPhonebookFile(url.toLocalFile());
        if (!read.ok()) notices.append(read.error);
        notices += read.notices;
        for (ContactFields& contact : read.contacts) contacts.push_back(std::move(contact));
    }
    if (contacts.empty() && notices.isEmpty() && mime->hasFormat(kVCardMime)) {
        const VCardRead read =
            VCardCodec::decode(mime->data(kVCardMime), tx("kontakte_33", "Ablage"));
        if (!read.ok()) notices.append(read.error);
        notices += read.notices;
        for (const VCard& card : read.cards) contacts.push_back(contactFromCard(card));
    }
    if (!notices.isEmpty()) tell(Severity::Warning, notices.join(u'\n'));
    if (contacts.empty()) return false;
    copyContacts(memory, std::move(contacts));
    return true;
}

bool PhonebookFileCommands::eventFilter(QObject* watched, QEvent* event) {
    const QVariant memory = watched->property("corvinaMemory");
    if (!memory.isValid()) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            // Rows dragged within the window are no new contacts.
            const bool own = drag->source() &&
                             parts_.window->isAncestorOf(qobject_cast<QWidget*>(drag->source()));
            if (!own && !parts_.busy() && offersCards(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (dropOn(static_cast<uint8_t>(memory.toUInt()), drop->mimeData()))
                drop->acceptProposedAction();
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
    }
}

// --- Column widths ----------------------------------------------------------------------

void PhonebookFileCommands::loadColumnWidths() {
    for (uint8_t memory = memSim; memory <= memAddressBook; ++memory) {
        QHeaderView* header = parts_.pages.at(memory)->view()->horizontalHeader();
        applyWidths(header, widths_.load(kWidthPrefixes.at(memory), widthsOf(header)));
    }
    QHeaderView* header = parts_.contacts->grid()->horizontalHeader();
    applyWidths(header, widths_.load(kContactsPrefix, widthsOf(header)));
}

void PhonebookFileCommands::saveColumnWidths() {
    for (uint8_t memory = memSim; memory <= memAddressBook; ++memory)
        widths_.save(kWidthPrefixes.at(memory),
                     widthsOf(parts_.pages.at(memory)->view()->horizontalHeader()));
    widths_.save(kContactsPrefix, widthsOf(parts_.contacts->grid()->horizontalHeader()));
}

}  // namespace corvina
