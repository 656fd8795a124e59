// The message window against the simulated phones: a long text to two
// numbers as concatenated messages, a recipient the phone refuses or leaves
// unanswered, reading stored messages of every kind, deleting, and a read
// the phone stops answering. Screenshots of both pages for the README.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <set>

#include "codecs/sms/textparts.h"
#include "corvina/messages/tsmsform.h"
#include "corvina/messages/tsmsvorlageform.h"
#include "corvina/shell/twarteform.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class MessageWindow : public SimulatedProgram {
  protected:
    void start(const QString& model, const std::function<void(phonesim::Fixture&)>& edit = {}) {
        phonesim::Fixture fixture = phonesim::Fixture::forModel(model);
        if (edit) edit(fixture);
        usePhone(fixture);  // the phone answers as its family does
        startProgram();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(Module::Messages);
        window = qobject_cast<Tsmsform*>(shell->moduleWindow(Module::Messages));
        ASSERT_NE(window, nullptr);
        window->setTemplatePath(dir.filePath("vorlagen.smo"));
        window->setListPath(dir.filePath("empfaenger.emp"));
    }

    void transfer(const std::function<void()>& command) {
        QSignalSpy finished(window, &Tsmsform::transferFinished);
        command();
        ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 90000));
    }
    void compose(const QString& text, const QStringList& numbers) {
        window->setPage(Tsmsform::Page::Compose);
        window->textField()->setPlainText(text);
        for (const QString& number : numbers) {
            window->newRecipient()->setText(number);
            ASSERT_TRUE(window->addTypedRecipient()) << number.toStdString();
        }
    }
    QString status() const { return shell->statusText(Tgesamtform::StatusField::Middle); }
    std::vector<phonesim::ReceivedMessage> received() const {
        return sim.fixture().messages.received;
    }

    Tsmsform* window = nullptr;
};

QString longText() {
    QString text = QStringLiteral("Grüße aus Köln [Dom] – ");
    text.remove(QChar(u'–'));
    while (text.size() < 400) text += QStringLiteral("Wir sehen uns ä [bald]. ");
    return text.left(400);
}

TEST_F(MessageWindow, LongTextGoesToTwoNumbersAsThreeConcatenatedParts) {
    start("NSE-3");
    const QString text = longText();
    compose(text, {"+491701112233", "Anna [0301234567]"});
    EXPECT_EQ(window->counterText("nachrichten"), "Nachrichten: 3");
    EXPECT_EQ(window->counterText("smsgesamt"), "SMS gesamt: 6");
    EXPECT_EQ(window->counterText("empfaengerzahl"), "Empfänger: 2");
    EXPECT_EQ(window->counterText("kodierung"), "GSM 7-Bit");
    screenshot(shell.get(), "corvina-messages-compose.png");

    transfer([&] { window->sendsms(); });
    EXPECT_EQ(status(), "SMS an 2 von 2 Empfängern versendet.");
    const auto got = received();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].number, "+491701112233");
    EXPECT_EQ(got[1].number, "0301234567") << "the number, not the name";
    std::set<QByteArray> references;
    for (const auto& message : got) {
        EXPECT_EQ(message.text, text) << "joined text, escapes read back";
        ASSERT_EQ(message.pieces.size(), 3u);
        const auto plan = sms::plantext(text, false);
        for (size_t k = 0; k < 3; ++k) {
            const auto& piece = message.pieces[k];
            ASSERT_EQ(piece.header.size(), 5);
            EXPECT_EQ(piece.header.left(2), QByteArray("\x00\x03", 2));
            EXPECT_EQ(piece.header[3], 3);
            EXPECT_EQ(piece.header[4], static_cast<char>(k + 1));
            EXPECT_EQ(piece.length, 7 + static_cast<int>(plan.parts[k].size()));
            EXPECT_LE(plan.parts[k].size(), 153u);
        }
        EXPECT_GE(plan.parts[0].size(), 152u) << "153 septets unless an escape pair would split";
        references.insert(message.pieces[0].header.mid(2, 1));
    }
    EXPECT_EQ(references.size(), 2u) << "each message has its own reference";
    EXPECT_FALSE(shell->waitWindow().isVisible());
}

