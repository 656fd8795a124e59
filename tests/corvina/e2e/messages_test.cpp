// The message window against the simulated phones: a long text to two
// numbers as concatenated messages, a recipient the phone refuses or leaves
// unanswered, reading stored messages of every kind, deleting, and a read
// the phone stops answering. Screenshots of both pages for the README.
#include <gtest/gtest.h>

#include <QFile>
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
        sim.editFixture([&](phonesim::Fixture& f) {
            f = phonesim::Fixture::forModel(model);
            if (edit) edit(f);
        });
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

}  // namespace
}  // namespace corvina
