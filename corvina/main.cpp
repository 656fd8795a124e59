// The program corvina: one main window with its modules.
#include <QApplication>
#include <cstdio>

#include "corvina/shell/commandline.h"
#include "corvina/shell/singleinstance.h"
#include "corvina/shell/terminationsignals.h"
#include "corvina/shell/tgesamtform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ardentia"));
    QApplication::setApplicationName(QStringLiteral("CORVINA"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corvina"));
    // Hidden windows (sleep mode, the closing sequence) must not end the
    // program; it ends when the port search has stopped.
    QApplication::setQuitOnLastWindowClosed(false);

    const corvina::CommandLine line = corvina::parseCommandLine(app.arguments().mid(1));
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "corvina: %s\n", line.error.toLocal8Bit().constData());
        return 2;
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
