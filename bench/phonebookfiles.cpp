// How long the phonebook's files take: saving and opening a table file of
// 5,000 entries (and a vCard file of the same), writing a contacts folder of
// 5,000 cards, reading it back, filling in all of it a second time; and
// what merging with a "contacts.dat" of 5,000 records adds to downloading
// the full 250-entry SIM of the simulated 6110.
//
//   build/bench/bench_phonebookfiles [RUNS]
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>

#include "bench/cableconnect.h"
#include "bench/fullsim.h"
#include "bench/privatehome.h"
#include "codecs/tools/cp1252.h"
#include "corvina/phonebook/contactrows.h"
#include "corvina/phonebook/contactsfilemerge.h"
#include "corvina/phonebook/entryrows.h"
#include "corvina/phonebook/phonebookexchange.h"
#include "corvina/phonebook/phonebooktransfer.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"

namespace {

using namespace corvina;
using Clock = std::chrono::steady_clock;

constexpr int kRows = 5000;
constexpr int kRecords = 5000;
constexpr uint8_t kNokia61xx = 14;

double milliseconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<PhonebookRow> manyRows() {
    std::vector<PhonebookRow> rows;
    for (int location = 1; location <= kRows; ++location) {
        PhonebookRow row;
        row.setLocation(location);
        row.cells[colName] = QStringLiteral("Müller %1").arg(location);
        row.cells[colGroup] = QStringLiteral("Familie");
        row.setDefaultNumber(colGeneral,
                             QStringLiteral("+49301%1").arg(location, 6, 10, QChar('0')));
        row.cells[colMobile] = QStringLiteral("+49171%1\r").arg(location, 6, 10, QChar('0'));
        row.cells[colEmail] = QStringLiteral("nr%1@example.org").arg(location);
        row.cells[colAddress] = QStringLiteral("Lindenstraße %1\r\n10969 Berlin").arg(location);
        row.cells[colNote] = QStringLiteral("erste Zeile\r\nzweite Zeile");
        rows.push_back(std::move(row));
    }
    return rows;
}

void files(const QString& folder) {
    const std::vector<PhonebookRow> rows = manyRows();
    for (const char* name : {"gross.kvf", "gross.vcf"}) {
        const QString path = QDir(folder).filePath(QLatin1String(name));
        const double saved = milliseconds([&] { writePhonebookFile(path, rows); });
        PhonebookFileRead read;
        const double opened = milliseconds([&] { read = readPhonebookFile(path); });
        std::printf("%s, %d Einträge (%lld KiB): speichern %.0f ms, öffnen %.0f ms (%zu gelesen)\n",
                    name, kRows, QFile(path).size() / 1024, saved, opened, read.rows.size());
    }
    std::vector<ContactFields> contacts;
    for (const PhonebookRow& row : rows) contacts.push_back(contactOfRow(row));
    const QString cards = QDir(folder).filePath(QStringLiteral("kontakte"));
    ContactsStored stored;
    const double written = milliseconds([&] { stored = ContactsFolder::store(cards, contacts); });
    ContactsFolderRead read;
    const double readTime = milliseconds([&] {
        read = ContactsFolder::read(cards);
        for (const FolderCard& card : read.cards) contactFromCard(card.card);
    });
    for (ContactFields& contact : contacts) contact.fax = {QStringLiteral("030999")};
    ContactsStored again;
    const double completed = milliseconds([&] { again = ContactsFolder::store(cards, contacts); });
    std::printf(
        "Kontakte-Ordner, %d Karten: anlegen %.0f ms (%d), lesen %.0f ms (%zu), "
        "alle ergänzen %.0f ms (%d)\n",
        kRows, written, stored.added, readTime, read.cards.size(), completed, again.updated);
}

bool download(PhonebookTable& table, const std::shared_ptr<ContactsMerge>& merge) {
    PhonebookSeams seams;
    seams.contacts = merge;
    UserDialogs dialogs{
        [](const Question&, std::function<void(Answer)> reply) { reply(Answer::No); },
        [](const Question& q) { std::fprintf(stderr, "%s\n", qPrintable(q.text)); }};
    PhonebookTransfer transfer(PhonebookCalls::library(), dialogs, seams);
    QEventLoop loop;
    PhonebookTransfer::End end = PhonebookTransfer::End::Failed;
    QObject::connect(&transfer, &PhonebookTransfer::finished, &loop,
                     [&](PhonebookTransfer::End how) {
                         end = how;
                         loop.quit();
                     });
    transfer.download(table, kNokia61xx);
    if (transfer.running()) loop.exec();
    return end == PhonebookTransfer::End::Done && table.occupiedCount() == bench::kSimEntries;
}

// 4,750 records of the phone memory first, then one for each SIM entry, so
// that every lookup passes most of the file.
void writeContactsFile(const QString& path, const PhonebookTable& sim) {
    QByteArray bytes;
    for (int location = 1; location <= kRecords - bench::kSimEntries; ++location) {
        ContactRecord record;
        record.location = location;
        record.memory = memPhone;
        record.name = "Telefon " + std::to_string(location);
        record.email = "nr" + std::to_string(location) + "@example.org";
        bytes += encodeContactRecord(record);
    }
    for (const PhonebookRow& row : sim.rows()) {
        if (row.isEmpty()) continue;
        ContactRecord record;
        record.location = *row.location();
        record.memory = memSim;
        record.name = tools::toCp1252(row.cells[colName]);
        record.numbers = {TNumberItem{tools::toCp1252(numberLines(row.cells[colGeneral]).value(0)),
                                      ntGeneral, 1}};
        record.email = "sim@example.org";
        record.note = "mehr, als die SIM fasst";
        bytes += encodeContactRecord(record);
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

bool merging(const QString& folder, int runs) {
    phonesim::Simulator sim(bench::fullSim());
    QObject host;
    if (!bench::connectOverCable(sim, host)) return false;
    const QString contacts = QDir(folder).filePath(QStringLiteral("contacts.dat"));
    double plain = 1e9;
    double merged = 1e9;
    double mergeOnly = 1e9;
    for (int run = 0; run < runs; ++run) {
        PhonebookTable table(memSim);
        bool ok = false;
        double time =
            milliseconds([&] { ok = download(table, std::make_shared<ContactsMerge>()); });
        if (!ok) {
            std::fprintf(stderr, "Der Download ging schief.\n");
            return false;
        }
        plain = std::min(plain, time);
        writeContactsFile(contacts, table);
        PhonebookTable withFile(memSim);
        time = milliseconds(
            [&] { ok = download(withFile, std::make_shared<ContactsFileMerge>(contacts)); });
        if (!ok || withFile.row(0).cells[colEmail] != QLatin1String("sim@example.org")) {
            std::fprintf(stderr, "Der Download mit contacts.dat ging schief.\n");
            return false;
        }
        merged = std::min(merged, time);
        // The merge alone, without the phone: 250 lookups and the one write.
        writeContactsFile(contacts, table);
        ContactsFileMerge merge(contacts);
        time = milliseconds([&] {
            for (const PhonebookRow& row : table.rows()) {
                if (row.isEmpty()) continue;
                TPhoneBookEntry entry = entryOfRow(row, *row.location(), EntryOptions{memSim});
                entry.empty = 0;
                merge.merged(entry, kNokia61xx);
            }
            merge.downloadFinished();
        });
        mergeOnly = std::min(mergeOnly, time);
    }
    std::printf(
        "Download von %d SIM-Einträgen: %.0f ms ohne, %.0f ms mit contacts.dat von %d "
        "Datensätzen (+%.0f ms, %.2f ms je Eintrag)\n",
        bench::kSimEntries, plain, merged, kRecords, merged - plain,
        (merged - plain) / bench::kSimEntries);
    std::printf("Abgleich allein (250 Einträge mit %d Datensätzen, einmal schreiben): %.1f ms\n",
                kRecords, mergeOnly);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::usePrivateHome(home);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir work;
    files(work.path());
    return merging(work.path(), runs) ? 0 : 1;
}
