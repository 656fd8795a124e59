// The phonebook window on a shell without a phone, its library scripted by
// a fake with four SIM entries: the base of the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <memory>
#include <string>

#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/tgesamtform.h"
#include "tests/corvina/phonebook/fakephonebook.h"
#include "tests/corvina/waitfor.h"

namespace corvina::testing_phonebook {

class PhonebookWindowTest : public ::testing::Test {
  protected:
    // Clears the settings and starts the shell with a filled SIM; a test
    // that needs settings of its own sets them before calling open().
    void startShell() {
        openSettingsStore()->clear();
        Tgesamtform::Options options;
        options.splash = false;
        options.search.listPorts = [] { return QStringList{}; };
        shell = std::make_unique<Tgesamtform>(std::move(options));
        shell->connection().setNotConnected(false);
        for (int location = 1; location <= 4; ++location) {
            phone.memory(memSim)[location] =
                simEntry("Name " + std::to_string(location), "030" + std::to_string(location));
        }
    }
    void open() {
        PhonebookParts parts;
        parts.calls = phone.calls();
        parts.dialogs = script.dialogs();
        window = new Tphonebook_grid(*shell, std::move(parts));
        window->transfer().setRetryInterval(1);
        window->bindCommands(shell->commandBar());
        window->show();
    }
    void TearDown() override { shell.reset(); }

    void download() {
        QSignalSpy finished(&window->transfer(), &PhonebookTransfer::finished);
        window->DownloadClick();
        ASSERT_TRUE(testing_support::waitFor([&] { return finished.size() == 1; }));
    }
    PhonebookTable& sim() { return window->table(memSim); }
    const PhonebookRow& at(int location) { return sim().row(sim().indexOfLocation(location)); }

    FakePhonebook phone;
    ScriptedDialogs script;
    std::unique_ptr<Tgesamtform> shell;
    Tphonebook_grid* window = nullptr;
};

}  // namespace corvina::testing_phonebook
