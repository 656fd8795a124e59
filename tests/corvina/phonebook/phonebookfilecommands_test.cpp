// The phonebook window's file commands with a scripted phone: saving asks
// about characters Windows-1252 lacks, a damaged file leaves table and disk
// alone, the "Kontakte" tab copies only new contacts, "&Zu Kontakten"
// updates cards instead of doubling them, dropped cards become entries and
// rows leave as vCards; the column widths outlive the window.
#include "corvina/phonebook/phonebookfilecommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include "corvina/connection/connectioncontrol.h"
#include "corvina/phonebook/contactspage.h"
#include "corvina/phonebook/files/columnwidths.h"
#include "corvina/phonebook/files/vcard.h"
#include "corvina/phonebook/phonedatatabs.h"
#include "corvina/phonebook/toutlookfolders.h"
#include "corvina/phonebook/tphonebook_grid.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/tgesamtform.h"
#include "tests/corvina/phonebook/phonebookwindowtest.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using namespace testing_phonebook;
using testing_support::waitFor;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray card(const QByteArray& name, const QByteArray& tels) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\n" + tels + "END:VCARD\r\n";
}

class PhonebookFiles : public PhonebookWindowTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        startShell();
        QFile::remove(ColumnWidths::defaultPath());
        setContactsRoot(dir.filePath("contacts"));
        open();
    }
    std::string status() {
        return shell->statusText(Tgesamtform::StatusField::Middle).toStdString();
    }
    void mark(QAbstractItemView* view, std::initializer_list<int> rows) {
        view->clearSelection();
        for (const int row : rows)
            view->selectionModel()->select(view->model()->index(row, 1),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QTemporaryDir dir;
};

TEST_F(PhonebookFiles, SavingAsksAboutLackingCharactersAndBadFilesChangeNothing) {
    download();
    sim().row(sim().indexOfLocation(2)).cells[colName] = QStringLiteral("Ελένη");
    const QString kvf = dir.filePath("sim.kvf");
    script.answers = {Answer::No};
    window->files().saveTo(kvf);
    EXPECT_TRUE(script.lastAsked().contains(QStringLiteral("Zeile 2, Spalte 2: »Ε«")))
        << script.lastAsked().toStdString();
    EXPECT_FALSE(QFile::exists(kvf)) << "No writes nothing";
    script.answers = {Answer::Yes};
    window->files().saveTo(kvf);
    EXPECT_TRUE(bytesOf(kvf).contains("\"2\",\"?????\",")) << bytesOf(kvf).toStdString();
    EXPECT_EQ(status(), "4 Einträge gespeichert in " + kvf.toStdString());

    // vCard keeps every character and loads back; no question.
    const QString vcf = dir.filePath("sim.vcf");
    const size_t asked = script.asked.size();
    window->files().saveTo(vcf);
    EXPECT_EQ(script.asked.size(), asked);
    sim().setRows({});
    ASSERT_TRUE(window->files().loadFrom(vcf));
    ASSERT_EQ(sim().size(), 4);
    EXPECT_EQ(at(2).cells[colName], QStringLiteral("Ελένη"));
    EXPECT_EQ(at(4).cells[colGeneral], QStringLiteral("0304\r"));
    EXPECT_EQ(at(4).bold, colGeneral);

    // Damaged files: one message naming file and line, table and file as they were.
    const std::vector<PhonebookRow> before = sim().rows();
    const std::vector<std::pair<QString, QByteArray>> damaged = {
        {"offen.kvf", "\"Nr.\",\"Name\",\r\n\"1\",\"Anna\",\r\n\"2\",\"Ber\r\n"},
        {"binaer.csv", QByteArray("1,Anna,0301\r\n2,B\x01\x02\x03,0302\r\n", 29)},
        {"kaputt.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\n"}};
    for (const auto& [name, bytes] : damaged) {
        const QString path = dir.filePath(name);
        writeFile(path, bytes);
        EXPECT_FALSE(window->files().loadFrom(path)) << name.toStdString();
        EXPECT_TRUE(script.lastTold().startsWith(QStringLiteral("Datei ") + name))
            << script.lastTold().toStdString();
        EXPECT_TRUE(script.lastTold().contains(QStringLiteral("Zeile"))) << name.toStdString();
        EXPECT_EQ(sim().rows().size(), before.size());
        EXPECT_EQ(sim().row(1).cells, before[1].cells);
        EXPECT_EQ(bytesOf(path), bytes);
    }

    // The WAP list is a table file of its own, saved and loaded on its tab.
    WapBookmarks& wap = window->phoneData().wap();
    wap.setRows({{"Wetter", "http://wap.wetter.de"}, {"Bahn", "http://wap.bahn.de"}});
    window->tabs()->setCurrentWidget(window->phoneData().wapPage());
    const QString list = dir.filePath("links.wap");
    window->files().saveWapTo(list);
    EXPECT_TRUE(
        bytesOf(list).startsWith("\"Nr. \",\"Name\",\"Link\",\r\n"
                                 "\"1\",\"Wetter\",\"http://wap.wetter.de\",\r\n"));
    wap.setRows({});
    ASSERT_TRUE(window->files().loadWapFrom(list));
    ASSERT_GE(wap.rows().size(), 2u);
    EXPECT_EQ(wap.rows()[1], (WapRow{"Bahn", "http://wap.bahn.de"}));
}

TEST_F(PhonebookFiles, ContactsTabCopiesOnlyNewContactsAndZuKontaktenUpdatesCards) {
    const QString folder = dir.filePath("contacts/privat");
    writeFile(folder + "/name1.vcf", card("Name 1", "TEL:030-1\r\n"));
    writeFile(folder + "/clara.vcf",
              card("Clara Neu",
                   "N:Neu;Clara;;;\r\nTEL;TYPE=HOME:030 998877\r\n"
                   "TEL;TYPE=CELL:+49 171 5550000\r\nPHOTO;ENCODING=b:AAAA\r\n"));
    ContactsPage* contacts = window->contactsPage();
    window->tabs()->setCurrentWidget(contacts);
    Toutlookfolders* dialog = contacts->folderDialog();
    ASSERT_TRUE(dialog->isVisible()) << "the folder dialog opens at the first show";
    QStringList listed;
    for (int i = 0; i < dialog->folders()->count(); ++i)
        listed << dialog->folders()->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"contacts", "privat"}));
    dialog->folders()->setCurrentRow(1);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(contacts->grid()->rowCount(), 2);
    EXPECT_EQ(contacts->grid()->item(0, 1)->text(), "Clara Neu");
    EXPECT_EQ(contacts->grid()->item(0, 2)->text(), "+49 171 5550000")
        << "only a mobile number: it shows as the general one";
    EXPECT_EQ(status(), "Kontakte wurden eingelesen.");
    for (QToolButton* letter : contacts->findChildren<QToolButton*>())
        if (letter->text() == "n") letter->click();
    EXPECT_EQ(contacts->grid()->item(contacts->grid()->currentRow(), 1)->text(), "Name 1");

    mark(contacts->grid(), {0, 1});
    emit contacts->copyRequested(memSim);
    EXPECT_TRUE(script.lastTold().startsWith("Bitte führen Sie zuerst einen Download des SIM"));
    EXPECT_EQ(sim().size(), 0);

    download();
    window->tabs()->setCurrentWidget(contacts);
    mark(contacts->grid(), {0, 1});
    emit contacts->copyRequested(memSim);
    EXPECT_EQ(window->activeMemory(), memSim);
    EXPECT_EQ(status(), "1 Einträge übernommen, 1 übersprungen (schon vorhanden).");
    ASSERT_GE(sim().indexOfLocation(5), 0);
    EXPECT_EQ(at(5).cells[colName], QStringLiteral("Clara Neu"));
    EXPECT_EQ(at(5).cells[colMobile], QStringLiteral("+491715550000\r"))
        << "the only mobile number is the standard number, stored once";
    EXPECT_EQ(at(5).cells[colGeneral], QString());
    EXPECT_EQ(at(5).bold, colMobile);

    // Back into the folder: a new card for "Name 2", the card of "Name 1" kept.
    const QByteArray name1 = bytesOf(folder + "/name1.vcf");
    mark(window->page(memSim)->view(), {sim().indexOfLocation(1), sim().indexOfLocation(2)});
    window->toContactsAction()->trigger();
    EXPECT_EQ(status(), "Kontakte: 1 neu angelegt, 0 ergänzt, 1 schon vorhanden.");
    EXPECT_EQ(bytesOf(folder + "/name1.vcf"), name1);
    EXPECT_EQ(contacts->grid()->rowCount(), 3) << "the tab shows the folder anew";
    mark(window->page(memSim)->view(), {sim().indexOfLocation(5)});
    window->toContactsAction()->trigger();
    EXPECT_EQ(status(), "Kontakte: 0 neu angelegt, 0 ergänzt, 1 schon vorhanden.");
    EXPECT_TRUE(bytesOf(folder + "/clara.vcf").contains("PHOTO;ENCODING=b:AAAA\r\n"));
}

