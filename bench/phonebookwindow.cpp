// How long the phonebook window takes from "Download" to "Download beendet!"
// for a full 250-entry SIM on the simulated phone, and from "Upload" to
// "Upload beendet!", next to the library's own reading and writing of the
// same 250 locations on the same simulator; once with the phone answering
// at once and once with 30 ms per answer. Then sorting and filtering a
// table of 5,000 rows.
//
//   build/bench/bench_phonebookwindow [RUNS]
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "bench/fullsim.h"
#include "bench/privatehome.h"
#include "corvina/phonebook/phonebookmodel.h"
#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"

namespace {

using namespace corvina;
using Clock = std::chrono::steady_clock;

constexpr int kEntries = bench::kSimEntries;
constexpr int kLargeTable = 5000;

double seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// Runs the event loop as the program does (a library call then waits in a
// nested loop) until the condition holds.
bool waitUntil(const std::function<bool()>& done) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer::singleShot(std::chrono::minutes(5), &loop, [&] { loop.exit(1); });
    check.start(5);
    return loop.exec() == 0;
}

struct Times {
    double windowDownload = 0;
    double windowUpload = 0;
    double libraryRead = 0;
    double libraryWrite = 0;
};

bool measure(std::chrono::milliseconds delay, Times& times) {
    phonesim::Simulator sim(bench::fullSim());
    QTemporaryDir dir;
    const QString link = dir.filePath("phone");
    if (sim.startPty(link).isEmpty()) return false;

    Tgesamtform::Options options;
    options.splash = false;
    options.commandLine.port = link;
    options.commandLine.connectionKind = 1;
    Tgesamtform shell(std::move(options));
    shell.start();
    if (!waitUntil([&] { return shell.showsConnected(); })) return false;

    PhonebookParts parts;
    parts.dialogs =
        UserDialogs{[](const Question&, std::function<void(Answer)> reply) { reply(Answer::Yes); },
                    [](const Question& q) { std::fprintf(stderr, "%s\n", qPrintable(q.text)); }};
    auto* window = new Tphonebook_grid(shell, std::move(parts));
    sim.faults().setAnswerDelay(delay);
    const auto status = [&] { return shell.statusText(Tgesamtform::StatusField::Middle); };

    auto start = Clock::now();
    window->DownloadClick();
    if (!waitUntil([&] { return status() == QLatin1String("Download beendet!"); })) return false;
    times.windowDownload = seconds(start);
    if (window->table(memSim).occupiedCount() != kEntries) return false;

    start = Clock::now();
    window->UploadClick();
    if (!waitUntil([&] { return status().startsWith(QLatin1String("Upload beendet!")); }))
        return false;
    times.windowUpload = seconds(start);

    start = Clock::now();
    std::vector<TPhoneBookEntry> entries(kEntries);
    for (int location = 1; location <= kEntries; ++location) {
        TPhoneBookEntry& entry = entries[size_t(location - 1)];
        entry.memory = memSim;
        entry.location = location;
        if (phonelib::ReadPhoneBookEntry(entry) != phonelib::stDone) return false;
    }
    times.libraryRead = seconds(start);
    start = Clock::now();
    for (const TPhoneBookEntry& entry : entries) {
        if (phonelib::WritePhoneBookEntry(entry) != phonelib::stDone) return false;
    }
    times.libraryWrite = seconds(start);
    delete window;
    return true;
}

PhonebookTable largeTable() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::uniform_int_distribution<int> digit(0, 9);
    PhonebookTable table(memPhone);
    for (int location = 1; location <= kLargeTable; ++location) {
        PhonebookRow row;
        row.setLocation(location);
        QString name;
        for (int i = 0; i < 10; ++i) name += QChar(letter(random));
        row.cells[colName] = name;
        QString number = QStringLiteral("+49");
        for (int i = 0; i < 9; ++i) number += QChar('0' + digit(random));
        row.setDefaultNumber(colGeneral, number);
        table.appendRow(std::move(row));
    }
    return table;
}

void sortAndFilter() {
    PhonebookTable table = largeTable();
    const auto timeOf = [](const std::function<void()>& work) {
        const auto start = Clock::now();
        work();
        return 1000 * seconds(start);
    };
    std::printf("%d Zeilen: Sortieren nach Name %.1f ms, nach Nummer %.1f ms, nach Nr. %.1f ms\n",
                kLargeTable, timeOf([&] { table.sortByColumn(colName, false); }),
                timeOf([&] { table.sortByColumn(colGeneral, true); }),
                timeOf([&] { table.sortByColumn(colLocation, false); }));
    PhonebookModel model(table);
    PhonebookFilter filter(model);
    int shownByName = 0;
    int shownByDigits = 0;
    const double byName = timeOf([&] {
        filter.setFilterText(QStringLiteral("ab"));
        shownByName = filter.rowCount();
    });
    const double byDigits = timeOf([&] {
        filter.setFilterText(QStringLiteral("0171"));
        shownByDigits = filter.rowCount();
    });
    std::printf("Filter \"ab\" (%d Zeilen) %.1f ms, \"0171\" (%d Zeilen) %.1f ms\n", shownByName,
                byName, shownByDigits, byDigits);
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::usePrivateHome(home);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ardentia"));
    QApplication::setApplicationName(QStringLiteral("CORVINA"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;

    for (const auto delay : {std::chrono::milliseconds(0), std::chrono::milliseconds(30)}) {
        std::vector<Times> results;
        for (int i = 0; i < runs; ++i) {
            Times times;
            if (!measure(delay, times)) {
                std::fprintf(stderr, "Messung mit %lld ms Antwortzeit misslungen.\n",
                             static_cast<long long>(delay.count()));
                return 1;
            }
            results.push_back(times);
        }
        std::sort(results.begin(), results.end(), [](const Times& a, const Times& b) {
            return a.windowDownload < b.windowDownload;
        });
        const Times& median = results[results.size() / 2];
        std::printf(
            "Antwort nach %2lld ms (Median von %d): Fenster Download %.3f s, Upload %.3f s; "
            "Bibliothek allein: %d Lesungen %.3f s, %d Schreibvorgänge %.3f s\n",
            static_cast<long long>(delay.count()), runs, median.windowDownload, median.windowUpload,
            kEntries, median.libraryRead, kEntries, median.libraryWrite);
    }
    sortAndFilter();
    return 0;
}
