// The sends of the logo window with the library calls and the user's
// answers replaced: which code, group, slot and ringtone go out, what the
// user is told for each result, and that only a real success is one.
#include "corvina/logos/logosend.h"

#include <gtest/gtest.h>

#include "corvina/logos/logokinds.h"
#include "corvina/logos/picturefiles.h"
#include "corvina/logos/recipients.h"
#include "phonelib/api/status.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class Sends : public ::testing::Test {
  protected:
    Sends() {
        calls.sendBitmap = [this](const GSMBitmap& b) {
            sent.push_back(b);
            return next(uploadResults);
        };
        calls.getBitmap = [this](GSMBitmap& b) {
            b.groupRingtone = groupRingtone;
            return groupRead;
        };
        calls.networkInfo = [this](TNetWorkInfo& info) {
            ++networkAsks;
            info.networkOperator.countryCode = phoneCountry;
            info.networkOperator.networkNumber = 1;
            return next(networkResults);
        };
        calls.deleteLogo = [this](const std::string& code, uint8_t kind) {
            deleted.emplace_back(code, kind);
            return uint8_t{1};
        };
        calls.sendRingtone = [this](const std::string&, uint8_t slot) {
            ringtoneSlot = slot;
            return uint8_t{1};
        };
        calls.sendSms = [this](const GSMSMS& m, int32_t, int32_t) {
            messages.push_back(m);
            return smsResult;
        };
        calls.smsCentre = [this](std::string& number) {
            number = centre;
            return centre.empty() ? uint8_t{0} : uint8_t{1};
        };
        questions.operatorCode = [this](auto answer) {
            ++operatorAsks;
            answer(operatorAnswer);
        };
        questions.operatorMismatch = [this](auto goOn) {
            ++mismatchWarnings;
            goOn();
        };
        questions.callerGroup = [this](auto answer) { answer(group); };
        questions.slot = [this](bool, auto answer) { answer(slot); };
        questions.smsCentre = [this](auto answer) { answer(QString()); };
    }

    static uint8_t next(std::vector<uint8_t>& results) {
        if (results.empty()) return 1;
        const uint8_t r = results.front();
        results.erase(results.begin());
        return r;
    }
    SendOutcome run(const std::function<void(LogoSender&, LogoSender::Done)>& start) {
        LogoSender sender(calls);
        sender.setQuestions(questions);
        sender.setRetryInterval(1);
        std::optional<SendOutcome> outcome;
        start(sender, [&](const SendOutcome& o) { outcome = o; });
        EXPECT_TRUE(waitFor([&] { return outcome.has_value(); }, 5000));
        return outcome.value_or(SendOutcome{});
    }
    SendOutcome sendLogo(uint8_t kind, uint8_t model, const QString& code = {}) {
        return run([&](LogoSender& s, LogoSender::Done done) {
            s.sendLogo({blankPicture(logoSize(model, kind, true)), kind, model, code}, done);
        });
    }

    LogoCalls calls;
    SendQuestions questions;
    std::vector<GSMBitmap> sent;
    std::vector<uint8_t> uploadResults, networkResults;
    std::vector<std::pair<std::string, uint8_t>> deleted;
    std::vector<GSMSMS> messages;
    int phoneCountry = 262;
    int networkAsks = 0, operatorAsks = 0, mismatchWarnings = 0;
    QString operatorAnswer;
    uint8_t groupRead = 1;
    int32_t groupRingtone = 0x22;
    std::optional<CallerGroup> group = CallerGroup{2, QStringLiteral("Freunde")};
    std::optional<int> slot = 3;
    uint8_t ringtoneSlot = 99;
    uint8_t smsResult = 1;
    std::string centre;
};

