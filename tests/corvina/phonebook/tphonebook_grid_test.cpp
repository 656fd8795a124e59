// The phonebook window with a scripted library: commands, keys, the entry
// editor's fields, the group dialog, printing.
#include "corvina/phonebook/tphonebook_grid.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "corvina/phonebook/reportrows.h"
#include "corvina/reports/tdruckform.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/commandbar.h"
#include "corvina/shell/tgesamtform.h"
#include "corvina/shell/twarteform.h"
#include "tests/corvina/phonebook/phonebookwindowtest.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using namespace testing_phonebook;
using testing_support::waitFor;

class PhonebookWindow : public PhonebookWindowTest {
  protected:
    void SetUp() override {
        startShell();
        open();
    }
    void mark(std::initializer_list<int> locations) {
        auto* view = window->page(memSim)->view();
        view->clearSelection();
        for (const int location : locations) {
            const int row = sim().indexOfLocation(location);
            view->selectionModel()->select(view->model()->index(row, 1),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
            view->selectionModel()->setCurrentIndex(view->model()->index(row, 1),
                                                    QItemSelectionModel::NoUpdate);
        }
    }
    void pressOk() { window->editor().findChild<QPushButton*>("ok")->click(); }
};

TEST_F(PhonebookWindow, CommandsFollowTheTableAndTheWaitWindowCancels) {
    CommandBar& bar = shell->commandBar();
    EXPECT_EQ(bar.button(0)->text(), "Neu");
    EXPECT_TRUE(bar.button(1)->isEnabled());
    EXPECT_FALSE(bar.button(2)->isEnabled()) << "upload only after a download";
    EXPECT_FALSE(bar.button(3)->isEnabled()) << "nothing to compact";
    EXPECT_TRUE(window->tabs()->isTabVisible(memAddressBook)) << "before the first connection";

    phone.interfere = [this](bool, int location) {
        if (location == 2) shell->waitWindow().cancelButton()->click();
        return uint8_t{0};
    };
    download();
    EXPECT_EQ(sim().size(), 2) << "cancelled between two entries";
    EXPECT_FALSE(shell->waitWindow().isVisible());
    EXPECT_FALSE(bar.button(2)->isEnabled());

    phone.interfere = nullptr;
    download();
    EXPECT_EQ(sim().size(), 4);
    EXPECT_TRUE(bar.button(2)->isEnabled());
    EXPECT_TRUE(bar.button(3)->isEnabled());
    EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Middle), "Download beendet!");
    EXPECT_EQ(window->capacityText(), "250 insgesammt, davon 246 frei und 4 belegt.");

    shell->connection().setNotConnected(true);
    window->UploadClick();
    EXPECT_FALSE(window->transfer().running()) << "no phone, no upload";
    EXPECT_TRUE(window->sendSmsAction()->isEnabled()) << "the message centre takes the number";

    // Another window hands over a number for a new entry.
    emit shell->phonebookEntryRequested("+49171");
    ASSERT_TRUE(window->editor().isVisible());
    EXPECT_EQ(window->editor().standardField()->text(), "+49171");
    EXPECT_EQ(window->editor().locationField()->text(), "5");
    EXPECT_EQ(window->editor().nameField()->text(), "");
}

TEST_F(PhonebookWindow, EditorKeepsLongTextsFiltersNumbersAndStoresThroughOk) {
    download();
    PhonebookRow& row = sim().row(sim().indexOfLocation(2));
    row.cells[colName] = QString(40, QChar('L'));
    mark({2});
    window->EditClick();
    Ttelefonbuch& editor = window->editor();
    ASSERT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.nameField()->text().size(), 40) << "a loaded value is not cut";
    EXPECT_TRUE(editor.nameField()->overLimit());
    // Typing past the limit is held back; deleting is not.
    editor.nameField()->setFocus();
    editor.nameField()->end(false);
    QTest::keyClicks(editor.nameField(), "X");
    EXPECT_EQ(editor.nameField()->text().size(), 40);
    QTest::keyClick(editor.nameField(), Qt::Key_Backspace);
    EXPECT_EQ(editor.nameField()->text().size(), 39);

    editor.standardField()->clear();
    QTest::keyClicks(editor.standardField(), "0+49+171");
    EXPECT_EQ(editor.standardField()->text(), "049171");
    editor.standardField()->clear();
    QTest::keyClicks(editor.standardField(), "+49 (30) 12-3");
    EXPECT_EQ(editor.standardField()->text(), "+4930123");
    pressOk();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(at(2).cells[colName].size(), 39);
    EXPECT_EQ(at(2).cells[colGeneral], "+4930123\r");
    EXPECT_TRUE(at(2).changed);

    // A taken location asks; "Abbrechen" leaves everything as it was.
    mark({3});
    window->EditClick();
    editor.locationField()->setText("4");
    script.answers = {Answer::Cancel};
    pressOk();
    EXPECT_TRUE(script.lastAsked().contains("Name 4"));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(at(3).cells[colName], "Name 3");

    // An invalid location keeps the dialog open.
    mark({3});
    window->EditClick();
    editor.locationField()->setText("0");
    pressOk();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(script.lastTold().endsWith("(1-250)"));
    editor.reject();

    // Undo takes the last edit back.
    window->UndoClick();
    EXPECT_EQ(at(2).cells[colName].size(), 40);
    EXPECT_EQ(at(2).cells[colGeneral], "0302\r");
    window->RedoClick();
    EXPECT_EQ(at(2).cells[colGeneral], "+4930123\r");
}

