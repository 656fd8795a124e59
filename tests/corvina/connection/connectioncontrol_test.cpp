#include "corvina/connection/connectioncontrol.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>

#include "corvina/shell/modules.h"
#include "corvina/shell/waitprogress.h"
#include "phonelib/api/notification.h"
#include "phonelib/api/status.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class ConnectionState : public ::testing::Test {
  protected:
    ConnectionState()
        : control([this](TPhoneInfo& info) {
              ++queries;
              info.modelCode = code;
              info.softwareVersion = software;
              return answers.empty() ? uint8_t{phonelib::stDone} : next();
          }) {
        control.setRetryInterval(1);
    }
    uint8_t next() {
        const uint8_t a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    void notify(int message, intptr_t w = 0, intptr_t l = 0) {
        QCoreApplication::postEvent(&control, new phonelib::PhoneNotification(message, w, l));
        QCoreApplication::sendPostedEvents(&control);
    }

    std::string code = "NSE-3";
    std::string software = "V 05.24";
    std::vector<uint8_t> answers;
    int queries = 0;
    ConnectionControl control;
};

TEST_F(ConnectionState, ModelNumberAndNameFollowTheReportedCode) {
    EXPECT_EQ(control.modelNumber(), 24) << "no phone yet";
    EXPECT_TRUE(control.notConnected());
    struct Case {
        const char* code;
        int number;
        const char* name;
    };
    for (const Case c : {Case{"NSE-3", 14, "Nokia 61xx"}, Case{"NSK-9", 10, "Nokia 3210"},
                         Case{"S45", 8, "Siemens S45"}, Case{"RM-nokia-99", 19, "Nokia 62xx"},
                         Case{"XYZ-1", 0, "Siemens S25"}, Case{"", 0, "Siemens S25"}}) {
        code = c.code;
        notify(phonelib::nfLinkUp);
        EXPECT_EQ(control.modelNumber(), c.number) << c.code;
        EXPECT_EQ(control.modelName(), c.name) << c.code;
        EXPECT_FALSE(control.notConnected());
    }
    QSignalSpy lost(&control, &ConnectionControl::disconnected);
    notify(phonelib::nfLinkLost);
    EXPECT_EQ(lost.size(), 1);
    EXPECT_TRUE(control.notConnected());
}

TEST_F(ConnectionState, ABusyLibraryIsAskedAgainLater) {
    QSignalSpy connected(&control, &ConnectionControl::connected);
    answers = {phonelib::stCallInProgress};
    notify(phonelib::nfLinkUp);
    EXPECT_EQ(connected.size(), 0);
    ASSERT_TRUE(waitFor([&] { return connected.size() == 1; }));
    EXPECT_EQ(control.modelNumber(), 14);
}

TEST_F(ConnectionState, ALinkLostBeforeTheRetryCancelsIt) {
    QSignalSpy connected(&control, &ConnectionControl::connected);
    answers = {phonelib::stCallInProgress};
    notify(phonelib::nfLinkUp);
    notify(phonelib::nfLinkLost);
    QCoreApplication::processEvents();
    waitFor([&] { return queries > 1; }, 200);
    EXPECT_EQ(connected.size(), 0);
    EXPECT_EQ(queries, 1);
    EXPECT_TRUE(control.notConnected());
}

TEST_F(ConnectionState, AnswersOfAPhoneThatIsNotSetUpAreNoConnection) {
    QSignalSpy connected(&control, &ConnectionControl::connected);
    answers = {phonelib::stNotConnected};
    notify(phonelib::nfLinkUp);
    EXPECT_EQ(connected.size(), 0);
    EXPECT_TRUE(control.notConnected());
}

TEST_F(ConnectionState, An7110WithOldSoftwareIsRefused) {
    QSignalSpy refused(&control, &ConnectionControl::incompatibleSoftware);
    code = "NSE-5";
    software = "V 4.80";
    notify(phonelib::nfLinkUp);
    EXPECT_EQ(refused.size(), 1);
    EXPECT_TRUE(control.notConnected());

    software = "v4.88";
    notify(phonelib::nfLinkUp);
    EXPECT_EQ(refused.size(), 1);
    EXPECT_FALSE(control.notConnected());
}

TEST_F(ConnectionState, ProgressNotificationsArePassedOn) {
    QSignalSpy sms(&control, &ConnectionControl::smsProgress);
    QSignalSpy divert(&control, &ConnectionControl::divertProgress);
    QSignalSpy cycle(&control, &ConnectionControl::phoneStatusCycle);
    notify(phonelib::nfSmsProgress, 100111, 1);
    notify(kDivertProgress, 2, 3);
    notify(phonelib::nfKeepAliveCycle);
    ASSERT_EQ(sms.size(), 1);
    EXPECT_EQ(sms.at(0).at(0).toLongLong(), 100111);
    EXPECT_EQ(sms.at(0).at(1).toInt(), 1);
    ASSERT_EQ(divert.size(), 1);
    EXPECT_EQ(divert.at(0).at(0).toInt(), 2);
    EXPECT_EQ(cycle.size(), 1);
}

TEST(SoftwareCheck, ReadsTheVersionWithoutItsV) {
    TPhoneInfo info;
    info.modelCode = "NSE-5";
    info.softwareVersion = "V 4.87";
    EXPECT_TRUE(softwareTooOld(info));
    info.softwareVersion = "V 5.00";
    EXPECT_FALSE(softwareTooOld(info));
    info.softwareVersion = "unlesbar";
    EXPECT_FALSE(softwareTooOld(info));
    info.modelCode = "NSE-3";
    info.softwareVersion = "V 3.00";
    EXPECT_FALSE(softwareTooOld(info));
}

TEST(ModuleAvailability, DivertsProfilesAndCalendarByModel) {
    for (uint8_t model : {6, 7, 8}) {
        EXPECT_FALSE(moduleAvailable(Module::Diverts, model));
        EXPECT_FALSE(moduleAvailable(Module::Profiles, model));
        EXPECT_TRUE(moduleAvailable(Module::Calendar, model));
    }
    for (uint8_t model : {10, 15}) EXPECT_FALSE(moduleAvailable(Module::Calendar, model));
    for (uint8_t model : {0, 5, 9, 14, 21, 24}) {
        EXPECT_TRUE(moduleAvailable(Module::Diverts, model));
        EXPECT_TRUE(moduleAvailable(Module::Calendar, model));
    }
    EXPECT_EQ(moduleGeometry(QSize(800, 600)), QRect(13, 17, 780, 570));
    EXPECT_EQ(moduleGeometry(QSize(801, 601)), QRect(14, 18, 779, 569));
}

}  // namespace
}  // namespace corvina
