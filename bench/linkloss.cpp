// How quickly a lost link ends things, at the library's normal one-second
// tick:
//
//   build/bench/bench_linkloss
//
// - corvina-cli reads the full 250-entry SIM of the simulated phone, which
//   hangs up or falls silent after 100 locations: time from the fault to the
//   tool's exit, with the phone answering at once and after 30 ms;
// - the library connected and idle, the phone falls silent or hangs up: time
//   until the library reports the link lost (0x465);
// - the program's main window connected and idle, the phone falls silent or
//   hangs up: time until it shows "Nicht verbunden".
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "bench/privatehome.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/notification.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"
#include "tests/support/fullphonebook.h"

namespace {

using std::chrono::milliseconds;

enum class Fault { HangUp, Silence };

const char* faultName(Fault fault) {
    return fault == Fault::HangUp ? "legt auf" : "schweigt";
}

void startFault(phonesim::Simulator& sim, Fault fault) {
    if (fault == Fault::HangUp) {
        sim.faults().hangUp();
    } else {
        sim.faults().silenceFor(std::chrono::hours(1));
    }
}

// The phonebook requests before the entries: capacity and six caller groups.
constexpr size_t kRequestsBeforeEntries = 7;
constexpr size_t kEntriesBeforeFault = 100;

bool interruptedRead(Fault fault, milliseconds answerDelay) {
    phonesim::Simulator sim(testing_support::fullSimFixture());
    const QString port = sim.startPty();
    sim.faults().setAnswerDelay(answerDelay);
    QProcess cli;
    cli.start(CORVINA_CLI, {"--port", port, "phonebook", "read", "sim", "1-250"});
    if (!sim.waitForRequest(0x03, std::chrono::minutes(2),
                            kRequestsBeforeEntries + kEntriesBeforeFault)) {
        std::fprintf(stderr, "corvina-cli liest nicht.\n");
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    startFault(sim, fault);
    if (!cli.waitForFinished(15 * 60 * 1000)) return false;
    const double seconds = static_cast<double>(clock.elapsed()) / 1000;
    const QByteArray out = cli.readAllStandardOutput();
    const QList<QByteArray> err = cli.readAllStandardError().split('\n');
    std::printf(
        "Antwort nach %2lld ms, Telefon %s nach Platz %zu: Ende nach %6.2f s, Exit %d, "
        "%lld Einträge, \"%s\"\n",
        static_cast<long long>(answerDelay.count()), faultName(fault), kEntriesBeforeFault, seconds,
        cli.exitCode(), static_cast<long long>(out.count('\n')),
        err.size() > 1 ? err[err.size() - 2].trimmed().constData() : "");
    return true;
}

class Host : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() != phonelib::PhoneNotification::eventType()) return QObject::event(event);
        const int message = static_cast<phonelib::PhoneNotification*>(event)->message();
        if (message == phonelib::nfLinkLost) lost = true;
        if (message == phonelib::nfLinkUp) up = true;
        return true;
    }
    bool lost = false;
    bool up = false;
};

// Processes events until the condition holds; false when the time is up.
template <class Done>
bool waitFor(Done done, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

bool idleLoss(Fault fault) {
    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    Host host;
    const QString port = sim.startPty();
    if (phonelib::initport(&host, port.toStdString(), phonelib::ckFbusCable, 0) !=
            phonelib::stDone ||
        !waitFor([&] { return host.up; }, 10000)) {
        std::fprintf(stderr, "Das simulierte Telefon antwortet nicht.\n");
        return false;
    }
    waitFor([] { return false; }, 3000);  // idle for a while
    QElapsedTimer clock;
    clock.start();
    startFault(sim, fault);
    if (!waitFor([&] { return host.lost; }, 120000)) return false;
    std::printf("Verbunden und untätig, Telefon %s: Verbindung verloren gemeldet nach %.2f s\n",
                faultName(fault), static_cast<double>(clock.elapsed()) / 1000);
    phonelib::detachHost(&host);
    return true;
}

bool programIdleLoss(Fault fault) {
    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    QTemporaryDir dir;
    const QString link = dir.filePath("phone");
    if (sim.startPty(link).isEmpty()) return false;
    corvina::Tgesamtform::Options options;
    options.splash = false;
    options.commandLine.port = link;
    options.commandLine.connectionKind = 1;
    auto shell = std::make_unique<corvina::Tgesamtform>(std::move(options));
    shell->start();
    if (!waitFor([&] { return shell->showsConnected(); }, 60000)) {
        std::fprintf(stderr, "Das Programm findet das simulierte Telefon nicht.\n");
        return false;
    }
    waitFor([] { return false; }, 5000);  // idle for a while
    QElapsedTimer clock;
    clock.start();
    startFault(sim, fault);
    if (!waitFor([&] { return !shell->showsConnected(); }, 120000)) return false;
    std::printf("Hauptfenster verbunden und untätig, Telefon %s: \"%s\" nach %.2f s\n",
                faultName(fault), qPrintable(shell->connectionText()),
                static_cast<double>(clock.elapsed()) / 1000);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    bench::usePrivateHome(home);
    QApplication app(argc, argv);
    for (const auto delay : {milliseconds(0), milliseconds(30)}) {
        for (const Fault fault : {Fault::HangUp, Fault::Silence}) {
            if (!interruptedRead(fault, delay)) return 1;
        }
    }
    for (const Fault fault : {Fault::Silence, Fault::HangUp}) {
        if (!idleLoss(fault)) return 1;
    }
    for (const Fault fault : {Fault::Silence, Fault::HangUp}) {
        if (!programIdleLoss(fault)) return 1;
    }
    return 0;
}