TEST_F(PhonebookWindow, PasteCopiesEveryTimeDeleteAsksForManyAndGroupsAreSet) {
    download();
    mark({1, 2});
    window->CopyClick();
    EXPECT_TRUE(window->pasteAction()->isEnabled());
    window->setActiveMemory(memPhone);
    window->PasteClick();
    window->PasteClick();
    PhonebookTable& memory = window->table(memPhone);
    ASSERT_EQ(memory.occupiedCount(), 4) << "the second paste pastes again";
    EXPECT_EQ(memory.row(memory.indexOfLocation(3)).cells[colName], "Name 1");
    EXPECT_EQ(memory.row(memory.indexOfLocation(4)).cells[colName], "Name 2");

    window->setActiveMemory(memSim);
    mark({1, 3});
    script.answers = {Answer::No};
    window->DeleteClick();
    EXPECT_TRUE(script.lastAsked().startsWith("Es werden 2 Einträge gelöscht!"));
    EXPECT_EQ(sim().occupiedCount(), 4);
    script.answers = {Answer::Yes};
    window->DeleteClick();
    EXPECT_EQ(sim().occupiedCount(), 2);
    EXPECT_EQ(at(1).cells[colLocation], "1") << "the location stays to be cleared";

    mark({2, 4});
    window->GroupClick();
    Tgruppenwahlform& groups = window->groupDialog();
    ASSERT_TRUE(groups.isVisible());
    groups.list()->setCurrentRow(2);  // Freunde
    groups.findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(at(2).cells[colGroup], "Freunde");
    EXPECT_EQ(at(4).cells[colGroup], "Freunde");
    mark({2});
    window->GroupClick();
    groups.list()->setCurrentRow(groups.list()->count() - 1);
    groups.findChild<QPushButton*>("ok")->click();
    EXPECT_EQ(at(2).cells[colGroup], "") << "the blank item stands for no group";
}

TEST_F(PhonebookWindow, LettersFilterAndPrintingToPdf) {
    phone.memory(memSim)[4].name = "Zander";
    phone.memory(memSim)[2].name = "Albert";
    download();
    auto* page = window->page(memSim);
    emit page->letterChosen(QChar('z'));
    EXPECT_EQ(sim().row(page->currentRow()).cells[colName], "Zander");
    EXPECT_EQ(sim().row(0).cells[colName], "Albert");

    page->filterField()->setText("0303");
    EXPECT_EQ(page->view()->model()->rowCount(), 1);
    page->view()->selectAll();
    EXPECT_EQ(page->markedRows().size(), 1u) << "commands act on the rows shown";
    page->filterField()->clear();

    // The print selection offers the table as the window shows it.
    const auto rows = reportRows(sim(), {0});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0].marked);
    EXPECT_FALSE(rows[1].marked);
    EXPECT_EQ(rows[0].defaultKind, 0);
    EXPECT_EQ(rows[0].numbers[0], QStringList{"0302"});
    page->view()->clearSelection();
    Tdruckform* print = window->PrintClick();
    ASSERT_NE(print, nullptr);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("sim.pdf");
    ASSERT_TRUE(print->savePdfTo(pdf).ok()) << print->outcomeText().toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(4) == "%PDF");
    print->close();
}

}  // namespace
}  // namespace corvina
