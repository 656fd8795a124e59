// The phonebook window's speed dials, call lists and WAP bookmarks against
// the simulated Nokia: keys assigned, moved and cleared survive an upload;
// a full call list is read to its last call; bookmarks come down, get a
// dropped catalogue link and a typed one, and go back up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include "corvina/phonebook/phonedatatabs.h"
#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/shell/commandbar.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class PhoneDataProgram : public SimulatedProgram {
  protected:
    void open(const phonesim::Fixture& phone) {
        openModule(phone, Module::Phonebook);
        window = qobject_cast<Tphonebook_grid*>(shell->moduleWindow(Module::Phonebook));
        ASSERT_NE(window, nullptr);
        shell->resize(1100, 640);
        shell->show();
    }
    QString status() const { return shell->statusText(Tgesamtform::StatusField::Middle); }
    void press(int button) { shell->commandBar().button(button)->click(); }
    QList<QMessageBox*> boxes() {
        QList<QMessageBox*> found;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) found << b;
        }
        return found;
    }
    // Answers every open message box with `button`, returns their texts.
    QStringList answerAll(const QString& button = "OK") {
        waitFor([&] { return !boxes().isEmpty(); }, 5000);
        QStringList texts;
        const QList<QMessageBox*> open = boxes();
        for (QMessageBox* b : open) {
            texts << b->text();
            for (QAbstractButton* choice : b->buttons()) {
                if (choice->text() == button) {
                    choice->click();
                    break;
                }
            }
        }
        waitFor([&] {
            for (QMessageBox* b : boxes()) {
                if (open.contains(b)) return false;
            }
            return true;
        });
        return texts;
    }
    void waitForStatus(const QString& start) {
        ASSERT_TRUE(waitFor([&] { return status().startsWith(start); }, 60000))
            << status().toStdString();
    }
    void showTab(QWidget* page) { window->tabs()->setCurrentWidget(page); }
    PhoneDataTabs& data() { return window->phoneData(); }

    Tphonebook_grid* window = nullptr;
};

phonesim::Fixture simOfTen() {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.phonebook.sim.entries.clear();
    for (int location = 1; location <= 10; ++location) {
        fixture.phonebook.sim.entries[location] = {QString("Eintrag %1").arg(location),
                                                   QString("+4930100%1").arg(location), 5};
    }
    fixture.phonebook.speedDials = {{2, {false, 1}}, {4, {false, 7}}, {9, {true, 1}}};
    return fixture;
}

TEST_F(PhoneDataProgram, SpeedDialsFollowTheirEntriesThroughAnUpload) {
    open(simOfTen());
    press(1);
    waitForStatus("Download beendet");
    const auto& rows = data().speedDials()->rows();
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0].name, "Eintrag 1");
    EXPECT_EQ(rows[0].memoryName, "SIM");
    EXPECT_EQ(rows[2].location, "7");
    EXPECT_FALSE(rows[1].isSet()) << "key 3 is not set and shows so";
    EXPECT_EQ(rows[7].memoryName, "Telefon");

    // Key 3 to SIM 5 through the input box.
    window->page(memSim)->selectLocation(5);
    window->AsSpeedDialClick();
    QInputDialog* input = nullptr;
    ASSERT_TRUE(waitFor([&] { return (input = window->findChild<QInputDialog*>()) != nullptr; }));
    input->setTextValue("3");
    input->accept();
    EXPECT_TRUE(answerAll().join("").contains("Upload des SIM-Telefonbuches"));
    EXPECT_EQ(rows[1].location, "5");

    // Move 5 onto 7 and overwrite it ("Nein": the occupant is not kept):
    // key 3 follows, key 4 loses its entry.
    window->page(memSim)->selectLocation(5);
    window->EditClick();
    window->editor().locationField()->setText("7");
    window->editor().findChild<QPushButton*>("ok")->click();
    answerAll("Nein");
    const QString told = answerAll().join("\n");
    EXPECT_TRUE(told.contains("Kurzwahl Nr.4 auf den Speichereintrag Nr.7 wurde gelöscht"))
        << told.toStdString();
    EXPECT_TRUE(told.contains("Alte Referenz: 5 in SIM")) << told.toStdString();
    EXPECT_EQ(rows[1].location, "7");
    EXPECT_FALSE(rows[2].isSet());

    window->page(memSim)->selectLocation(1);
    showTab(data().speedDialPage());
    screenshot(shell.get(), "corvina-speeddials.png");
    window->setActiveMemory(memSim);
    press(2);
    answerAll("Ja");
    waitForStatus("Upload beendet");
    const auto dials = sim.fixture().phonebook.speedDials;
    EXPECT_EQ(dials.size(), 3u);
    EXPECT_EQ(dials.at(2), (phonesim::SpeedDial{false, 1}));
    EXPECT_EQ(dials.at(3), (phonesim::SpeedDial{false, 7}));
    EXPECT_EQ(dials.count(4), 0u) << "the deleted reference is cleared on the phone";
    EXPECT_EQ(dials.at(9), (phonesim::SpeedDial{true, 1}));
    EXPECT_EQ(sim.fixture().phonebook.sim.entries.at(7).name, "Eintrag 5");
}

