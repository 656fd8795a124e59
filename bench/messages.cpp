// How long the message centre takes on the simulated 6110: 100 stored
// messages read by the message window's read steps next to
// `corvina-cli sms list`, with the phone answering at once and after 30 ms;
// and a 400-character text (three concatenated parts) sent to three
// recipients, with the bytes it puts on the cable.
//
//   build/bench/bench_messages [RUNS]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/cablebytes.h"
#include "corvina/messages/messagereading.h"
#include "corvina/messages/messagesending.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonesim/simulator.h"

namespace {

constexpr int kMessages = 100;
constexpr uint8_t kNokia61xx = 14;
using Millis = std::chrono::milliseconds;

phonesim::Fixture fullInbox() {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.messages.capacity = kMessages;
    fixture.messages.stored.clear();
    for (int i = 1; i <= kMessages; ++i) {
        phonesim::StoredMessage m;
        m.status = i % 5 == 0 ? 2 : 0;
        m.number = "+4917012345" + QString::number(i % 10);
        m.timestamp = QDateTime(QDate(2001, 1 + i % 12, 1 + i % 28), QTime(i % 24, i % 60));
        m.text = QString("Nachricht %1: Treffen wir uns morgen um %2 Uhr am Bahnhof?")
                     .arg(i)
                     .arg(8 + i % 12);
        fixture.messages.stored[i] = m;
    }
    return fixture;
}

double seconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

struct Session {
    phonesim::Simulator sim{fullInbox()};
    QObject host;
    std::atomic<uint64_t> bytes{0};
    QString port;

    bool open(Millis delay, bool connect) {
        sim.setTrace([this](const char*, const phonesim::Message& m) {
            bytes += bench::cableBytes(m.body.size());
        });
        port = sim.startPty();
        if (port.isEmpty()) return false;
        if (connect && phonelib::initport(&host, port.toStdString(), phonelib::ckFbusCable, 0) !=
                           phonelib::stDone)
            return false;
        sim.faults().setAnswerDelay(delay);
        return true;
    }
    ~Session() { phonelib::detachHost(&host); }
};

double readByWindowSteps(Millis delay) {
    Session session;
    if (!session.open(delay, true)) return -1;
    QElapsedTimer timer;
    timer.start();
    corvina::MessageReading reading(corvina::MessageCalls::library(), kNokia61xx, "Eingang",
                                    "Ausgang");
    while (reading.step() == corvina::ReadState::Running) {
    }
    if (reading.state() != corvina::ReadState::Done || reading.store().count() != kMessages) {
        std::fprintf(stderr, "%s\n", reading.summary().toUtf8().constData());
        return -1;
    }
    return seconds(timer);
}

double readByCli(Millis delay) {
    Session session;
    if (!session.open(delay, false)) return -1;
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(CORVINA_CLI, {"--port", session.port, "--connection", "fbus", "sms", "list"});
    if (!process.waitForFinished(300000) || process.exitCode() != 0) {
        std::fprintf(stderr, "corvina-cli sms list: %s\n",
                     process.readAllStandardError().constData());
        return -1;
    }
    const auto lines = process.readAllStandardOutput().count('\n');
    if (lines != kMessages) std::fprintf(stderr, "corvina-cli zeigte %lld Zeilen\n", lines);
    return seconds(timer);
}

bool sendToThree(Millis delay, double& taken, uint64_t& bytes) {
    Session session;
    if (!session.open(delay, true)) return false;
    session.bytes = 0;
    QString text;
    while (text.size() < 400) text += "Wir sehen uns morgen am Bahnhof [Gleis 3]. ";
    corvina::SendOptions options;
    options.centre = "+491722270333";
    corvina::MessageSending sending(corvina::MessageCalls::library(),
                                    {"01701111111", "01702222222", "01703333333"}, text.left(400),
                                    options);
    QElapsedTimer timer;
    timer.start();
    while (sending.step() == corvina::SendState::Running) {
    }
    taken = seconds(timer);
    bytes = session.bytes;
    if (sending.state() != corvina::SendState::Done) {
        std::fprintf(stderr, "%s\n", sending.summary().toUtf8().constData());
        return false;
    }
    return true;
}

double median(std::vector<double> all) {
    std::sort(all.begin(), all.end());
    return all[all.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    for (const Millis delay : {Millis(0), Millis(30)}) {
        std::vector<double> window, cli;
        for (int i = 0; i < runs; ++i) {
            const double w = readByWindowSteps(delay);
            const double c = readByCli(delay);
            if (w < 0 || c < 0) return 1;
            window.push_back(w);
            cli.push_back(c);
        }
        std::printf(
            "Antwort nach %2lld ms: %d Nachrichten lesen: Fenster %.3f s, "
            "corvina-cli sms list %.3f s (Median aus %d)\n",
            static_cast<long long>(delay.count()), kMessages, median(window), median(cli), runs);
        double taken = 0;
        uint64_t bytes = 0;
        if (!sendToThree(delay, taken, bytes)) return 1;
        std::printf(
            "Antwort nach %2lld ms: 400 Zeichen (3 Teile) an 3 Empfänger in %.3f s; "
            "%llu Bytes = %.3f s bei 115200 Baud\n",
            static_cast<long long>(delay.count()), taken, static_cast<unsigned long long>(bytes),
            bench::cableSeconds(bytes));
    }
    return 0;
}
