// The program against a simulated phone on a pseudo-terminal, with the real
// library and port search and short library ticks.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <memory>

#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/phonelib.h"
#include "phonesim/simulator.h"
#include "tests/corvina/waitfor.h"

namespace corvina::testing {

class SimulatedProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        phonelib::setTickPeriod(100);
        openSettingsStore()->clear();
        link = dir.filePath("phone");
    }
    void TearDown() override {
        shell.reset();
        if (sim) sim->stop();
    }

    void startPhone(phonesim::Fixture fixture = phonesim::Fixture::forModel("NSE-3")) {
        sim = std::make_unique<phonesim::Simulator>(std::move(fixture));
        ASSERT_FALSE(sim->startPty(link).isEmpty()) << sim->errorString().toStdString();
    }
    void startProgram() {
        Tgesamtform::Options options;
        options.splash = false;
        options.commandLine.port = link;
        options.commandLine.connectionKind = 1;
        shell = std::make_unique<Tgesamtform>(std::move(options));
        shell->start();
    }
    // The phone with this content, and the program connected to it.
    bool connected(phonesim::Fixture fixture) {
        startPhone(std::move(fixture));
        if (!sim) return false;
        startProgram();
        return testing_support::waitFor([&] { return shell->showsConnected(); });
    }

    QString label(QWidget* window, const char* name) {
        auto* found = window->findChild<QLabel*>(name);
        return found ? found->text() : QString();
    }
    // Screenshots for the README when CORVINA_SCREENSHOT_DIR names a folder.
    void screenshot(QWidget* window, const QString& name) {
        const QPixmap picture = window->grab();
        ASSERT_FALSE(picture.isNull());
        const QString folder = qEnvironmentVariable("CORVINA_SCREENSHOT_DIR", dir.path());
        EXPECT_TRUE(picture.save(QDir(folder).filePath(name), "PNG"));
    }

    QTemporaryDir dir;
    QString link;
    std::unique_ptr<phonesim::Simulator> sim;
    std::unique_ptr<Tgesamtform> shell;
};

}  // namespace corvina::testing