TEST_F(MessageWindow, ARefusedRecipientIsNamedAndTheOthersStillGetTheirs) {
    start("NSE-3", [](phonesim::Fixture& f) {
        f.messages.refusePart = 2;
        f.messages.refuseNumber = "0170111";
    });
    compose(longText(), {"0170111", "0170222", "0170333"});
    bool waitOpenThroughout = true;
    QSignalSpy finished(window, &Tsmsform::transferFinished);
    window->sendsms();
    ASSERT_TRUE(waitFor(
        [&] {
            if (finished.isEmpty() && !shell->waitWindow().isVisible()) waitOpenThroughout = false;
            return !finished.isEmpty();
        },
        90000));
    EXPECT_TRUE(waitOpenThroughout) << "the wait window stays until the last recipient";
    const auto got = received();
    ASSERT_EQ(got.size(), 2u) << "recipients 2 and 3 got the whole message";
    EXPECT_EQ(got[0].number, "0170222");
    EXPECT_EQ(got[1].number, "0170333");
    const QString told = window->lastMessage();
    EXPECT_TRUE(told.contains("0170111: nicht erreicht, vom Telefon abgelehnt"))
        << told.toStdString();
    EXPECT_EQ(status(), "SMS an 2 von 3 Empfängern versendet.");
}

TEST_F(MessageWindow, ASilentPartEndsThatRecipientWithoutHangingTheWindow) {
    start("NSE-3", [](phonesim::Fixture& f) {
        f.messages.silentPart = 2;
        f.messages.refuseNumber = "0170111";
    });
    compose(longText(), {"0170111", "0170222"});
    transfer([&] { window->sendsms(); });
    EXPECT_TRUE(window->lastMessage().contains("0170111: nicht erreicht, keine Bestätigung"))
        << window->lastMessage().toStdString();
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].number, "0170222");
    EXPECT_FALSE(shell->waitWindow().isVisible());
}

phonesim::StoredMessage stored(int status, const QString& number, const QString& text,
                               const QDateTime& when) {
    phonesim::StoredMessage m;
    m.status = status;
    m.number = number;
    m.text = text;
    m.timestamp = when;
    return m;
}

TEST_F(MessageWindow, ReadsStoredMessagesOfEveryKindReadably) {
    start("NSE-3", [](phonesim::Fixture& f) {
        auto& s = f.messages.stored;
        s.clear();
        const QDateTime y2k(QDate(2000, 1, 1), QTime(0, 0, 5));
        const QDateTime y1999(QDate(1999, 12, 31), QTime(23, 59, 59));
        s[1] = stored(0, "Telekom", "Ihr Guthaben: 5 €", y1999);
        s[1].numberType = 0xD0;
        s[2] = stored(0, "+79161234567", QStringLiteral("Привет, как дела?"), y2k);
        s[2].coding = 0x08;
        s[3] = stored(0, "3311", "Code {42} [ok] ~ ^ | \\", y2k.addDays(1));
        s[5] = stored(2, "0301234567", "Bin unterwegs", y2k);
        s[6] = stored(1, "+491701234567", "Bericht", y2k);
    });
    window->setPage(Tsmsform::Page::Folders);
    EXPECT_FALSE(window->folderChoice()->isEnabled()) << "erst downloaden!";
    transfer([&] { window->readsms(); });
    EXPECT_TRUE(window->folderChoice()->isEnabled());
    QTableWidget* table = window->table();
    ASSERT_EQ(table->rowCount(), 4) << "the status report is not listed";
    // Received newest first: 3 (2000-01-02), 2 (2000-01-01), 1 (1999).
    EXPECT_EQ(table->item(0, 0)->text(), "3");
    EXPECT_EQ(table->item(0, 1)->text(), "Code {42} [ok] ~ ^ | \\");
    EXPECT_EQ(table->item(0, 2)->text(), "3311") << "a short code gets no +";
    EXPECT_EQ(table->item(1, 2)->text(), "+79161234567");
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("Привет, как дела?"));
    EXPECT_EQ(table->item(2, 2)->text(), "Telekom");
    EXPECT_EQ(table->item(2, 1)->text(), "Ihr Guthaben: 5 €");
    EXPECT_EQ(table->item(2, 4)->text(), "31.12.99");
    EXPECT_EQ(table->item(3, 5)->text(), "Ausgang");
    table->selectRow(1);
    screenshot(shell.get(), "corvina-messages-folders.png");

    // Deleting takes it off the phone and keeps it gone when the folder changes.
    table->selectRow(0);
    window->deleteMessage();
    EXPECT_EQ(status(), "SMS Nr. 3 wurde gelöscht.");
    EXPECT_EQ(sim.fixture().messages.stored.count(3), 0u);
    window->folderChoice()->setCurrentIndex(1);
    emit window->folderChoice()->activated(1);
    window->folderChoice()->setCurrentIndex(0);
    emit window->folderChoice()->activated(0);
    EXPECT_EQ(table->rowCount(), 3);
}

