// How long the calendar takes: 50 notes read from and written to the
// simulated 6110 through the library and the calendar's transfer steps,
// next to the time their bytes need on an FBUS cable at 115200 baud (with
// the phone answering at once and after 30 ms); and the take-over of a
// calendar folder of 1,000 events written by the program's own writer.
//
//   build/bench/bench_calendar [RUNS]
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/cablebytes.h"
#include "bench/cableconnect.h"
#include "codecs/tools/filebytes.h"
#include "corvina/calendar/calendarfolder.h"
#include "corvina/calendar/calendarupload.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"

namespace {

constexpr int kNotes = 50;
constexpr int kFolderEvents = 1000;
constexpr uint8_t kNokia61xx = 14;
using Clock = std::chrono::steady_clock;

phonesim::Fixture fullCalendar() {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.data.calendar.notes.clear();
    for (int i = 1; i <= kNotes; ++i) {
        fixture.data.calendar.notes.push_back({i,
                                               1 + i % 4,
                                               QString("Notiz Nummer %1").arg(i),
                                               i % 4 == 1 ? "+49301234567" : "",
                                               {2024, 1 + i % 12, 1 + i % 28, 8 + i % 10, 15, 0},
                                               {2024, 1 + i % 12, 1 + i % 28, 8, 0, 0}});
    }
    return fixture;
}

struct Timing {
    double seconds = 0;
    uint64_t bytes = 0;
};

template <typename Transfer>
bool run(Transfer& transfer, Timing& timing, std::atomic<uint64_t>& bytes) {
    bytes = 0;
    const auto start = Clock::now();
    while (!corvina::transferOver(transfer.step())) {
    }
    timing.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    timing.bytes = bytes;
    if (transfer.state() != corvina::TransferState::Done) {
        std::fprintf(stderr, "%s\n", transfer.summary().toUtf8().constData());
        return false;
    }
    return true;
}

bool downAndUp(std::chrono::milliseconds delay, Timing& down, Timing& up) {
    std::atomic<uint64_t> bytes{0};
    phonesim::Simulator sim(fullCalendar());
    sim.setTrace([&](const char*, const phonesim::Message& m) {
        bytes += bench::cableBytes(m.body.size());
    });
    QObject host;
    if (!bench::connectOverCable(sim, host)) return false;
    sim.faults().setAnswerDelay(delay);
    corvina::CalendarDownload download(corvina::CalendarCalls::library(), kNokia61xx, 2024);
    if (!run(download, down, bytes)) return false;
    if (download.table().count() != kNotes) {
        std::fprintf(stderr, "%d statt %d Notizen gelesen.\n", download.table().count(), kNotes);
        return false;
    }
    corvina::CalendarUpload upload(corvina::CalendarCalls::library(), kNokia61xx,
                                   download.table().notes());
    return run(upload, up, bytes);
}

void print(const char* what, std::chrono::milliseconds delay, const Timing& t) {
    std::printf(
        "%-8s Antwort nach %2lld ms: %d Notizen in %.3f s; %llu Bytes = %.3f s bei 115200 Baud\n",
        what, static_cast<long long>(delay.count()), kNotes, t.seconds,
        static_cast<unsigned long long>(t.bytes), bench::cableSeconds(t.bytes));
}

bool folderTakeOver() {
    QTemporaryDir dir;
    const QDate today = QDate::currentDate();
    for (int i = 0; i < kFolderEvents; ++i) {
        corvina::CalendarNote note;
        note.type = static_cast<uint8_t>(i % 4);
        note.text = QString("Termin %1").arg(i).toStdString();
        note.start = corvina::dateTimeRec(today.addDays(i % 365), 8 + i % 10, 30);
        note.alarm = note.start;
        note.alarmOn = i % 2;
        note.birthYear = note.type == ntBirthday ? 1970 + i % 40 : 0;
        const QString uid = QString("bench-%1").arg(i);
        tools::writefileatomically(dir.filePath(uid + ".ics").toStdString(),
                                   corvina::writeIcsNote(note, kNokia61xx, uid));
    }
    const auto start = Clock::now();
    const corvina::FolderListing listing =
        corvina::readCalendarFolder(dir.path(), kNokia61xx, today);
    const auto listed = Clock::now();
    std::vector<corvina::CalendarNote> notes;
    for (const auto& entry : listing.entries)
        notes.insert(notes.end(), entry.event.notes.begin(), entry.event.notes.end());
    corvina::NoteTable table;
    const corvina::TakeOverCount count = corvina::takeOver(table, notes);
    const auto taken = Clock::now();
    std::printf(
        "Kalenderordner mit %d Terminen: gelesen in %.3f s, übernommen in %.3f s "
        "(%d übernommen, %d doppelt, %zu über 440)\n",
        kFolderEvents, std::chrono::duration<double>(listed - start).count(),
        std::chrono::duration<double>(taken - listed).count(), count.taken, count.duplicates,
        count.left.size());
    return listing.entries.size() == kFolderEvents;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    for (const auto delay : {std::chrono::milliseconds(0), std::chrono::milliseconds(30)}) {
        std::vector<Timing> downs, ups;
        for (int i = 0; i < runs; ++i) {
            Timing down, up;
            if (!downAndUp(delay, down, up)) return 1;
            downs.push_back(down);
            ups.push_back(up);
        }
        const auto median = [](std::vector<Timing>& all) {
            std::sort(all.begin(), all.end(),
                      [](auto& a, auto& b) { return a.seconds < b.seconds; });
            return all[all.size() / 2];
        };
        print("Download", delay, median(downs));
        print("Upload", delay, median(ups));
    }
    return folderTakeOver() ? 0 : 1;
}
