// How long the profile window takes to read the seven profiles of the
// simulated 6110 and the divert window to read all twelve diverts, with the
// phone answering at once and after 30 ms; next to corvina-cli reading the
// same with "profile list" and twelve "divert get" (each run of the tool
// connects anew, which is part of its time).
//
//   build/bench/bench_profilesdiverts [RUNS]
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/privatehome.h"
#include "corvina/diverts/tumleitform.h"
#include "corvina/profiles/tprofilform.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"
#include "phonesim/simulator.h"

namespace {

using Millis = std::chrono::milliseconds;

bool waitFor(const std::function<bool()>& condition, int limitMs = 120000) {
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

double seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

struct Times {
    double profiles = 0, diverts = 0;
};

// The windows of the program, connected to a fresh simulated phone.
bool measureWindows(const QString& folder, Millis delay, Times& times) {
    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    const QString link = folder + "/phone-window";
    if (sim.startPty(link).isEmpty()) return false;
    corvina::Tgesamtform::Options options;
    options.splash = false;
    options.commandLine.port = link;
    options.commandLine.connectionKind = 1;
    corvina::Tgesamtform shell(std::move(options));
    shell.start();
    if (!waitFor([&] { return shell.showsConnected(); })) return false;
    sim.faults().setAnswerDelay(delay);
    const auto idle = [&] { return !shell.waitWindow().isVisible(); };

    QElapsedTimer timer;
    timer.start();
    shell.selectModule(corvina::Module::Profiles);
    auto* profiles =
        static_cast<corvina::Tprofilform*>(shell.moduleWindow(corvina::Module::Profiles));
    if (!waitFor([&] {
            return idle() && !profiles->book().busy() && profiles->book().rows().size() == 7;
        }))
        return false;
    times.profiles = seconds(timer);

    shell.selectModule(corvina::Module::Diverts);
    auto* diverts =
        static_cast<corvina::Tumleitform*>(shell.moduleWindow(corvina::Module::Diverts));
    timer.restart();
    diverts->AlleAbfragenClick();
    if (!waitFor([&] { return idle() && !diverts->book().busy(); })) return false;
    times.diverts = seconds(timer);
    return true;
}

double runCli(const QString& port, const QStringList& command) {
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(CORVINA_CLI, QStringList{"--port", port} + command);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        std::fprintf(stderr, "corvina-cli %s: %s\n", qPrintable(command.join(' ')),
                     process.readAllStandardError().constData());
        return -1;
    }
    return seconds(timer);
}

struct CliTimes {
    double profiles = 0, diverts = 0;
};

bool measureCli(const QString& folder, Millis delay, CliTimes& times) {
    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    const QString link = folder + "/phone-cli";
    if (sim.startPty(link).isEmpty()) return false;
    sim.faults().setAnswerDelay(delay);
    times.profiles = runCli(link, {"profile", "list"});
    times.diverts = 0;
    for (const char* callClass : {"voice", "data", "fax"}) {
        for (const char* reason : {"all", "busy", "unreachable", "noreply"}) {
            const double run = runCli(link, {"divert", "get", callClass, reason});
            if (run < 0) return false;
            times.diverts += run;
        }
    }
    return times.profiles >= 0;
}

template <typename T>
T median(std::vector<T> runs, double T::*key) {
    std::sort(runs.begin(), runs.end(), [&](const T& a, const T& b) { return a.*key < b.*key; });
    return runs[runs.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::usePrivateHome(home);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Ardentia");
    QApplication::setApplicationName("CORVINA-bench");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    for (const Millis delay : {Millis(0), Millis(30)}) {
        std::vector<Times> window;
        std::vector<CliTimes> cli;
        for (int i = 0; i < runs; ++i) {
            Times t;
            CliTimes c;
            if (!measureWindows(home.path(), delay, t) || !measureCli(home.path(), delay, c)) {
                std::fprintf(stderr, "Messung fehlgeschlagen.\n");
                return 1;
            }
            window.push_back(t);
            cli.push_back(c);
        }
        const Times p = median(window, &Times::profiles);
        const Times d = median(window, &Times::diverts);
        const CliTimes cp = median(cli, &CliTimes::profiles);
        const CliTimes cd = median(cli, &CliTimes::diverts);
        std::printf(
            "Antwort nach %2lld ms (Median von %d): Fenster 7 Profile %.3f s, 12 Umleitungen "
            "%.3f s | corvina-cli profile list %.3f s, 12 x divert get %.3f s\n",
            static_cast<long long>(delay.count()), runs, p.profiles, d.diverts, cp.profiles,
            cd.diverts);
    }
    return 0;
}