TEST_F(Sends, TheOperatorCodeComesFromTheSettingsElseFromThePhoneElseFromTheUser) {
    // 26202 in the settings while the phone is in 26201: a warning, then sent.
    EXPECT_TRUE(sendLogo(lkOperator, 11, "26202").success());
    EXPECT_EQ(mismatchWarnings, 1);
    EXPECT_EQ(sent.back().networkCode, "26202");
    EXPECT_EQ(sent.back().size, 126);

    // Nothing in the settings: the phone's network, no warning.
    EXPECT_EQ(sendLogo(lkOperator, 11).operatorCode, "26201");
    EXPECT_EQ(mismatchWarnings, 1);
    EXPECT_EQ(operatorAsks, 0);

    // Neither: the user is asked; no answer ends the send unsent.
    phoneCountry = 0;
    const size_t before = sent.size();
    EXPECT_EQ(sendLogo(lkOperator, 11).kind, SendOutcome::Kind::Cancelled);
    EXPECT_EQ(sent.size(), before);
    operatorAnswer = QStringLiteral("26207");
    EXPECT_EQ(sendLogo(lkOperator, 11).operatorCode, "26207");
    EXPECT_EQ(operatorAsks, 2);

    // Siemens phones are not asked for their network.
    networkAsks = 0;
    EXPECT_TRUE(sendLogo(lkScreensaver, 7, "26201").success());
    EXPECT_EQ(networkAsks, 0);
    EXPECT_EQ(sent.back().kind, lkScreensaver);
    EXPECT_EQ(sent.back().width, 101);
    EXPECT_FALSE(sent.back().pictureFile.empty()) << "the Siemens driver sends a bitmap file";
}

TEST_F(Sends, AGroupLogoKeepsTheGroupsRingtoneAndPicturesGoToTheirSlot) {
    ASSERT_TRUE(sendLogo(lkCallerGroup, 14).success());
    EXPECT_EQ(sent.back().groupIndex, 2);
    EXPECT_EQ(sent.back().groupName, "Freunde");
    EXPECT_EQ(sent.back().groupRingtone, 0x22);
    EXPECT_EQ(sent.back().groupLogoOn, 1);
    groupRead = phonelib::stNotAvailable;
    ASSERT_TRUE(sendLogo(lkCallerGroup, 14).success());
    EXPECT_EQ(sent.back().groupRingtone, 51);
    ASSERT_TRUE(sendLogo(lkCallerGroup, 20).success());
    EXPECT_EQ(sent.back().groupRingtone, 78);
    group.reset();
    EXPECT_EQ(sendLogo(lkCallerGroup, 14).kind, SendOutcome::Kind::Cancelled);

    ASSERT_TRUE(sendLogo(lkPicture, 11).success());
    EXPECT_EQ(sent.back().location, 3);
    EXPECT_EQ(sent.back().height, 28);
    slot.reset();
    ASSERT_TRUE(sendLogo(lkPicture, 20).success()) << "the 6310 has no slots to ask for";
    EXPECT_EQ(sent.back().location, 0);
    EXPECT_EQ(sendLogo(lkPicture, 11).kind, SendOutcome::Kind::Cancelled);

    slot = 1;
    EXPECT_TRUE(run([](LogoSender& s, auto done) { s.sendRingtone("a.txt", 11, done); }).success());
    EXPECT_EQ(ringtoneSlot, 1);
    EXPECT_TRUE(run([](LogoSender& s, auto done) { s.sendRingtone("a.txt", 14, done); }).success());
    EXPECT_EQ(ringtoneSlot, 0);
}

TEST_F(Sends, OnlyASuccessIsOneAndEveryOtherResultIsToldAndABusyLibraryIsAskedAgain) {
    uploadResults = {phonelib::stCallInProgress, phonelib::stCallInProgress, 1};
    EXPECT_TRUE(sendLogo(lkStartup, 11).success());
    EXPECT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent.back().size, 504);

    const std::pair<uint8_t, const char*> failures[] = {
        {phonelib::stNoAnswer, "nicht kontaktiert"},
        {phonelib::stRefused, "Fehler gemeldet"},
        {phonelib::stNotConnected, "kein Mobiltelefon"},
        {phonelib::stNotAvailable, "nicht an"},
        {phonelib::stTooLong, "zu groß"},
        {77, "Fehler 77"},
    };
    for (const auto& [status, text] : failures) {
        uploadResults = {status};
        const SendOutcome o = sendLogo(lkStartup, 11);
        EXPECT_EQ(o.kind, SendOutcome::Kind::Failure) << int(status);
        EXPECT_TRUE(o.text.contains(QString::fromUtf8(text))) << o.text.toStdString();
    }
    // The phone took the upload without an answer, then answered nothing:
    // the link is gone, the logo not known to have arrived.
    networkResults = {phonelib::stNoAnswer};
    const SendOutcome silent = sendLogo(lkStartup, 11);
    EXPECT_FALSE(silent.success());
    EXPECT_EQ(silent.status, phonelib::stNoAnswer);
}

