// The program corvina: one main window with its modules.
#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "codecs/tools/datafile.h"
#include "corvina/shell/commandline.h"
#include "corvina/shell/programversion.h"
#include "corvina/shell/singleinstance.h"
#include "corvina/shell/terminationsignals.h"
#include "corvina/shell/tgesamtform.h"

int main(int argc, char** argv) {
    // --version and --help are answered before the application object
    // exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const corvina::CommandLine line = corvina::parseCommandLine({argument});
        if (!line.showVersion && !line.showHelp) continue;
        const QString text = line.showVersion ? corvina::programVersionText() + QLatin1Char('\n')
                                              : corvina::commandLineHelp();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ardentia"));
    QApplication::setApplicationName(QStringLiteral("CORVINA"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvina"));
    QApplication::setDesktopFileName(QStringLiteral("de.ardentia.Corvina"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("de.ardentia.Corvina")));
    // Hidden windows (sleep mode, the closing sequence) must not end the
    // program; it ends when the port search has stopped.
    QApplication::setQuitOnLastWindowClosed(false);

    const corvina::CommandLine line = corvina::parseCommandLine(app.arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "corvina: %s\n", line.error.toLocal8Bit().constData());
        return 2;
    }
    // A missing data file costs only what it serves (operator names, ringtone
    // names, texts in other languages); the program goes on without it.
    for (const char* name : {"netcode.csv", "ringtones.ini", "german.lng"}) {
        if (tools::finddatafile(name).empty())
            std::fprintf(stderr, "corvina: %s\n", tools::missingdatafiletext(name).c_str());
    }
    corvina::SingleInstance instance;
    if (!instance.acquire()) return 0;

    corvina::Tgesamtform::Options options;
    options.commandLine = line;
    corvina::Tgesamtform window(std::move(options));
    QObject::connect(&window, &corvina::Tgesamtform::shutdownFinished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    corvina::quitOnTerminationSignals(&window, [&window] { window.quitProgram(); });
    window.start();
    return app.exec();
}