TEST_F(PhoneDataProgram, ASixTwoTenGivesItsKeysToo) {
    open(phonesim::Fixture::forModel("NPE-3"));
    window->setActiveMemory(memPhone);
    press(1);
    waitForStatus("Download beendet");
    const auto& rows = data().speedDials()->rows();
    EXPECT_EQ(rows[0].memoryName, "SIM");
    EXPECT_EQ(rows[0].location, "1");
    EXPECT_FALSE(rows[0].number.isEmpty());
    EXPECT_EQ(rows[7].memoryName, "Telefon") << "key 9, beyond the eight places the phone counts";
    EXPECT_FALSE(rows[7].number.isEmpty());
}

TEST_F(PhoneDataProgram, AFullCallListIsReadToItsLastCallAndATakenCallBecomesAnEntry) {
    auto fixture = phonesim::Fixture::forModel("NSE-3");
    fixture.phonebook.received.clear();
    for (int i = 1; i <= phonesim::kCallListSize; ++i) {
        fixture.phonebook.received.push_back(
            {QString("Anrufer %1").arg(i), QString("+4917000%1").arg(i), 5});
    }
    open(fixture);
    CallListPage* page = data().callListPage(memReceived);
    showTab(page);
    ASSERT_TRUE(waitFor([&] { return page->table()->rowCount() == 10; }, 60000));
    ASSERT_TRUE(waitFor([&] { return !data().running(); }));
    EXPECT_EQ(page->table()->item(0, 0)->text(), "1");
    EXPECT_EQ(page->table()->item(9, 0)->text(), "10");
    EXPECT_EQ(page->table()->item(9, 1)->text(), "Anrufer 10");
    EXPECT_EQ(page->table()->item(9, 2)->text(), "+4917000" + QString::number(10));

    page->table()->setCurrentCell(2, 1);
    emit page->takeOverRequested(page->currentCall()->name, page->currentCall()->phoneNumber);
    ASSERT_TRUE(window->editor().isVisible());
    EXPECT_EQ(window->activeMemory(), memSim);
    EXPECT_EQ(window->editor().nameField()->text(), "Anrufer 3");
    EXPECT_EQ(window->editor().standardField()->text(), "+49170003");
    window->editor().reject();
}

TEST_F(PhoneDataProgram, ASiemensDialledListEndsWithItsLastCall) {
    auto fixture = phonesim::Fixture::forModel("S45");
    fixture.phonebook.dialled.clear();
    for (int i = 1; i <= phonesim::kCallListSize; ++i) {
        fixture.phonebook.dialled.push_back(
            {QString("Ziel %1").arg(i), QString("0301%1").arg(i), 5});
    }
    open(fixture);
    EXPECT_FALSE(window->tabs()->isTabVisible(window->tabs()->indexOf(data().speedDialPage())));
    CallListPage* page = data().callListPage(memDialled);
    showTab(page);
    ASSERT_TRUE(waitFor([&] { return page->table()->rowCount() == 10; }, 60000));
    EXPECT_EQ(page->table()->item(0, 1)->text(), "Ziel 1");
    EXPECT_EQ(page->table()->item(9, 0)->text(), "10");
    EXPECT_EQ(page->table()->item(9, 2)->text(), "030110");
}

TEST_F(PhoneDataProgram, WapBookmarksComeDownTakeADroppedLinkAndGoBackUp) {
    open(phonesim::Fixture::forModel("NHM-6"));
    WapPage* page = data().wapPage();
    ASSERT_TRUE(window->tabs()->isTabVisible(window->tabs()->indexOf(page)));
    showTab(page);
    EXPECT_GT(page->catalogue()->topLevelItemCount(), 0) << "the shipped catalogue";
    press(1);
    waitForStatus("Download beendet");
    ASSERT_EQ(page->table()->rowCount(), 15);
    EXPECT_EQ(page->table()->item(0, 1)->text(), "Wetter");
    EXPECT_EQ(page->table()->item(1, 2)->text(), "wap.bahn.example");

    // A catalogue link dropped on row 3.
    std::unique_ptr<QMimeData> link(WapTable::linkData({"Nachrichten", "wap.nachrichten.example"}));
    QWidget* viewport = page->table()->viewport();
    const QPoint onRow3(40, page->table()->rowViewportPosition(2) + 5);
    QDragEnterEvent enter(onRow3, Qt::CopyAction, link.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDropEvent drop(onRow3, Qt::CopyAction, link.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(page->table()->item(2, 2)->text(), "http://wap.nachrichten.example");

    // A typed one: the field leaves out "http://", OK puts it back.
    window->NewEntryClick();
    TwapEditor& editor = data().wapEditor();
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.row(), 3);
    editor.nameField()->setText("Suche");
    editor.linkField()->setText("wap.suche.example");
    editor.accept();
    EXPECT_EQ(page->table()->item(3, 2)->text(), "http://wap.suche.example");
    page->table()->selectRow(3);
    screenshot(shell.get(), "corvina-wap.png");

    press(2);
    waitForStatus("Upload beendet");
    const auto& marks = sim.fixture().data.bookmarks;
    ASSERT_TRUE(marks[2] && marks[3]);
    EXPECT_EQ(marks[0]->name, "Wetter");
    EXPECT_EQ(marks[2]->link, "http://wap.nachrichten.example");
    EXPECT_EQ(marks[3]->name, "Suche");
    EXPECT_FALSE(marks[4]) << "empty rows are not written as bookmarks";
}

}  // namespace
}  // namespace corvina
