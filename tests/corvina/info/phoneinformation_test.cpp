#include "corvina/info/phoneinformation.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "corvina/info/tinfoform.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/status.h"

namespace corvina {
namespace {

// Library answers of a Nokia 6110; counts the calls.
struct FakePhone {
    int calls = 0;
    uint8_t networkStatus = phonelib::stDone;
    uint8_t statusStatus = phonelib::stDone;
    std::string operatorName = "T-Mobile";

    PhoneQueries queries() {
        return {[this](TPhoneStatus& s) {
                    ++calls;
                    s.battery = 4;
                    s.signal = 2;
                    return statusStatus;
                },
                [this](TPhoneInfo& i) {
                    ++calls;
                    i.modelCode = "NSE-3";
                    i.softwareVersion = "V 05.24";
                    i.hardwareVersion = "HW 1234";
                    i.serialNumber = "490154203237518";
                    i.productionData = "0998";
                    return uint8_t{phonelib::stDone};
                },
                [this](TNetWorkInfo& n) {
                    ++calls;
                    n.networkOperator.operatorName = operatorName;
                    n.areaCode = "00A1";
                    n.cellId = "3F2B";
                    return networkStatus;
                }};
    }
};

TEST(PhoneInformationRefresh, FillsFieldsAndGaugesInPercent) {
    FakePhone phone;
    PhoneInformation information(phone.queries());
    EXPECT_EQ(information.fields().model, "unbekannt");
    ASSERT_TRUE(information.refresh());
    const auto& f = information.fields();
    EXPECT_EQ(f.batteryPercent, 100);
    EXPECT_EQ(f.signalPercent, 50);
    EXPECT_EQ(f.model, "NSE-3");
    EXPECT_EQ(f.imei, "490154203237518");
    EXPECT_EQ(f.production, "0998");
    EXPECT_EQ(f.softwareVersion, "V 05.24");
    EXPECT_EQ(f.hardwareVersion, "HW 1234");
    EXPECT_EQ(f.operatorName, "T-Mobile");
    EXPECT_EQ(f.areaCode, "00A1");
    EXPECT_EQ(f.cellId, "3F2B");
}

TEST(PhoneInformationRefresh, AFailedNetworkQueryKeepsTheNetworkFields) {
    FakePhone phone;
    PhoneInformation information(phone.queries());
    information.refresh();
    phone.networkStatus = phonelib::stNoAnswer;
    phone.operatorName = "anders";
    information.refresh();
    EXPECT_EQ(information.fields().operatorName, "T-Mobile");
}

TEST(PhoneInformationRefresh, ABusyLibraryChangesNothing) {
    FakePhone phone;
    phone.statusStatus = phonelib::stCallInProgress;
    PhoneInformation information(phone.queries());
    EXPECT_FALSE(information.refresh());
    EXPECT_EQ(information.fields().model, "unbekannt");
    EXPECT_EQ(phone.calls, 1);
}

TEST(InformationFile, HasTheTwelveLinesWithTheirSpacing) {
    FakePhone phone;
    PhoneInformation information(phone.queries());
    information.refresh();
    EXPECT_EQ(informationFileLines(information.fields()),
              QStringList({"Corvina- Handy Informationen", "--------------------------------", "",
                           "Model     :NSE-3", "IMEI      :490154203237518", "Produktion:0998",
                           "SW-Version:V 05.24", "HW-Version:HW 1234", "", "Operator  :T-Mobile",
                           "LAC       :00A1", "Cell-ID   :3F2B"}));

    QTemporaryDir dir;
    const QString path = dir.filePath("info.txt");
    ASSERT_TRUE(saveInformationFile(path, information.fields()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 12);
    EXPECT_TRUE(bytes.startsWith("Corvina- Handy Informationen\r\n----"));
    EXPECT_FALSE(
        saveInformationFile(dir.filePath("no/such/folder/info.txt"), information.fields()));
}

class InformationWindow : public ::testing::Test {
  protected:
    InformationWindow() : shell(options()), window(shell, phone.queries()) {}
    static Tgesamtform::Options options() {
        Tgesamtform::Options o;
        o.splash = false;
        return o;
    }
    FakePhone phone;
    Tgesamtform shell;
    Tinfoform window;
};

TEST_F(InformationWindow, RefreshesOnlyWhileVisible) {
    window.UpdatePhoneStatus();
    EXPECT_EQ(phone.calls, 0) << "hidden: no library calls";
    window.show();
    window.UpdatePhoneStatus();
    EXPECT_EQ(phone.calls, 3);
    EXPECT_EQ(window.batteryGauge(), 100);
    EXPECT_EQ(window.signalGauge(), 50);
    EXPECT_EQ(window.findChild<QLabel*>("model")->text(), "NSE-3");
    EXPECT_EQ(window.findChild<QLabel*>("providername")->text(), "T-Mobile");
    window.hide();
    window.UpdatePhoneStatus();
    EXPECT_EQ(phone.calls, 3);
    EXPECT_EQ(window.findChild<QLabel*>("model")->text(), "NSE-3") << "hidden labels keep values";
}

TEST_F(InformationWindow, SavingReportsInTheStatusLine) {
    QTemporaryDir dir;
    window.show();
    window.UpdatePhoneStatus();
    const QString path = dir.filePath("handy.txt");
    ASSERT_TRUE(window.saveTo(path));
    EXPECT_EQ(shell.statusText(Tgesamtform::StatusField::Middle),
              "Informationen wurden in " + path + " gespeichert!");
    EXPECT_TRUE(QFile::exists(path));
}

}  // namespace
}  // namespace corvina