TEST_F(MessageWindow, AReadThePhoneStopsAnsweringKeepsWhatCameAndSaysWhere) {
    start("NSE-3", [](phonesim::Fixture& f) {
        auto& s = f.messages.stored;
        s.clear();
        for (int location = 1; location <= 6; ++location)
            s[location] = stored(0, "0170", QStringLiteral("Nr. %1").arg(location),
                                 QDateTime(QDate(2001, 1, location), QTime(12, 0)));
        f.messages.silentLocation = 4;
    });
    window->setPage(Tsmsform::Page::Folders);
    transfer([&] { window->readsms(); });
    EXPECT_EQ(window->table()->rowCount(), 3);
    EXPECT_TRUE(window->lastMessage().contains("bei Nr. 4")) << window->lastMessage().toStdString();
    EXPECT_TRUE(window->lastMessage().contains("antwortet nicht"));
}

TEST_F(MessageWindow, TemplatesListsAndPickedNumbersSurviveARestart) {
    start("NSE-3");
    compose(QString(300, u'x'), {"0170111", "Bernd [+491702222]"});
    window->saveAsTemplate("Lang");
    EXPECT_TRUE(window->lastMessage().contains("255 Zeichen")) << "the notice before cutting";
    window->saveRecipientList("Familie");
    window->saveRecipientList("Familie");  // the same name replaces, no second entry

    QFile phonebook(dir.filePath("telefon.kvf"));
    ASSERT_TRUE(phonebook.open(QIODevice::WriteOnly));
    phonebook.write(
        "\"Nr. \",\"Name\",\"Gruppe\",\"Nummer(Allgemein)\",\r\n"
        "\"1\",\"M\xFCller\",\"\",\"0301234|0309999|!\",\r\n"
        "\"2\",\"Ohne Nummer\",\"\",\"\",\r\n");
    phonebook.close();
    window->pickFromFile(phonebook.fileName());
    ASSERT_EQ(window->pickDialog()->table()->rowCount(), 1) << "only usable numbers";
    EXPECT_EQ(window->pickDialog()->table()->item(0, 1)->text(), QStringLiteral("Müller"));
    window->pickDialog()->takeButton()->click();
    EXPECT_EQ(window->recipients().last(), "0301234");
    window->pickFromFile(dir.filePath("fehlt.kvf"));
    EXPECT_TRUE(window->lastMessage().contains("fehlt.kvf")) << "the file and the reason";

    shell.reset();
    startProgram();
    ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
    shell->selectModule(Module::Messages);
    window = qobject_cast<Tsmsform*>(shell->moduleWindow(Module::Messages));
    window->setTemplatePath(dir.filePath("vorlagen.smo"));
    window->setListPath(dir.filePath("empfaenger.emp"));
    ASSERT_EQ(window->templates().size(), 1u);
    EXPECT_EQ(window->templates()[0].text, QString(255, u'x'));
    ASSERT_EQ(window->recipientLists().size(), 1u);
    window->appendRecipientList(0);
    EXPECT_EQ(window->recipients(), (QStringList{"0170111", "Bernd [+491702222]"}));
    EXPECT_EQ(window->counterText("empfaengerzahl"), "Empfänger: 2");

    // Another window hands over a number: a new message to it.
    window->setPage(Tsmsform::Page::Folders);
    shell->newMessageTo("0170999");
    EXPECT_EQ(window->recipients().last(), "0170999");
    EXPECT_EQ(window->counterText("empfaengerzahl"), "Empfänger: 3");
}

