// phonesim: a simulated Nokia or Siemens phone on a pseudo-terminal (or in
// infrared range) for trying out and testing the library and the programs
// without a phone.
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "phonesim/app/options.h"
#include "phonesim/simulator.h"

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop through a socket pair, so the
// clean-up runs on the main thread and not inside the signal handler.
bool quitOnSignals(QCoreApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return false;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

std::optional<phonesim::Fixture> loadFixture(const phonesim::app::Options& options) {
    using phonesim::Fixture;
    std::optional<Fixture> fixture;
    if (options.fixturePath.isEmpty()) {
        fixture =
            Fixture::forModel(options.model.isEmpty() ? QStringLiteral("NSE-3") : options.model);
        if (!options.model.isEmpty() && !Fixture::shippedModels().contains(options.model)) {
            fprintf(stderr, "phonesim: kein mitgelieferter Inhalt für %s, nehme den der %s\n",
                    qPrintable(options.model),
                    phonesim::isSiemensModel(options.model) ? "S45" : "NSE-3");
        }
    } else {
        QString error;
        fixture = Fixture::load(options.fixturePath, &error);
        if (!fixture) {
            fprintf(stderr, "phonesim: %s\n", qPrintable(error));
            return std::nullopt;
        }
        if (!options.model.isEmpty()) fixture->identity.modelCode = options.model;
    }
    for (const QString& warning : fixture->layoutWarnings()) {
        fprintf(stderr, "phonesim: Warnung: %s\n", qPrintable(warning));
    }
    return fixture;
}

void applyFaults(phonesim::Simulator& sim, const phonesim::app::Options& options,
                 QCoreApplication& app) {
    auto& faults = sim.faults();
    faults.setSeed(options.seed);
    faults.setDropEvery(options.dropEvery);
    faults.setCorruptEvery(options.corruptEvery);
    faults.setCorruptionRate(options.corruptionRate);
    faults.setChunking(options.maxChunk);
    faults.setAnswerDelay(options.answerDelay);
    if (options.silenceAfter) {
        QTimer::singleShot(*options.silenceAfter, &app, [&sim, duration = options.silenceFor] {
            fprintf(stderr, "phonesim: schweigt %lld ms\n",
                    static_cast<long long>(duration.count()));
            sim.faults().silenceFor(duration);
        });
    }
    if (options.hangUpAfter) {
        QTimer::singleShot(*options.hangUpAfter, &app, [&sim, &app] {
            fprintf(stderr, "phonesim: legt auf\n");
            sim.faults().hangUp();
            app.quit();
        });
    }
}

QString hexBytes(const std::vector<uint8_t>& bytes) {
    QString text;
    for (const uint8_t b : bytes) text += QStringLiteral(" %1").arg(b, 2, 16, QLatin1Char('0'));
    return text.toUpper();
}

// The pseudo-terminal (unless the phone is only in infrared range) and the
// infrared device; the first line on stdout names where a PC finds it.
bool startLinks(phonesim::Simulator& sim, const phonesim::app::Options& options) {
    const bool infrared = !options.infraredId.isEmpty();
    if (!infrared || !options.linkPath.isEmpty()) {
        const QString device = sim.startPty(options.linkPath);
        if (device.isEmpty()) return false;
        printf("%s\n", qPrintable(device));
        if (!options.linkPath.isEmpty()) {
            fprintf(stderr, "phonesim: %s -> %s\n", qPrintable(options.linkPath),
                    qPrintable(device));
        }
    }
    if (!infrared) return true;
    if (!sim.addInfrared(options.infraredId)) return false;
    if (options.linkPath.isEmpty()) printf("%s\n", qPrintable(sim.infraredServicePath()));
    fprintf(stderr, "phonesim: Infrarotgerät %s: %s\n", qPrintable(options.infraredId),
            qPrintable(sim.infraredServicePath()));
    return true;
}

// AT command lines and answers as text, line ends shown as \r and \n.
QString atText(const std::vector<uint8_t>& bytes) {
    QString text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()),
                                       static_cast<qsizetype>(bytes.size()));
    return text.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("phonesim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVINA_VERSION));
    int exitCode = 0;
    const auto options = phonesim::app::parseOptions(QCoreApplication::arguments(), &exitCode);
    if (!options) return exitCode;
    const auto fixture = loadFixture(*options);
    if (!fixture) return 1;
    if (!quitOnSignals(app)) {
        perror("phonesim: Signale");
        return 1;
    }

    phonesim::Simulator sim(*fixture, {options->ackTimeout, options->tries});
    if (options->verbose) {
        const bool at = phonesim::isSiemensModel(fixture->identity.modelCode);
        sim.setTrace([at](const char* direction, const phonesim::Message& m) {
            if (at) {
                fprintf(stderr, "%-7s %s\n", direction, qPrintable(atText(m.body)));
            } else {
                fprintf(stderr, "%-7s 0x%02X%s\n", direction, m.type, qPrintable(hexBytes(m.body)));
            }
        });
    }
    applyFaults(sim, *options, app);

    if (!startLinks(sim, *options)) {
        fprintf(stderr, "phonesim: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    fprintf(stderr, "phonesim: %s bereit\n", qPrintable(fixture->identity.modelCode));
    fflush(stdout);

    app.exec();
    sim.stop();
    if (!options->savePath.isEmpty()) {
        QString error;
        if (!sim.saveFixture(options->savePath, &error)) {
            fprintf(stderr, "phonesim: %s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
