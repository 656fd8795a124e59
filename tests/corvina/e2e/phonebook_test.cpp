// The phonebook window against the simulated Nokia 6110: download, edit in
// the entry editor, upload, read back, with the program's own message boxes
// answered by the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/shell/commandbar.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

constexpr int kCapacity = 250;
const std::set<int> kFree = {3, 50, 100, 150, 200};

phonesim::Fixture simWith245Of250() {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.phonebook.sim.entries.clear();
    for (int location = 1; location <= kCapacity; ++location) {
        if (kFree.count(location)) continue;
        fixture.phonebook.sim.entries[location] = {
            QString("Eintrag %1").arg(location),
            QString("+49301%1").arg(location, 4, 10, QChar('0')), location % 6};
    }
    return fixture;
}

class PhonebookOnSimulatedPhone : public SimulatedProgram {
  protected:
    void SetUp() override {
        SimulatedProgram::SetUp();
        sim.editFixture([](phonesim::Fixture& f) { f.phonebook = simWith245Of250().phonebook; });
        startProgram();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(Module::Phonebook);
        window = qobject_cast<Tphonebook_grid*>(shell->moduleWindow(Module::Phonebook));
        ASSERT_NE(window, nullptr);
    }

    QString status() const { return shell->statusText(Tgesamtform::StatusField::Middle); }
    // Runs the event loop as the program does (library calls then wait in a
    // nested loop) until the condition holds.
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
    void press(int button) { shell->commandBar().button(button)->click(); }
    void download() {
        press(1);
        ASSERT_TRUE(runUntil([&] { return status().startsWith("Download beendet"); }))
            << status().toStdString();
    }
    // The open message box, once it shows.
    QMessageBox* box() {
        QMessageBox* found = nullptr;
        waitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) found = b;
            }
            return found != nullptr;
        });
        return found;
    }
    QString answer(const QString& button) {
        QMessageBox* b = box();
        if (!b) return {};
        const QString text = b->text();
        for (QAbstractButton* choice : b->buttons()) {
            if (choice->text() == button) choice->click();
        }
        waitFor([&] { return !b->isVisible(); });
        return text;
    }
    PhonebookTable& simTable() { return window->table(memSim); }
    void editLocation(int location) {
        window->page(memSim)->selectLocation(location);
        window->EditClick();
        ASSERT_TRUE(window->editor().isVisible());
    }
    void pressOk() { window->editor().findChild<QPushButton*>("ok")->click(); }
    Tphonebook_grid* window = nullptr;
};

TEST_F(PhonebookOnSimulatedPhone, DownloadEditUploadAndReadBack) {
    shell->resize(1100, 640);
    shell->show();
    download();
    EXPECT_EQ(window->capacityText(), "250 insgesammt, davon 5 frei und 245 belegt.");
    ASSERT_EQ(simTable().size(), kCapacity);
    EXPECT_EQ(simTable().occupiedCount(), 245);
    EXPECT_EQ(simTable().row(0).cells[colGroup], "VIP") << "the name of group 1";
    window->page(memSim)->selectLocation(4);
    screenshot(shell.get(), "corvina-phonebook.png");

    // Rename.
    editLocation(1);
    screenshot(&window->editor(), "corvina-entry-editor.png");
    window->editor().nameField()->setText("Umbenannt");
    pressOk();
    ASSERT_FALSE(window->editor().isVisible());

    // Move to a free location, and onto a taken one ("Ja": the occupant moves on).
    editLocation(10);
    window->editor().locationField()->setText("3");
    pressOk();
    ASSERT_FALSE(window->editor().isVisible());
    editLocation(20);
    window->editor().locationField()->setText("21");
    pressOk();
    EXPECT_TRUE(answer("Ja").contains("Eintrag 21"));
    ASSERT_TRUE(waitFor([&] { return !window->editor().isVisible(); }));

    // Add, delete.
    window->NewEntryClick();
    EXPECT_EQ(window->editor().locationField()->text(), "20") << "the lowest free location";
    window->editor().nameField()->setText("Neu");
    window->editor().standardField()->setText("+4930999");
    pressOk();
    window->page(memSim)->selectLocation(30);
    window->DeleteClick();

    auto expected = simWith245Of250().phonebook.sim.entries;
    expected[1].name = "Umbenannt";
    expected[3] = expected[10];
    expected[10] = expected[21];
    expected[21] = expected[20];
    expected[20] = {"Neu", "+4930999", 5};
    expected.erase(30);

    press(2);
    EXPECT_TRUE(answer("Ja").contains("Möchten Sie den Upload jetzt beginnen?"));
    ASSERT_TRUE(runUntil([&] { return status().startsWith("Upload beendet"); }));
    EXPECT_TRUE(status().contains("250 von 250")) << status().toStdString();
    ASSERT_TRUE(sim.waitForRequest(0x03, std::chrono::seconds(5)));
    const auto kept = sim.fixture().phonebook.sim.entries;
    EXPECT_EQ(kept.size(), expected.size());
    for (const auto& [location, entry] : expected) {
        ASSERT_TRUE(kept.count(location)) << location;
        EXPECT_EQ(kept.at(location), entry) << location << " " << entry.name.toStdString();
    }

    // Read back: the table shows what the phone holds.
    download();
    for (const auto& [location, entry] : expected) {
        const PhonebookRow& row = simTable().row(simTable().indexOfLocation(location));
        EXPECT_EQ(row.cells[colName], entry.name) << location;
        EXPECT_EQ(numberLines(row.cells[colGeneral]).value(0), entry.number) << location;
    }
    EXPECT_FALSE(simTable().hasUnsentEdits());
}

TEST_F(PhonebookOnSimulatedPhone, AnUnreadableLocationIsLeftAloneAndAnAbsentMemoryIsNamed) {
    sim.editFixture([](phonesim::Fixture& f) {
        f.phonebook.sim.refused = {17};
        f.phonebook.phone.absent = true;
    });
    press(1);
    EXPECT_TRUE(answer("Ja").contains("Telefonbucheintrages Nr.17"));
    ASSERT_TRUE(waitFor([&] { return status().startsWith("Download beendet"); }, 60000));
    EXPECT_TRUE(simTable().row(simTable().indexOfLocation(17)).unread);

    sim.clearJournal();
    press(2);
    answer("Ja");
    ASSERT_TRUE(waitFor([&] { return status().startsWith("Upload beendet"); }, 60000));
    for (const phonesim::Message& request : sim.requests()) {
        const bool write =
            request.type == 0x03 && request.body.size() > 5 && request.body[3] == 0x04;
        EXPECT_FALSE(write && request.body[5] == 17) << "location 17 was written";
    }
    EXPECT_EQ(sim.fixture().phonebook.sim.entries.at(17).name, "Eintrag 17");

    window->setActiveMemory(memPhone);
    press(1);
    EXPECT_TRUE(answer("OK").contains("Die Kapazität konnte nicht ermittelt werden"));
    EXPECT_FALSE(shell->commandBar().button(2)->isEnabled()) << "no upload without a download";
}

}  // namespace
}  // namespace corvina
