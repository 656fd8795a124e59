// The program against the simulated Nokia 6110 on a pseudo-terminal, with the
// real library and port search and short library ticks; screenshots for the
// README go to CORVINA_SCREENSHOT_DIR when it names a folder.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/phonelib.h"
#include "phonesim/fixture/siemensdata.h"
#include "phonesim/simulator.h"
#include "tests/corvina/waitfor.h"

namespace corvina {

class SimulatedProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        phonelib::setTickPeriod(100);
        openSettingsStore()->clear();
        link = dir.filePath("phone");
        ASSERT_FALSE(sim.startPty(link).isEmpty()) << sim.errorString().toStdString();
    }
    void TearDown() override {
        shell.reset();
        sim.stop();
    }

    void startProgram() {
        Tgesamtform::Options options;
        options.splash = false;
        options.commandLine.port = link;
        options.commandLine.connectionKind = connectionKind;
        shell = std::make_unique<Tgesamtform>(std::move(options));
        shell->start();
    }
    // Starts the simulated phone anew with this content; a Siemens phone is
    // then reached over an AT cable.
    void usePhone(const phonesim::Fixture& fixture) {
        sim.stop();
        sim.editFixture([&](phonesim::Fixture& f) { f = fixture; });
        ASSERT_FALSE(sim.startPty(link).isEmpty()) << sim.errorString().toStdString();
        connectionKind = phonesim::isSiemensModel(fixture.identity.modelCode) ? 0 : 1;
    }
    // Starts the program against this phone and opens the module once the
    // phone is connected.
    void openModule(const phonesim::Fixture& phone, Module module) {
        usePhone(phone);
        startProgram();
        ASSERT_TRUE(testing_support::waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(module);
    }
    // Runs the event loop as the program does (library calls then wait in a
    // nested loop) until the condition holds; false after a minute.
    bool runUntil(const std::function<bool()>& condition) {
        QEventLoop loop;
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (condition()) loop.quit();
        });
        QTimer::singleShot(60000, &loop, [&] { loop.exit(1); });
        check.start(20);
        return loop.exec() == 0;
    }
    QString label(QWidget* window, const char* name) {
        auto* found = window->findChild<QLabel*>(name);
        return found ? found->text() : QString();
    }
    void screenshot(QWidget* window, const QString& name) {
        const QPixmap picture = window->grab();
        ASSERT_FALSE(picture.isNull());
        const QString folder = qEnvironmentVariable("CORVINA_SCREENSHOT_DIR", dir.path());
        EXPECT_TRUE(picture.save(QDir(folder).filePath(name), "PNG"));
    }

    QTemporaryDir dir;
    QString link;
    phonesim::Simulator sim{phonesim::Fixture::forModel("NSE-3")};
    std::unique_ptr<Tgesamtform> shell;
    uint8_t connectionKind = 1;  // FBUS cable; 0 AT cable
};

}  // namespace corvina