// The parts of a long message the phone keeps one by one show as one row, a
// missing part marked; deleting it asks once and deletes every part.
TEST_F(MessageWindow, ALongStoredMessageIsOneRowAndIsDeletedWhole) {
    start("NSE-3", [](phonesim::Fixture& f) {
        auto& s = f.messages.stored;
        s.clear();
        const QDateTime when(QDate(2001, 5, 12), QTime(10, 0));
        const QByteArray header("\x05\x00\x03\x2A\x03", 5);
        s[1] = stored(0, "+491701", "Teil drei.", when);
        s[1].header = header + '\x03';
        s[2] = stored(0, "+491701", "Teil eins, ", when);
        s[2].header = header + '\x01';
        s[4] = stored(0, "+491701", "Kurz", when.addSecs(60));
    });
    window->setPage(Tsmsform::Page::Folders);
    transfer([&] { window->readsms(); });
    QTableWidget* table = window->table();
    ASSERT_EQ(table->rowCount(), 2);
    int row = -1;
    for (int r = 0; r < 2; ++r) {
        if (table->item(r, 1)->text() == "Teil eins, [Teil 2 fehlt]Teil drei.") row = r;
    }
    ASSERT_GE(row, 0) << table->item(0, 1)->text().toStdString();

    table->selectRow(row);
    window->deleteMessage();
    QMessageBox* box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = window->findChild<QMessageBox*>("frage")); }));
    EXPECT_TRUE(box->text().contains("2 gespeicherten Teilen")) << box->text().toStdString();
    EXPECT_EQ(sim.fixture().messages.stored.size(), 3u) << "nothing deleted before the answer";
    box->button(QMessageBox::Ok)->click();
    const auto stored = sim.fixture().messages.stored;
    EXPECT_EQ(stored.size(), 1u);
    EXPECT_TRUE(stored.contains(4));
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 1)->text(), "Kurz");
}

// The popup menu a right click opens (a top-level popup, shown without
// waiting for it).
QMenu* openMenu(QWidget* widget) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMenu*>(w) && w->isVisible()) w->close();
    }
    emit widget->customContextMenuRequested(QPoint(2, 2));
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible()) return menu;
    }
    return nullptr;
}

