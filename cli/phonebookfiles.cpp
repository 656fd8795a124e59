// corvina-cli phonebook export|import sim|phone FILE: the same readers,
// writers and rules as the phonebook window. Export downloads the memory
// (merging what "contacts.dat" keeps) and writes the file; the name's
// extension picks the format, a name without one (or a folder) is a
// contacts folder, whose cards are updated rather than doubled. Import
// reads the whole file first (a damaged one touches nothing), downloads the
// memory, puts every contact it does not hold yet (name and a number) at
// the first free locations through the entry editor's rules and uploads it.
// Both end with a summary of what was written, what was skipped and why.
#include "cli/phonebookfiles.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <memory>

#include "cli/arguments.h"
#include "cli/output.h"
#include "codecs/tools/cp1252.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/phonebook/contactcopies.h"
#include "corvina/phonebook/contactsfilemerge.h"
#include "corvina/phonebook/phonebookexchange.h"
#include "corvina/phonebook/phonebooktransfer.h"
#include "phonelib/api/phonelib.h"

namespace cli {

namespace {

using corvina::Answer;
using corvina::AnswerButtons;
using corvina::PhonebookFormat;
using corvina::PhonebookTransfer;

constexpr const char* kUsage =
    "phonebook export|import sim|phone DATEI.kvf|DATEI.csv|DATEI.vcf|ORDNER";

void print(const QString& line) {
    printRecord({tools::toCp1252(line)});
}

// The window's questions answered as a script would: go on with the upload
// (characters the phone lacks are named), cut what the entry editor cuts,
// stop at a location that cannot be read or written. Every text the window
// would show goes to stderr.
corvina::UserDialogs scriptedDialogs() {
    corvina::UserDialogs dialogs;
    dialogs.tell = [](const corvina::Question& q) {
        printError(QString(q.text).replace(u'\r', u'\n').toStdString());
    };
    dialogs.ask = [](const corvina::Question& q, std::function<void(Answer)> reply) {
        const bool goOn = q.buttons == AnswerButtons::OkCancel ||
                          q.title == QStringLiteral("Synchronisieren") ||
                          q.title == QStringLiteral("Zeichensatz");
        if (q.title != QStringLiteral("Synchronisieren"))
            printError(QString(q.text).replace(u'\r', u'\n').toStdString());
        if (!goOn) return reply(AnswerButtons::Ok == q.buttons ? Answer::Ok : Answer::No);
        reply(q.buttons == AnswerButtons::OkCancel ? Answer::Ok : Answer::Yes);
    };
    return dialogs;
}

struct Phonebook {
    explicit Phonebook(uint8_t memory) : memory(memory) {
        seams.contacts = std::make_shared<corvina::ContactsFileMerge>();
    }
    corvina::PhonebookTable& table() { return *tables.at(memory); }

