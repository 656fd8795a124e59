// How long reading a full 250-entry SIM phonebook takes through the library
// from the simulated phone on a pseudo-terminal, next to the time the same
// bytes would need on an FBUS cable at 115200 baud; once with the phone
// answering at once and once with 30 ms per answer, as a real phone does.
//
//   build/bench/bench_phonebookread [RUNS]
#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/cablebytes.h"
#include "bench/cableconnect.h"
#include "bench/fullsim.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"

namespace {

constexpr int kEntries = bench::kSimEntries;
using bench::cableBytes;
using bench::kBaud;
using bench::kBitsPerByte;

struct Run {
    double seconds = 0;
    uint64_t wireBytes = 0;
};

bool readAll(Run& run, std::chrono::milliseconds answerDelay) {
    std::atomic<uint64_t> bytes{0};
    phonesim::Simulator sim(bench::fullSim());
    sim.setTrace(
        [&](const char*, const phonesim::Message& m) { bytes += cableBytes(m.body.size()); });
    QObject host;
    if (!bench::connectOverCable(sim, host)) return false;
    sim.faults().setAnswerDelay(answerDelay);
    bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int location = 1; location <= kEntries; ++location) {
        TPhoneBookEntry entry;
        entry.memory = memSim;
        entry.location = location;
        if (phonelib::ReadPhoneBookEntry(entry) != phonelib::stDone || entry.empty) {
            std::fprintf(stderr, "Platz %d wurde nicht gelesen.\n", location);
            return false;
        }
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.wireBytes = bytes;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    for (const auto delay : {std::chrono::milliseconds(0), std::chrono::milliseconds(30)}) {
        std::vector<Run> results;
        for (int i = 0; i < runs; ++i) {
            Run run;
            if (!readAll(run, delay)) return 1;
            results.push_back(run);
        }
        std::sort(results.begin(), results.end(),
                  [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
        const Run& median = results[results.size() / 2];
        const double wire = static_cast<double>(median.wireBytes) * kBitsPerByte / kBaud;
        std::printf(
            "Antwort nach %3lld ms: %d Einträge in %.3f s (Median von %d, %.2f ms je Eintrag); "
            "%llu Bytes über die Leitung = %.3f s bei 115200 Baud\n",
            static_cast<long long>(delay.count()), kEntries, median.seconds, runs,
            1000 * median.seconds / kEntries, static_cast<unsigned long long>(median.wireBytes),
            wire);
    }
    return 0;
}
