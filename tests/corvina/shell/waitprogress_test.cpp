#include "corvina/shell/waitprogress.h"

#include <gtest/gtest.h>

#include <QMainWindow>

#include "corvina/shell/twarteform.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

// The value the drivers post: part + 10 x parts + 100 x recipient index +
// 100000 x recipient count.
int64_t progressValue(int part, int parts, int recipient, int recipients) {
    return part + 10 * parts + 100 * recipient + 100000 * recipients;
}

TEST(SmsProgressDecoding, TakesTheFourFieldsApart) {
    struct Case {
        int part, parts, recipient, recipients;
    };
    for (const Case c : {Case{1, 1, 1, 1}, Case{2, 3, 1, 1}, Case{1, 2, 4, 5}, Case{9, 9, 3, 3},
                         Case{9, 9, 99, 99}}) {
        const SmsProgress p =
            decodeSmsProgress(progressValue(c.part, c.parts, c.recipient, c.recipients));
        EXPECT_EQ(p.partIndex, c.part);
        EXPECT_EQ(p.partCount, c.parts);
        EXPECT_EQ(p.recipientIndex, c.recipient);
        EXPECT_EQ(p.recipientCount, c.recipients);
    }
    // The Siemens driver posts 11 for a message of one part.
    const SmsProgress siemens = decodeSmsProgress(11 + 100 * 2 + 100000 * 3);
    EXPECT_EQ(siemens.partIndex, 1);
    EXPECT_EQ(siemens.partCount, 1);
}

TEST(SmsProgressDecoding, TextsAndTheEndOfTheTransfer) {
    const auto requesting = smsProgressTexts(progressValue(2, 3, 1, 2), smsNetworkRequest);
    EXPECT_EQ(requesting.parts, "2 / 3");
    EXPECT_EQ(requesting.recipients, "1 / 2");
    EXPECT_EQ(requesting.state, "Netzanfrage");
    EXPECT_FALSE(requesting.finished);

    EXPECT_FALSE(smsProgressTexts(progressValue(2, 3, 2, 2), smsSent).finished);
    const auto last = smsProgressTexts(progressValue(3, 3, 2, 2), smsSent);
    EXPECT_EQ(last.state, "gesendet...");
    EXPECT_TRUE(last.finished);
    EXPECT_TRUE(last.lingers);

    const auto failed = smsProgressTexts(progressValue(1, 3, 1, 1), smsNotSent);
    EXPECT_EQ(failed.state, "nicht gesendet");
    EXPECT_TRUE(failed.finished) << "a failed part ends the sending";
    EXPECT_FALSE(failed.lingers);
    EXPECT_EQ(smsProgressTexts(progressValue(1, 1, 1, 1), smsTimeout).state, "Timeout");
}

TEST(DivertProgressTexts, TypeAndCondition) {
    EXPECT_EQ(divertTypeText(1), "Sprache");
    EXPECT_EQ(divertTypeText(2), "Daten");
    EXPECT_EQ(divertTypeText(3), "Fax");
    EXPECT_EQ(divertTypeText(4), "");
    EXPECT_EQ(divertConditionText(1), "jeden Anruf...");
    EXPECT_EQ(divertConditionText(2), "wenn besetzt...");
    EXPECT_EQ(divertConditionText(3), "wenn nicht\nerreichbar...");
    EXPECT_EQ(divertConditionText(4), "wenn keine\nRufannahme...");
    EXPECT_EQ(divertConditionText(0), "");
}

class WaitWindow : public ::testing::Test {
  protected:
    WaitWindow() : wait(&main) {
        main.setCentralWidget(new QWidget);
        main.show();
        wait.setTickInterval(5);
    }
    QMainWindow main;
    Twarteform wait;
};

TEST_F(WaitWindow, DisablesTheMainWindowWhileItShows) {
    wait.showPage(WaitPage::Calendar);
    EXPECT_TRUE(wait.isVisible());
    EXPECT_FALSE(main.centralWidget()->isEnabled());
    EXPECT_TRUE(wait.isEnabled());
    EXPECT_EQ(wait.progressText(), "...");
    wait.finish();
    EXPECT_FALSE(wait.isVisible());
    EXPECT_TRUE(main.centralWidget()->isEnabled());
}

TEST_F(WaitWindow, ShowsEverySendingStepInTurnThenClosesItself) {
    wait.showPage(WaitPage::Messages);
    wait.smsProgress(progressValue(1, 1, 1, 2), smsNetworkRequest);
    wait.smsProgress(progressValue(1, 1, 1, 2), smsSent);
    wait.smsProgress(progressValue(1, 1, 2, 2), smsNetworkRequest);
    wait.smsProgress(progressValue(1, 1, 2, 2), smsSent);
    EXPECT_EQ(wait.stateText(), "Netzanfrage") << "the first step shows at once";
    EXPECT_EQ(wait.recipientsText(), "1 / 2");
    EXPECT_FALSE(wait.readyForUpdate());

    ASSERT_TRUE(waitFor([&] { return wait.recipientsText() == "2 / 2"; }));
    ASSERT_TRUE(waitFor([&] { return wait.heading() == "Übertragung abgeschlossen."; }));
    EXPECT_EQ(wait.stateText(), "gesendet...");
    ASSERT_TRUE(waitFor([&] { return !wait.isVisible(); }));
    EXPECT_EQ(wait.heading(), "Datenübertragung läuft...");
    EXPECT_TRUE(main.centralWidget()->isEnabled());
    EXPECT_TRUE(wait.readyForUpdate());
}

TEST_F(WaitWindow, HeldOpenItWaitsForTheCallerAfterAFailureAndTheLastPart) {
    wait.showPage(WaitPage::Messages);
    wait.holdOpen();
    wait.smsProgress(progressValue(2, 3, 1, 2), smsNotSent);  // recipient 1 failed
    wait.smsProgress(progressValue(3, 3, 2, 2), smsSent);     // the last part of the last one
    ASSERT_TRUE(waitFor([&] { return wait.readyForUpdate(); }));
    EXPECT_TRUE(wait.isVisible()) << "the message centre closes it after the last recipient";
    EXPECT_EQ(wait.recipientsText(), "2 / 2");
    wait.finish();
    EXPECT_FALSE(wait.isVisible());

    // The next send closes itself again.
    wait.showPage(WaitPage::Messages);
    wait.smsProgress(progressValue(1, 1, 1, 1), smsNotSent);
    ASSERT_TRUE(waitFor([&] { return !wait.isVisible(); }));
}

TEST_F(WaitWindow, ShowsTheDivertBeingSet) {
    wait.showPage(WaitPage::Diverts);
    wait.divertProgress(2, 3);
    EXPECT_EQ(wait.divertTypeText(), "Daten");
    EXPECT_EQ(wait.divertConditionText(), "wenn nicht\nerreichbar...");
    wait.finish();
}

}  // namespace
}  // namespace corvina
