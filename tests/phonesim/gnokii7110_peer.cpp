// gnokii against the simulated 7110 family: as a 7110 against the NSE-5
// and as a 6210 against the NPE-3 it must identify the phone, read the
// phone memory's entries with all their numbers and texts, and read a
// stored message from the inbox folder, each as the fixture holds it.
#include "phonesim/fixture/fixture.h"
#include "tests/phonesim/gnokiipeer.h"

namespace {

struct PeerCase {
    const char* gnokiiModel;
    const char* modelCode;
};

class Gnokii7110 : public testing_support::GnokiiPeer,
                   public ::testing::WithParamInterface<PeerCase> {
  protected:
    QString runGnokii(const QStringList& arguments, int* exitCode) {
        return run({QStringLiteral("--model"), QString::fromLatin1(GetParam().modelCode)},
                   QString::fromLatin1(GetParam().gnokiiModel), arguments, exitCode);
    }
    phonesim::Fixture fixture() const {
        return phonesim::Fixture::forModel(QString::fromLatin1(GetParam().modelCode));
    }
};

TEST_P(Gnokii7110, Identifies) {
    int exitCode = -1;
    const QString output = runGnokii({QStringLiteral("--identify")}, &exitCode);
    const auto expected = fixture().identity;
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("IMEI         : ") + expected.imei))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Model        : ") + expected.modelCode))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Revision     : ") + expected.softwareVersion))
        << qPrintable(output);
}

TEST_P(Gnokii7110, ReadsThePhoneMemory) {
    int exitCode = -1;
    const QString output = runGnokii({QStringLiteral("--getphonebook"), QStringLiteral("ME"),
                                      QStringLiteral("1"), QStringLiteral("10")},
                                     &exitCode);
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    for (const auto& [location, entry] : fixture().phonebook.phone.entries) {
        if (location > 10) continue;
        EXPECT_TRUE(output.contains(QStringLiteral("%1. Name: %2\n").arg(location).arg(entry.name)))
            << qPrintable(output);
        EXPECT_TRUE(output.contains(QStringLiteral(" number: ") + entry.number + '\n'))
            << qPrintable(output);
        for (const auto& number : entry.otherNumbers) {
            EXPECT_TRUE(output.contains(QStringLiteral(" number: ") + number.text + '\n'))
                << qPrintable(output);
        }
        for (const auto& text : entry.texts) {
            EXPECT_TRUE(output.contains(QStringLiteral(": ") + text.text + '\n'))
                << qPrintable(output);
        }
    }
    // The locations without an entry are skipped as empty.
    EXPECT_TRUE(output.contains(QStringLiteral("Empty memory location"))) << qPrintable(output);
}

TEST_P(Gnokii7110, ReadsAStoredMessage) {
    int exitCode = -1;
    const QString output = runGnokii(
        {QStringLiteral("--getsms"), QStringLiteral("IN"), QStringLiteral("1")}, &exitCode);
    const auto data = fixture().messages;
    const auto& message = data.folders.front().messages.at(1);
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Inbox Message (Unread)"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Sender: ") + message.number +
                                QStringLiteral(" Msg Center: ") + data.centre.number))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(message.timestamp.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Text:\n") + message.text)) << qPrintable(output);
}

INSTANTIATE_TEST_SUITE_P(Models, Gnokii7110,
                         ::testing::Values(PeerCase{"7110", "NSE-5"}, PeerCase{"6210", "NPE-3"}),
                         [](const auto& info) { return std::string(info.param.gnokiiModel); });

}  // namespace
