// Test main for the program's windows: a widget application object on the
// offscreen platform, with the user's configuration, data, cache and
// runtime folders pointed at a private temporary folder so no test touches
// the real ones.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    const QByteArray config = (home.path() + QStringLiteral("/config")).toLocal8Bit();
    const QByteArray runtime = (home.path() + QStringLiteral("/runtime")).toLocal8Bit();
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home.path() + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime);
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ardentia"));
    QApplication::setApplicationName(QStringLiteral("CORVINA"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
