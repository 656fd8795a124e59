// Measures the library against the simulated phone, which runs as a program
// of its own so that only the library's work is counted here.
//
//   linkbench roundtrips [DELAY_MS]  200 × (GetPhoneInfos + GetNetworkInfo)
//   linkbench idle [SECONDS]         CPU time while connected and idle
//
// A pseudo-terminal does not pace bytes like a serial line, so the wire time
// of the bytes exchanged at 115200 baud is printed beside the wall time.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <cstdio>

#include "phonelib/api/librarystate.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace {

constexpr double kBaud = 115200.0;

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double wireSeconds(uint64_t bytes) {
    return static_cast<double>(bytes) * 10.0 / kBaud;
}

struct Phone {
    QProcess process;
    std::string port;

    bool start(int answerDelayMs) {
        QStringList arguments = {"--model", "NSE-3"};
        if (answerDelayMs > 0) arguments << "--delay" << QString::number(answerDelayMs);
        process.start(PHONESIM_PROGRAM, arguments);
        if (!process.waitForReadyRead(10000)) return false;
        port = process.readLine().trimmed().toStdString();
        return !port.empty();
    }
    ~Phone() {
        process.terminate();
        process.waitForFinished(5000);
    }
};

int roundtrips(int answerDelayMs) {
    Phone phone;
    if (!phone.start(answerDelayMs)) return std::fprintf(stderr, "phonesim did not start\n"), 1;
    if (phonelib::initport(nullptr, phone.port, phonelib::ckFbusCable, 0) != phonelib::stDone) {
        return std::fprintf(stderr, "no connection\n"), 1;
    }
    constexpr int kRounds = 200;
    const auto before = phonelib::GetFrameStatistics();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kRounds; ++i) {
        TPhoneInfo info;
        TNetWorkInfo network;
        if (phonelib::GetPhoneInfos(info) != phonelib::stDone ||
            phonelib::GetNetworkInfo(network) != phonelib::stDone) {
            return std::fprintf(stderr, "round trip %d failed\n", i), 1;
        }
    }
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const auto after = phonelib::GetFrameStatistics();
    const uint64_t sent = after.bytesSent - before.bytesSent;
    const uint64_t received = after.bytesReceived - before.bytesReceived;
    std::printf("%d round trips (GetPhoneInfos + GetNetworkInfo), phone answering after %d ms\n",
                kRounds, answerDelayMs);
    std::printf("  wall time          %8.3f s  (%.2f ms per pair)\n", wall, wall * 1000 / kRounds);
    std::printf("  bytes sent         %8llu\n", static_cast<unsigned long long>(sent));
    std::printf("  bytes received     %8llu\n", static_cast<unsigned long long>(received));
    std::printf("  wire time at 115200 %7.3f s  (bytes x 10 bits / 115200)\n",
                wireSeconds(sent + received));
    std::printf(
        "  rejected frames    %8llu\n",
        static_cast<unsigned long long>(after.badChecksumFrames - before.badChecksumFrames));
    return 0;
}

int idle(int seconds) {
    Phone phone;
    if (!phone.start(0)) return std::fprintf(stderr, "phonesim did not start\n"), 1;
    if (phonelib::initport(nullptr, phone.port, phonelib::ckFbusCable, 0) != phonelib::stDone) {
        return std::fprintf(stderr, "no connection\n"), 1;
    }
    const auto before = phonelib::GetFrameStatistics();
    const double cpuBefore = cpuSeconds();
    QThread::sleep(static_cast<unsigned long>(seconds));
    const double cpu = cpuSeconds() - cpuBefore;
    const auto after = phonelib::GetFrameStatistics();
    std::printf("connected and idle for %d s (keep-alive every second)\n", seconds);
    std::printf("  CPU time of the library  %.3f s  (%.3f %% of one core)\n", cpu,
                cpu / seconds * 100);
    std::printf("  keep-alive bytes         %llu sent, %llu received\n",
                static_cast<unsigned long long>(after.bytesSent - before.bytesSent),
                static_cast<unsigned long long>(after.bytesReceived - before.bytesReceived));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QString mode = arguments.value(0);
    const int number = arguments.value(1).toInt();
    if (mode == "roundtrips") return roundtrips(number);
    if (mode == "idle") return idle(number > 0 ? number : 30);
    std::fprintf(stderr, "usage: linkbench roundtrips [DELAY_MS] | idle [SECONDS]\n");
    return 2;
}
