// The phonebook's files against the simulated Nokia 6110, as a new user
// meets them: the SIM saved and loaded back, contacts of a khard-style
// folder copied to the phone and written up, and the phone's entries
// written into the folder; the program's own message boxes are answered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "corvina/phonebook/contactspage.h"
#include "corvina/phonebook/phonebookfilecommands.h"
#include "corvina/phonebook/toutlookfolders.h"
#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/shell/commandbar.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PhonebookContacts : public SimulatedProgram {
  protected:
    void SetUp() override {
        SimulatedProgram::SetUp();
        folder = dir.filePath("contacts/privat");
        QDir().mkpath(folder);
        const auto card = [&](const char* file, const QByteArray& lines) {
            QFile out(QDir(folder).filePath(file));
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write("BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n");
        };
        card("joerg.vcf",
             "FN:Jörg Schäfer\r\nN:Schäfer;Jörg;;;\r\nTEL;TYPE=cell:+49 172 3334444\r\n"
             "TEL;TYPE=home:040 556677\r\nEMAIL;TYPE=home:joerg@example.org\r\n"
             "ADR;TYPE=home:;;Hafenstraße 5;Hamburg;;20457;Deutschland\r\n"
             "ORG:Tischlerei Schäfer\r\nCATEGORIES:Freunde\r\n");
        card("clara.vcf",
             "FN:Clara Neu\r\nN:Neu;Clara;;;\r\nTEL;TYPE=work,pref:030 4445556\r\n"
             "NOTE:ruft abends zurück\r\n");
        card("anna.vcf", "FN:Anna\r\nTEL:+49 30 123456\r\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n");
        setContactsRoot(dir.filePath("contacts"));
        startProgram();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(Module::Phonebook);
        window = qobject_cast<Tphonebook_grid*>(shell->moduleWindow(Module::Phonebook));
        ASSERT_NE(window, nullptr);
        shell->resize(1100, 640);
        shell->show();
    }

    std::string status() const {
        return shell->statusText(Tgesamtform::StatusField::Middle).toStdString();
    }
    void press(int button) { shell->commandBar().button(button)->click(); }
    QString answer(const QString& button) {
        QMessageBox* found = nullptr;
        waitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) found = b;
            return found != nullptr;
        });
        if (!found) return {};
        const QString text = found->text();
        for (QAbstractButton* choice : found->buttons())
            if (choice->text() == button) choice->click();
        waitFor([&] { return !found->isVisible(); });
        return text;
    }
    PhonebookTable& simTable() { return window->table(memSim); }

    QString folder;
    Tphonebook_grid* window = nullptr;
};

TEST_F(PhonebookContacts, SaveLoadAndCopyBetweenTheSimAndAContactsFolder) {
    press(1);
    ASSERT_TRUE(runUntil([&] { return status().starts_with("Download beendet"); }));
    ASSERT_EQ(simTable().occupiedCount(), 3);

    // Saved and loaded back: the same rows, saved again the same bytes.
    const QString kvf = dir.filePath("sim.kvf");
    window->files().saveTo(kvf);
    const std::vector<PhonebookRow> downloaded = simTable().rows();
    ASSERT_TRUE(window->files().loadFrom(kvf));
    ASSERT_EQ(simTable().rows().size(), downloaded.size());
    for (size_t i = 0; i < downloaded.size(); ++i)
        EXPECT_EQ(simTable().rows()[i].cells, downloaded[i].cells);
    const QByteArray first = bytesOf(kvf);
    window->files().saveTo(kvf);
    EXPECT_EQ(bytesOf(kvf), first);

    // The Kontakte tab: the folder dialog, then the cards of "privat".
    ContactsPage* contacts = window->contactsPage();
    window->tabs()->setCurrentWidget(contacts);
    Toutlookfolders* dialog = contacts->folderDialog();
    ASSERT_TRUE(waitFor([&] { return dialog->isVisible(); }));
    ASSERT_EQ(dialog->folders()->count(), 2);
    dialog->folders()->setCurrentRow(1);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(contacts->grid()->rowCount(), 3);
    contacts->grid()->sortByColumn(1, Qt::AscendingOrder);
    const auto mark = [&](int row) {
        auto* view = contacts->grid();
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    mark(2);
    QApplication::processEvents();
    screenshot(shell.get(), "corvina-contacts.png");
    mark(0);
    mark(1);

    emit contacts->copyRequested(memSim);
    EXPECT_EQ(status(), "2 Einträge übernommen, 1 übersprungen (schon vorhanden).");
    EXPECT_EQ(window->activeMemory(), memSim);
    press(2);
    EXPECT_TRUE(answer("Ja").contains("Möchten Sie den Upload jetzt beginnen?"));
    ASSERT_TRUE(runUntil([&] { return status().starts_with("Upload beendet"); }));
    const auto entries = sim.fixture().phonebook.sim.entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries.at(3).name, "Clara Neu");
    EXPECT_EQ(entries.at(3).number, "0304445556");
    EXPECT_EQ(entries.at(4).name, "Jörg Schäfer");
    EXPECT_EQ(entries.at(4).number, "+491723334444");
    EXPECT_EQ(entries.at(4).group, 2) << "the category names the caller group";

    // And back: the SIM's own entries become cards, the others are there.
    window->page(memSim)->view()->selectAll();
    window->toContactsAction()->trigger();
    EXPECT_EQ(status(), "Kontakte: 2 neu angelegt, 1 ergänzt, 2 schon vorhanden.")
        << "Anna's card gains the group as its category";
    EXPECT_EQ(QDir(folder).entryList({"*.vcf"}, QDir::Files).size(), 5);
    const QByteArray anna = bytesOf(QDir(folder).filePath("anna.vcf"));
    EXPECT_TRUE(anna.contains("TEL:+49 30 123456\r\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n"));
    EXPECT_TRUE(anna.contains("CATEGORIES:Familie\r\n"));
    EXPECT_EQ(contacts->grid()->rowCount(), 5);
}

}  // namespace
}  // namespace corvina
