#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "corvina/settings/settingsrecord.h"
#include "corvina/settings/settingsrules.h"

namespace corvina {
namespace {

class SettingsRecord : public ::testing::Test {
  protected:
    QSettings store() { return QSettings(dir.filePath("corvina.ini"), QSettings::IniFormat); }
    QTemporaryDir dir;
};

TEST_F(SettingsRecord, MissingValuesGiveTheirDefaults) {
    auto s = store();
    const TSettings settings = readSettings(s);
    EXPECT_FALSE(settings.hasLastModel);
    EXPECT_EQ(settings.lastModel, 1);
    EXPECT_EQ(settings.speed, 0);
    EXPECT_TRUE(settings.language.isEmpty());
    EXPECT_FALSE(settings.smallPictureSms);
    EXPECT_FALSE(settings.sleepMode);
    EXPECT_FALSE(settings.fixed);
    EXPECT_TRUE(settings.programFolder.endsWith('/'));
}

TEST_F(SettingsRecord, RoundTripThroughTheIniFileUnderItsValueNames) {
    TSettings written;
    written.lastModel = 2;
    written.comport = "/dev/serial/by-id/usb-Prolific_Technology-if00-port0";
    written.comportIndex = "3";
    written.speed = 57600;
    written.language = "english.lng";
    written.operatorCountry = "262";
    written.operatorNet = "2";
    written.operatorIndex = "17";
    written.smsCentre = "+491722270333";
    written.logoFolder = dir.path();
    written.phonebookFolder = "/home/user/Telefonbuch";
    written.smallPictureSms = true;
    written.sleepMode = true;
    {
        auto s = store();
        writeSettings(s, written);
    }
    auto s = store();
    s.beginGroup("SIEMENS/2.1");
    for (const char* name :
         {"LastModel", "Comport", "Comportlistboxnummer", "Speed", "Sprache", "Operator-Land",
          "Operator-Net", "Operatorlistboxnummer", "Smszentrale", "Standard-Logoverzeichniss",
          "sms-start-verzeichniss", "Picturesms_groesse", "SleepMode"}) {
        EXPECT_TRUE(s.contains(name)) << name;
    }
    EXPECT_EQ(s.value("Picturesms_groesse").toString(), "klein");
    s.endGroup();

    const TSettings read = readSettings(s);
    EXPECT_TRUE(read.hasLastModel);
    EXPECT_EQ(read.lastModel, 2);
    EXPECT_EQ(read.comport, written.comport) << "device names are kept whole";
    EXPECT_EQ(read.comportIndex, "3");
    EXPECT_EQ(read.speed, 57600);
    EXPECT_EQ(read.language, "english.lng");
    EXPECT_EQ(read.operatorCountry, "262");
    EXPECT_EQ(read.operatorNet, "2");
    EXPECT_EQ(read.operatorCode, "26202");
    EXPECT_FALSE(read.operatorName.isEmpty()) << "looked up in the operator table";
    EXPECT_EQ(read.operatorIndex, "17");
    EXPECT_EQ(read.smsCentre, "+491722270333");
    EXPECT_EQ(read.logoFolder, dir.path());
    EXPECT_EQ(read.phonebookFolder, "/home/user/Telefonbuch");
    EXPECT_TRUE(read.smallPictureSms);
    EXPECT_TRUE(read.sleepMode);
}

TEST_F(SettingsRecord, OddStoredValuesAreReadSafely) {
    {
        auto s = store();
        s.beginGroup("SIEMENS/2.1");
        s.setValue("Speed", "schnell");
        s.setValue("Sprache", ".lng");
        s.setValue("Picturesms_groesse", "mittel");
        s.setValue("Programmpfad", "/opt/corvina");
        s.setValue("fixed", true);
    }
    auto s = store();
    const TSettings read = readSettings(s);
    EXPECT_EQ(read.speed, 0);
    EXPECT_TRUE(read.language.isEmpty()) << "four characters or less count as missing";
    EXPECT_FALSE(read.smallPictureSms);
    EXPECT_EQ(read.programFolder, "/opt/corvina/");
    EXPECT_TRUE(read.fixed);
}

TEST_F(SettingsRecord, EmptyLanguageIsWrittenAsGermanAndMissingFoldersAreNotWritten) {
    TSettings settings;
    settings.logoFolder = dir.filePath("gibt-es-nicht");
    auto s = store();
    writeSettings(s, settings);
    s.beginGroup("SIEMENS/2.1");
    EXPECT_EQ(s.value("Sprache").toString(), "german.lng");
    EXPECT_FALSE(s.contains("Standard-Logoverzeichniss"));
    EXPECT_FALSE(s.contains("Programmpfad")) << "read only";
}

TEST(SettingsRules, ConnectionChoicesKeepTheStoredKindOfTheirGroup) {
    EXPECT_EQ(kindOfChoice(ConnectionChoice::Cable, 0), 0) << "a Siemens cable stays AT";
    EXPECT_EQ(kindOfChoice(ConnectionChoice::Cable, 2), 1);
    EXPECT_EQ(kindOfChoice(ConnectionChoice::Cable, 4), 1);
    EXPECT_EQ(kindOfChoice(ConnectionChoice::Dlr3, 0), 2);
    EXPECT_EQ(kindOfChoice(ConnectionChoice::Infrared, 3), 3);
    EXPECT_EQ(kindOfChoice(ConnectionChoice::Infrared, 1), 4);
    EXPECT_EQ(choiceOfKind(3), ConnectionChoice::Infrared);
    EXPECT_EQ(choiceOfKind(2), ConnectionChoice::Dlr3);
    EXPECT_EQ(choiceOfKind(7), ConnectionChoice::Cable);
}

TEST(SettingsRules, PagesFollowTheConnectedPhone) {
    EXPECT_TRUE(showsDataRatePage(7, false));
    EXPECT_FALSE(showsDataRatePage(7, true)) << "only while connected";
    EXPECT_FALSE(showsDataRatePage(3, false));
    EXPECT_FALSE(showsDlr3Choice(3, false));
    EXPECT_FALSE(showsDlr3Choice(14, false));
    EXPECT_TRUE(showsDlr3Choice(20, false));
    EXPECT_FALSE(showsConnectionGroup(14, false));
    EXPECT_TRUE(showsConnectionGroup(14, true));
    EXPECT_EQ(dataRateOfChoice(-1), 19200);
    EXPECT_EQ(dataRateOfChoice(3), 115200);
    EXPECT_EQ(dataRateChoice(38400), 1);
    EXPECT_EQ(dataRateChoice(9600), -1);
}

}  // namespace
}  // namespace corvina
