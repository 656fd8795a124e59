// The tip of the day: which tip comes, the user's state, the window and the
// box in the settings.
#include "corvina/help/tipofday.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QPushButton>

#include "corvina/help/ttipform.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "corvina/settings/tipstate.h"

namespace corvina {
namespace {

void writeState(const QByteArray& content) {
    QFile::remove(tipStatePath());
    QString error;
    ASSERT_TRUE(writeTipNumber(1, &error)) << error.toStdString();
    QFile file(tipStatePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class TipOfTheDay : public ::testing::Test {
  protected:
    void SetUp() override { QFile::remove(tipStatePath()); }
    void TearDown() override { QFile::remove(tipStatePath()); }
};

TEST_F(TipOfTheDay, ChoosingSkipsMissingTipsAndWrapsAfterCount) {
    TipFile file;
    file.count = 4;
    file.tips = {{1, "eins"}, {2, "zwei"}, {4, "vier"}, {7, "jenseits von Count"}};
    EXPECT_EQ(chooseTip(file, 2)->text, "zwei");
    EXPECT_EQ(chooseTip(file, 2)->next, 3);
    EXPECT_EQ(chooseTip(file, 3)->number, 4) << "tip 3 is missing";
    EXPECT_EQ(chooseTip(file, 4)->next, 1) << "after Count comes 1";
    EXPECT_EQ(chooseTip(file, 9)->number, 1) << "beyond Count starts again";
    EXPECT_FALSE(chooseTip(TipFile{}, 1));

    const auto shipped = readTipFile(tipFilePath("de"));
    ASSERT_TRUE(shipped);
    EXPECT_GE(shipped->count, 20);
    EXPECT_EQ(int(shipped->tips.size()), shipped->count);
    EXPECT_TRUE(shipped->tips.at(3).contains("\n")) << "*|* is a line break";
    const auto english = readTipFile(tipFilePath("en"));
    ASSERT_TRUE(english);
    EXPECT_EQ(english->count, shipped->count);
    EXPECT_FALSE(readTipFile(QStringLiteral("/nonexistent/tipofday.ini")));
}

TEST_F(TipOfTheDay, TheStateIsOnByDefaultAndAGarbledOneReadsAsOne) {
    EXPECT_EQ(readTipNumber(), 1);
    writeState("[CurrentTip]\nNummer=zwölf\n");
    EXPECT_EQ(readTipNumber(), 1);
    writeState("[CurrentTip]\nNummer=0\n");
    EXPECT_EQ(readTipNumber(), 0);
    QString error;
    EXPECT_FALSE(writeTipNumber(3, &error, "/proc/corvina/tipofday.ini"));
    EXPECT_TRUE(error.contains("/proc/corvina/tipofday.ini")) << "a failed write says where";
}

TEST_F(TipOfTheDay, EachShowingAdvancesWrapsAndTurningItOffStopsIt) {
    const auto shipped = readTipFile(tipFilePath("de"));
    ASSERT_TRUE(shipped);
    writeState("[CurrentTip]\nNummer=kaputt\n");
    Ttipform tip;
    ASSERT_TRUE(tip.showAtStart());
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.tipNumber(), 1) << "a garbled state shows tip 1";
    EXPECT_EQ(tip.tipText(), shipped->tips.at(1));
    EXPECT_EQ(readTipNumber(), 2);
    EXPECT_TRUE(tip.showAtStartBox()->isChecked());

    writeState(QByteArray("[CurrentTip]\nNummer=") + QByteArray::number(shipped->count) + "\n");
    ASSERT_TRUE(tip.showAtStart());
    EXPECT_EQ(tip.tipNumber(), shipped->count);
    EXPECT_EQ(readTipNumber(), 1) << "wraps after the last";
    tip.findChild<QPushButton*>("naechster")->click();
    EXPECT_EQ(tip.tipNumber(), 1);
    EXPECT_EQ(readTipNumber(), 2);

    tip.showAtStartBox()->setChecked(false);
    EXPECT_EQ(readTipNumber(), 0);
    tip.close();
    Ttipform atNextStart;
    EXPECT_FALSE(atNextStart.showAtStart()) << "off: no window";
    EXPECT_FALSE(atNextStart.isVisible());
    EXPECT_TRUE(atNextStart.showAnyway()) << "the help window still shows tips";
    EXPECT_EQ(readTipNumber(), 0) << "and leaves them off";
}

TEST_F(TipOfTheDay, TheSettingsBoxIsStoredOnOkOnly) {
    openSettingsStore()->clear();
    Thaupteinstellungsform settings;
    settings.showFor(24, true);
    EXPECT_TRUE(settings.tipOfTheDayBox()->isChecked()) << "on by default";
    settings.tipOfTheDayBox()->setChecked(false);
    settings.reject();
    EXPECT_FALSE(QFile::exists(tipStatePath())) << "Cancel writes nothing";

    settings.showFor(24, true);
    EXPECT_TRUE(settings.tipOfTheDayBox()->isChecked());
    settings.tipOfTheDayBox()->setChecked(false);
    settings.accept();
    EXPECT_EQ(readTipNumber(), 0);

    writeState("[CurrentTip]\nNummer=7\n");
    settings.showFor(24, true);
    EXPECT_TRUE(settings.tipOfTheDayBox()->isChecked());
    settings.accept();
    EXPECT_EQ(readTipNumber(), 7) << "an unchanged box keeps the next tip";
}

}  // namespace
}  // namespace corvina