    uint8_t memory;
    uint8_t model = corvina::modelNumberOf(phonelib::GetModelCode()).number;
    corvina::UserDialogs dialogs = scriptedDialogs();
    corvina::PhonebookSeams seams;
    corvina::PhonebookCalls calls = corvina::PhonebookCalls::library();
    std::array<std::unique_ptr<corvina::PhonebookTable>, 3> tables = {
        std::make_unique<corvina::PhonebookTable>(memSim),
        std::make_unique<corvina::PhonebookTable>(memPhone),
        std::make_unique<corvina::PhonebookTable>(memAddressBook)};
};

bool transfer(Phonebook& book, PhonebookTransfer::Kind kind) {
    PhonebookTransfer run(book.calls, book.dialogs, book.seams);
    QEventLoop loop;
    PhonebookTransfer::End end = PhonebookTransfer::End::Failed;
    QObject::connect(&run, &PhonebookTransfer::finished, &loop, [&](PhonebookTransfer::End how) {
        end = how;
        loop.quit();
    });
    QObject::connect(&run, &PhonebookTransfer::progress, &loop, [](int done, int total) {
        printProgress(QString("Eintrag %1 / %2").arg(done).arg(total).toStdString());
    });
    if (kind == PhonebookTransfer::Kind::Download)
        run.download(book.table(), book.model);
    else
        run.upload(book.table(), book.model);
    if (run.running()) loop.exec();
    for (const QString& notice : book.seams.contacts->takeNotices())
        printError(notice.toStdString());
    return end == PhonebookTransfer::End::Done;
}

int exportMemory(Phonebook& book, const QString& path) {
    if (!transfer(book, PhonebookTransfer::Kind::Download)) {
        printError("Der Speicher wurde nicht vollständig gelesen; nichts geschrieben.");
        return 1;
    }
    const std::vector<corvina::PhonebookRow>& rows = book.table().rows();
    if (corvina::writtenInCp1252(corvina::phonebookFormatOf(path))) {
        for (const QString& lacking : corvina::unencodableInRows(rows))
            printError((lacking + " fehlt in Windows-1252, als „?“ geschrieben").toStdString());
    }
    const corvina::PhonebookFileWrite written = corvina::writePhonebookFile(path, rows);
    if (!written.ok) {
        printError(written.error.toStdString());
        return 1;
    }
    if (corvina::phonebookFormatOf(path) == PhonebookFormat::Folder) {
        print(QString("%1 Kontakte angelegt, %2 ergänzt, %3 schon vorhanden.")
                  .arg(written.stored.added)
                  .arg(written.stored.updated)
                  .arg(written.stored.unchanged));
    } else {
        printRecord({tools::toCp1252(QString("%1 Einträge geschrieben").arg(written.written)),
                     tools::toCp1252(path)});
    }
    return 0;
}

int importFile(Phonebook& book, const QString& path) {
    const corvina::PhonebookFileRead read = corvina::readPhonebookFile(path);
    if (!read.ok()) {
        printError(read.error.toStdString());
        return 1;
    }
    if (!transfer(book, PhonebookTransfer::Kind::Download)) {
        printError("Der Speicher wurde nicht vollständig gelesen; nichts geschrieben.");
        return 1;
    }
    corvina::EntryEditorRules rules(
        corvina::PhonebookTables{
            {book.tables[0].get(), book.tables[1].get(), book.tables[2].get()}},
        book.calls, book.seams);
    corvina::ContactCopies copies(rules, book.table(), book.dialogs);
    corvina::ContactCopyTally tally;
    copies.run(read.contacts, book.model, [&tally](const auto& done) { tally = done; });
    if (tally.copied > 0 && !transfer(book, PhonebookTransfer::Kind::Upload)) {
        printError("Das Schreiben ins Telefon ist nicht zu Ende gegangen.");
        return 1;
    }
    print(QString("%1 Einträge geschrieben").arg(tally.copied));
    if (!tally.present.isEmpty())
        print(QString("%1 übersprungen: schon im Telefon").arg(tally.present.size()));
    for (const QString& refused : tally.refused) print("nicht geschrieben: " + refused);
    for (const QString& notice : read.notices) print("nicht gelesen: " + notice);
    return 0;
}

}  // namespace

int phonebookFiles(Session&, const QStringList& arguments) {
    if (arguments.size() != 3) return usageError(kUsage);
    const bool exporting = arguments[0] == "export";
    const uint8_t memory = arguments[1] == "sim" ? memSim : memPhone;
    if (arguments[1] != "sim" && arguments[1] != "phone") return usageError(kUsage);
    const QString path = arguments[2];
    const QString suffix = QFileInfo(path).suffix().toLower();
    // Any other extension is a typing slip rather than a folder.
    if (corvina::phonebookFormatOf(path) == PhonebookFormat::Html ||
        (corvina::phonebookFormatOf(path) == PhonebookFormat::Folder && !suffix.isEmpty() &&
         !QFileInfo(path).isDir()))
        return usageError(kUsage);
    Phonebook book(memory);
    return exporting ? exportMemory(book, path) : importFile(book, path);
}

}  // namespace cli