QAction* entry(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

// The menus of text, templates, recipients and table offer what can be done
// now and do it.
TEST_F(MessageWindow, PopupMenusOfferWhatFitsAndDoIt) {
    start("NSE-5");
    window->setPage(Tsmsform::Page::Compose);
    QMenu* menu = openMenu(window->textField());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(entry(menu, "als Vorlage speichern")->isEnabled()) << "no text yet";
    EXPECT_FALSE(entry(menu, "Vorlage ändern")->isEnabled());

    window->textField()->setPlainText("Bis gleich");
    menu = openMenu(window->textField());
    ASSERT_TRUE(entry(menu, "als Vorlage speichern")->isEnabled());
    entry(menu, "als Vorlage speichern")->trigger();
    ASSERT_TRUE(window->templateDialog()->isVisible());
    window->templateDialog()->nameField()->setText("Gleich");
    window->templateDialog()->okButton()->click();
    ASSERT_EQ(window->templates().size(), 1u);

    menu = openMenu(window->templateList());
    EXPECT_FALSE(entry(menu, "Vorlage löschen")->isEnabled()) << "none selected";
    window->templateList()->setCurrentRow(0);
    menu = openMenu(window->templateList());
    EXPECT_TRUE(entry(menu, "Namen ändern")->isEnabled());
    entry(menu, "Vorlage löschen")->trigger();
    EXPECT_TRUE(window->templates().empty());

    menu = openMenu(window->recipientList());
    EXPECT_FALSE(entry(menu, "Liste speichern")->isEnabled()) << "no recipients";
    EXPECT_FALSE(entry(menu, "Liste löschen")->isEnabled()) << "no lists";
    compose("Bis gleich", {"0170111", "0170222"});
    window->saveRecipientList("Team");
    window->recipientList()->clear();
    menu = openMenu(window->recipientList());
    EXPECT_TRUE(entry(menu, "Liste löschen")->isEnabled());
    ASSERT_NE(entry(menu, "Team"), nullptr) << "one entry per saved list";
    EXPECT_TRUE(menu->actions()[2]->isSeparator());
    entry(menu, "Team")->trigger();
    EXPECT_EQ(window->recipients(), (QStringList{"0170111", "0170222"}));

    // The table's menu of a phone with folders moves and copies into them.
    window->setPage(Tsmsform::Page::Folders);
    transfer([&] { window->readsms(); });
    window->table()->selectRow(0);
    menu = openMenu(window->table());
    ASSERT_NE(entry(menu, "Löschen"), nullptr);
    QAction* copy = entry(menu, "kopieren in");
    ASSERT_NE(copy, nullptr);
    ASSERT_TRUE(copy->isEnabled());
    QStringList folders;
    for (QAction* f : copy->menu()->actions()) folders << f->text();
    EXPECT_EQ(folders, (QStringList{"Eingang", "Ausgang", "Archiv", "Vorlagen"}));
    const int rows = window->table()->rowCount();
    copy->menu()->actions()[2]->trigger();
    EXPECT_EQ(window->table()->rowCount(), rows + 1);
    menu->close();
}

// A damaged template file is only overwritten when the user agrees: the
// question comes first, Cancel leaves the file as it was.
TEST_F(MessageWindow, ADamagedTemplateFileIsReplacedOnlyAfterTheQuestion) {
    start("NSE-3");
    QFile file(dir.filePath("vorlagen.smo"));
    QByteArray good(512, '\0');
    good[0] = 3;
    good.replace(1, 3, "Alt");
    good[256] = 2;
    good.replace(257, 2, "Hi");
    const QByteArray damaged = good + QByteArray(100, 'x');
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    window->setTemplatePath(file.fileName());
    EXPECT_TRUE(window->lastMessage().contains("beschädigt"));
    ASSERT_EQ(window->templates().size(), 1u) << "the good record stays usable";

    const auto question = [&] {
        QMessageBox* box = nullptr;
        EXPECT_TRUE(waitFor([&] {
            for (QMessageBox* b : window->findChildren<QMessageBox*>("frage")) {
                if (b->isVisible()) box = b;
            }
            return box != nullptr;
        }));
        return box;
    };
    window->textField()->setPlainText("Neu");
    window->saveAsTemplate("Neu");
    QMessageBox* box = question();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("vorlagen.smo"));
    box->button(QMessageBox::Cancel)->click();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged) << "Cancel keeps the file";
    file.close();

    window->saveAsTemplate("Neu");
    box = question();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Ok)->click();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_EQ(written.size(), 1024);
    EXPECT_EQ(written.left(512), good);
    ASSERT_EQ(window->templates().size(), 2u);
}

class ArrivingMessages : public MessageWindow {
  protected:
    void startPhone(const QString& model,
                    const std::function<void(phonesim::Fixture&)>& edit = {}) {
        phonesim::Fixture fixture = phonesim::Fixture::forModel(model);
        if (edit) edit(fixture);
        usePhone(fixture);
        startProgram();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
        shell->selectModule(Module::Messages);
        window = qobject_cast<Tsmsform*>(shell->moduleWindow(Module::Messages));
        ASSERT_NE(window, nullptr);
        window->setPage(Tsmsform::Page::Folders);
    }
    std::atomic<bool> silenceOnDelete{false};
    int rowOf(const QString& text) const {
        for (int row = 0; row < window->table()->rowCount(); ++row) {
            if (window->table()->item(row, 1)->text() == text) return row;
        }
        return -1;
    }
};