TEST_F(PhonebookFiles, DroppedCardsBecomeEntriesRowsLeaveAsCardsAndWidthsStay) {
    download();
    const QString dropped = dir.filePath("drop/zwei.vcf");
    writeFile(dropped, card("Dora", "TEL;TYPE=WORK:0401\r\n") + card("Emil", "TEL:0402\r\n") +
                           card("Name 3", "TEL:0303\r\n"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dropped)});
    QWidget* viewport = window->page(memSim)->view()->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    EXPECT_EQ(status(), "2 Einträge übernommen, 1 übersprungen (schon vorhanden).");
    EXPECT_EQ(at(5).cells[colWork], QStringLiteral("0401\r"));
    EXPECT_EQ(at(6).cells[colName], QStringLiteral("Emil"));
    QMimeData text;
    text.setText("nur Text");
    QDragEnterEvent plain(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &plain);
    EXPECT_FALSE(plain.isAccepted());

    // Rows dragged out: vCards, and a .vcf file for programs that take files.
    QAbstractItemView* view = window->page(memSim)->view();
    const QModelIndexList rows = {view->model()->index(sim().indexOfLocation(5), 1)};
    std::unique_ptr<QMimeData> out(view->model()->mimeData(rows));
    ASSERT_TRUE(out);
    const VCardRead cards = VCardCodec::decode(out->data("text/vcard"), "drag");
    ASSERT_EQ(cards.cards.size(), 1u);
    EXPECT_EQ(cards.cards[0].first("FN")->text(), "Dora");
    ASSERT_EQ(out->urls().size(), 1);
    EXPECT_EQ(bytesOf(out->urls()[0].toLocalFile()), out->data("text/vcard"));
    EXPECT_TRUE(out->urls()[0].toLocalFile().endsWith("/Dora.vcf"));

    // Copy puts the table-file lines and the cards on the clipboard.
    mark(view, {sim().indexOfLocation(1), sim().indexOfLocation(6)});
    window->CopyClick();
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(clip);
    EXPECT_TRUE(clip->text().startsWith("\r\n\"Nr.\",\"Name\",")) << clip->text().toStdString();
    EXPECT_TRUE(clip->text().contains("\r\n\"2\",\"Emil\",")) << "renumbered as the buffer";
    EXPECT_EQ(VCardCodec::decode(clip->data("text/vcard"), "clip").cards.size(), 2u);

    // Column widths are written when the window goes and read when it shows.
    shell->show();
    ASSERT_TRUE(waitFor([&] { return window->isVisible(); }));
    view = window->page(memSim)->view();
    static_cast<QTableView*>(view)->horizontalHeader()->resizeSection(1, 211);
    window->contactsPage()->grid()->horizontalHeader()->resizeSection(3, 77);
    delete window;
    QSettings ini(ColumnWidths::defaultPath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Spaltenbreiten/Sim2").toInt(), 211);
    EXPECT_EQ(ini.value("Spaltenbreiten/Outlook4").toInt(), 77);
    open();
    ASSERT_TRUE(waitFor([&] { return window->isVisible(); }));
    EXPECT_EQ(window->page(memSim)->view()->horizontalHeader()->sectionSize(1), 211);
    EXPECT_EQ(window->contactsPage()->grid()->horizontalHeader()->sectionSize(3), 77);
}

}  // namespace
}  // namespace corvina