TEST_F(Sends, RemovingUsesTheKindsOwnWay) {
    EXPECT_TRUE(run([](LogoSender& s, auto done) {
                    s.removeLogo(lkOperator, 11, QStringLiteral("26202"), {72, 14}, done);
                }).success());
    EXPECT_TRUE(run([](LogoSender& s, auto done) {
                    s.removeLogo(lkScreensaver, 7, QStringLiteral("26202"), {101, 65}, done);
                }).success());
    ASSERT_EQ(deleted.size(), 2u);
    EXPECT_EQ(deleted[0], std::make_pair(std::string("26202"), uint8_t{3}));
    EXPECT_EQ(deleted[1].second, 8);
    EXPECT_TRUE(run([](LogoSender& s, auto done) {
                    s.removeLogo(lkStartup, 11, {}, {84, 48}, done);
                }).success());
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent.back().kind, lkStartup);
    EXPECT_EQ(sent.back().size, 504);
    for (int i = 0; i < 504; ++i) ASSERT_EQ(sent.back().stripeData[i], 0);
}

TEST_F(Sends, SmartMessagesCarryCodeTextAndCentre) {
    MessageJob job;
    job.picture = blankPicture({72, 28});
    job.smartKind = skPictureMessage;
    job.recipient = QStringLiteral("+491771234567");
    job.text = QString(130, QLatin1Char('x'));
    // No centre in the settings or the phone, none given: not sent.
    EXPECT_EQ(run([&](LogoSender& s, auto done) { s.sendMessage(job, done); }).kind,
              SendOutcome::Kind::Cancelled);
    EXPECT_TRUE(messages.empty());
    centre = "+491722270333";
    ASSERT_TRUE(run([&](LogoSender& s, auto done) { s.sendMessage(job, done); }).success());
    EXPECT_EQ(messages.back().serviceCentre, centre);
    EXPECT_EQ(messages.back().text.size(), 113u);
    EXPECT_EQ(messages.back().smartKind, skPictureMessage);
    EXPECT_EQ(messages.back().validity, 5);

    job.smartKind = skOperatorLogo;
    job.picture = blankPicture({72, 14});
    EXPECT_EQ(run([&](LogoSender& s, auto done) { s.sendMessage(job, done); }).kind,
              SendOutcome::Kind::Failure)
        << "an operator logo needs its operator";
    job.operatorCode = QStringLiteral("26203");
    smsResult = phonelib::stRefused;
    const SendOutcome refused = run([&](LogoSender& s, auto done) { s.sendMessage(job, done); });
    EXPECT_TRUE(refused.text.contains("Netzbetreiber")) << refused.text.toStdString();
    EXPECT_EQ(messages.back().picture.networkCode, "26203");
}

TEST(Recipients, GermanPrefixesChooseTheNetworkAndOnlyUsableNumbersAreSent) {
    EXPECT_EQ(operatorCodeForNumber("0177 1234567"), "26203");
    EXPECT_EQ(operatorCodeForNumber("+49 178 1234567"), "26203");
    EXPECT_EQ(operatorCodeForNumber("0049160123"), "26201");
    EXPECT_EQ(operatorCodeForNumber("0174/123"), "26202");
    EXPECT_EQ(operatorCodeForNumber("0179-1"), "26207");
    EXPECT_EQ(operatorCodeForNumber("0176"), "26207");
    EXPECT_EQ(operatorCodeForNumber("030 1234"), "");
    EXPECT_EQ(operatorCodeForNumber("+43 177"), "");
    EXPECT_EQ(usableRecipient("0171 / 123-45"), "017112345");
    EXPECT_EQ(usableRecipient("0049171"), "+49171");
    EXPECT_EQ(usableRecipient(""), "");
    EXPECT_EQ(usableRecipient("Mama"), "");
    EXPECT_EQ(usableRecipient("+"), "");
    // The table's code text, even for a country code of three digits and a
    // network code of two ("226" and "10" are 22610, not 226010).
    EXPECT_EQ(operatorCodeText({"22610", "Vodafone RO", "226", "10"}), "22610");
    EXPECT_EQ(operatorCodeText({"Neu", "Neu", "262", "9"}), "26209");
}

}  // namespace
}  // namespace corvina