// Every family tells of a message that comes in while connected; the window
// reads it at once and shows it first in its folder, readably.
TEST_F(ArrivingMessages, AMessageThatComesInIsShownAtOnceOnEveryFamily) {
    for (const QString model : {"NSE-3", "NSE-5", "S45"}) {
        SCOPED_TRACE(model.toStdString());
        startPhone(model);
        transfer([&] { window->readsms(); });
        const int before = window->table()->rowCount();

        phonesim::StoredMessage message =
            stored(0, "Info", QStringLiteral("Привет [€] {ok}"), QDateTime::currentDateTime());
        message.numberType = 0xD0;
        message.coding = 0x08;
        sim.deliverMessage(message);
        ASSERT_TRUE(waitFor([&] { return window->table()->rowCount() == before + 1; }));
        const int row = rowOf(QStringLiteral("Привет [€] {ok}"));
        ASSERT_GE(row, 0);
        EXPECT_EQ(window->table()->item(row, 2)->text(), "Info");
        EXPECT_EQ(window->table()->item(row, 5)->text(), "Eingang");
        EXPECT_EQ(status(), "Neue SMS von Info empfangen.");

        // A message in the middle of a read is taken once the read is over.
        message.text = "Noch eine";
        message.numberType = -1;
        message.number = "0170555";
        message.coding = -1;
        QSignalSpy finished(window, &Tsmsform::transferFinished);
        window->readsms();
        sim.deliverMessage(message);
        ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 90000));
        ASSERT_TRUE(waitFor([&] { return rowOf("Noch eine") >= 0; }));
        EXPECT_EQ(window->table()->rowCount(), before + 2) << "read once, not twice";
        shell.reset();
    }
}

// The fixture's arriving messages come by themselves a while after the PC
// first spoke.
TEST_F(ArrivingMessages, TheFixtureLetsAMessageComeByItself) {
    startPhone("NSE-3", [](phonesim::Fixture& f) {
        phonesim::ArrivingMessage arriving;
        arriving.afterMs = 300;
        arriving.message = stored(0, "+491709999", "Bin gleich da", QDateTime::currentDateTime());
        f.messages.arriving.push_back(arriving);
    });
    ASSERT_TRUE(waitFor([&] { return rowOf("Bin gleich da") >= 0; }));
    EXPECT_TRUE(sim.fixture().messages.arriving.empty());
    EXPECT_EQ(status(), "Neue SMS von +491709999 empfangen.");
}

// Moving and copying on a phone with folders, and a move whose delete the
// phone does not answer: the copy is kept, the original too, and the user
// is told.
TEST_F(ArrivingMessages, MoveAndCopyBetweenFoldersOfA7110) {
    // Armed below: the phone falls silent as a delete comes in, so its
    // answer is lost.
    sim.setTrace([this](const char* direction, const phonesim::Message& m) {
        if (silenceOnDelete && QByteArray(direction) == "PC" && m.type == 0x14 &&
            m.body.size() > 3 && m.body[3] == 0x0A)
            sim.faults().silenceFor(std::chrono::milliseconds(800));
    });
    startPhone("NSE-5");
    transfer([&] { window->readsms(); });
    const auto inFolder = [&](int id, const QString& text) {
        int found = 0;
        for (const auto& folder : sim.fixture().messages.folders) {
            for (const auto& [location, message] : folder.messages)
                found += folder.id == id && message.text == text ? 1 : 0;
        }
        return found;
    };
    const QString treffen = "Treffen um 8";
    window->table()->selectRow(rowOf(treffen));
    window->moveSelected(24, true);
    EXPECT_EQ(inFolder(24, treffen), 1) << "the copy is on the phone";
    EXPECT_EQ(inFolder(8, treffen), 1) << "the original stays";
    const int rows = window->table()->rowCount();

    window->table()->selectRow(rowOf(treffen));
    const QString from = window->table()->item(rowOf(treffen), 5)->text();
    window->moveSelected(16, false);
    EXPECT_EQ(inFolder(16, treffen), 1);
    EXPECT_EQ(inFolder(from == "Eingang" ? 8 : 24, treffen), 0) << from.toStdString();
    EXPECT_EQ(window->table()->rowCount(), rows);
    for (const auto& folder : sim.fixture().messages.folders) {
        for (const auto& [location, message] : folder.messages) {
            if (message.text == treffen) {
                EXPECT_EQ(message.number, "+4930123456");
            }
        }
    }

    silenceOnDelete = true;
    const QString hallo = "Hallo, wie geht's?";
    window->table()->selectRow(rowOf(hallo));
    window->moveSelected(24, false);
    silenceOnDelete = false;
    EXPECT_TRUE(window->lastMessage().contains("in beiden Ordnern"))
        << window->lastMessage().toStdString();
    EXPECT_TRUE(window->lastMessage().contains("antwortet nicht"));
    EXPECT_EQ(window->table()->rowCount(), rows + 1) << "both entries are shown";
    EXPECT_EQ(inFolder(24, hallo), 1) << "the copy was written";
}

}  // namespace
}  // namespace corvina
