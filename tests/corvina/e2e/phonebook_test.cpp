// The phonebook window against the simulated Nokia 6110 and Siemens S45:
// download, edit in the entry editor, upload, read back, with the program's
// own message boxes answered by the test.
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

class PhonebookProgram : public SimulatedProgram {
  protected:
    // The program connected to the phone, its phonebook window open.
    void open(const phonesim::Fixture& phone) {
        usePhone(phone);
        startProgram();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(Module::Phonebook);
        window = qobject_cast<Tphonebook_grid*>(shell->moduleWindow(Module::Phonebook));
        ASSERT_NE(window, nullptr);
    }

    QString status() const { return shell->statusText(Tgesamtform::StatusField::Middle); }
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
    void upload() {
        press(2);
        EXPECT_TRUE(answer("Ja").contains("Möchten Sie den Upload jetzt beginnen?"));
        ASSERT_TRUE(runUntil([&] { return status().startsWith("Upload beendet"); }))
            << status().toStdString();
    }
    PhonebookTable& simTable() { return window->table(memSim); }
    const PhonebookRow& rowAt(uint8_t memory, int location) {
        PhonebookTable& table = window->table(memory);
        return table.row(table.indexOfLocation(location));
    }
    void editLocation(int location, uint8_t memory = memSim) {
        window->page(memory)->selectLocation(location);
        window->EditClick();
        ASSERT_TRUE(window->editor().isVisible());
    }
    void pressOk() { window->editor().findChild<QPushButton*>("ok")->click(); }
    Tphonebook_grid* window = nullptr;
};

class PhonebookOnSimulatedPhone : public PhonebookProgram {
  protected:
    void SetUp() override {
        PhonebookProgram::SetUp();
        open(simWith245Of250());
    }
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

    upload();
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
        const PhonebookRow& row = rowAt(memSim, location);
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
    EXPECT_TRUE(rowAt(memSim, 17).unread);

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

// An entry of the simulated S45's address book with every number and text.
const QString kFullCard = QStringLiteral(
    "BEGIN:VCARD\r\nVERSION:1.0\r\nN:Köhler;Jürgen\r\nADR:;;Am Markt 3;Hamburg;;20095;"
    "Deutschland\r\nORG:Köhler & Söhne\r\nTEL;HOME:+4940123\r\nTEL;WORK:+4940456\r\n"
    "TEL;CELL:01729998877\r\nTEL;FAX:+4940789\r\nEMAIL;INTERNET:jk@example.org\r\n"
    "URL:http://example.org\r\nEND:VCARD\r\n");

QStringList cardLines(const QByteArray& card) {
    return QString::fromLatin1(card).split("\r\n", Qt::SkipEmptyParts);
}

class SiemensAddressBook : public PhonebookProgram {
  protected:
    void SetUp() override {
        PhonebookProgram::SetUp();
        auto phone = phonesim::Fixture::forModel("S45");
        phone.siemens.addressBook.objects[3] = kFullCard.toLatin1();
        open(phone);
    }
    FieldEdit* editorField(const char* name) {
        return window->editor().findChild<FieldEdit*>(name);
    }
};

TEST_F(SiemensAddressBook, EntriesWithSeveralNumbersRoundTripThroughTheEditor) {
    ASSERT_TRUE(window->tabs()->isTabVisible(memAddressBook));
    window->setActiveMemory(memAddressBook);
    download();
    EXPECT_EQ(window->table(memAddressBook).occupiedCount(), 3);
    EXPECT_EQ(rowAt(memAddressBook, 1).cells[colName], "Meier, Hans");
    EXPECT_EQ(numberLines(rowAt(memAddressBook, 1).cells[colMobile]), QStringList{"01701112223"});
    const PhonebookRow full = rowAt(memAddressBook, 4);
    EXPECT_EQ(full.cells[colName], "Köhler, Jürgen");
    for (const int column : {colGeneral, colMobile, colHome, colWork, colFax})
        EXPECT_FALSE(full.cells[column].isEmpty()) << column;
    EXPECT_EQ(textLines(full.cells[colAddress]),
              (QStringList{"Am Markt 3", "20095 Hamburg", "Deutschland"}));

    // The full entry through the editor unchanged stays as it is.
    editLocation(4, memAddressBook);
    EXPECT_TRUE(window->editor().firstNameField()->isVisible()) << "address-book layout";
    EXPECT_EQ(window->editor().firstNameField()->text(), "Jürgen");
    pressOk();
    ASSERT_FALSE(window->editor().isVisible());
    EXPECT_EQ(rowAt(memAddressBook, 4).cells, full.cells);

    // A mobile number and another street for an entry, a new one, one deleted.
    editLocation(2, memAddressBook);
    EXPECT_EQ(editorField("strasse")->text(), "Hauptstr. 1");
    EXPECT_EQ(editorField("plzort")->text(), "10115 Berlin");
    window->editor().furtherField(0)->setText("0171555666");
    editorField("strasse")->setText("Hauptstr. 2");
    pressOk();
    window->NewEntryClick();
    EXPECT_EQ(window->editor().locationField()->text(), "3");
    window->editor().nameField()->setText("Neumann");
    window->editor().firstNameField()->setText("Nina");
    window->editor().standardField()->setText("+4940777");
    pressOk();
    window->page(memAddressBook)->selectLocation(1);
    window->DeleteClick();
    const PhonebookRow schmidt = rowAt(memAddressBook, 2);

    upload();
    const auto book = sim.fixture().siemens.addressBook.objects;
    EXPECT_FALSE(book.contains(0)) << "the deleted entry is gone from the phone";
    ASSERT_TRUE(book.contains(1) && book.contains(2) && book.contains(3));
    const QStringList changed = cardLines(book.at(1));
    for (const char* line : {"N:Schmidt;Eva", "TEL;WORK:+4989333444", "TEL;CELL:0171555666",
                             "ADR:;;Hauptstr. 2;Berlin;;10115;Deutschland", "ORG:Beispiel GmbH"})
        EXPECT_TRUE(changed.contains(line)) << line;
    EXPECT_TRUE(cardLines(book.at(2)).contains("N:Neumann;Nina"));
    EXPECT_TRUE(cardLines(book.at(2)).contains("TEL;HOME:+4940777"));
    for (const QString& line : cardLines(kFullCard.toLatin1())) {
        if (line.startsWith("VERSION")) continue;
        EXPECT_TRUE(cardLines(book.at(3)).contains(line)) << line.toStdString();
    }

    // Read back: what the phone holds is what the table held.
    download();
    EXPECT_EQ(rowAt(memAddressBook, 4).cells, full.cells);
    EXPECT_EQ(rowAt(memAddressBook, 2).cells, schmidt.cells);
    EXPECT_EQ(rowAt(memAddressBook, 3).cells[colName], "Neumann, Nina");
    EXPECT_EQ(numberLines(rowAt(memAddressBook, 3).cells[colGeneral]), QStringList{"+4940777"});
    EXPECT_TRUE(rowAt(memAddressBook, 1).isEmpty());
}

}  // namespace
}  // namespace corvina
