// The connection help: advice from the facts the port search left, and its
// buttons handing over to the main window.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QThread>

#include "corvina/connection/connectiondiagnosis.h"
#include "corvina/connection/tassi.h"
#include "corvina/connection/tverbindungshilfe.h"
#include "corvina/help/helpcentre.h"
#include "corvina/help/thilfeform.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/tgesamtform.h"
#include "phonelib/api/librarystate.h"
#include "phonelib/api/status.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using phonelib::PortOpenError;
using testing_support::waitFor;

bool mentions(const std::vector<ConnectionAdvice>& advice, const QString& text) {
    return std::any_of(advice.begin(), advice.end(), [&text](const ConnectionAdvice& a) {
        return a.problem.contains(text) || a.remedy.contains(text) || a.command.contains(text);
    });
}

TEST(ConnectionDiagnosis, EachFindingGetsItsAdvice) {
    SearchRecord record;
    record.started(phonelib::ckFbusCable, "/dev/ttyUSB0");
    record.failed("/dev/ttyUSB0", PortOpenError::PermissionDenied, {});
    record.started(phonelib::ckFbusCable, "/dev/ttyS0");
    record.failed("/dev/ttyS0", PortOpenError::None, {});
    record.started(phonelib::ckDlr3Cable, "/dev/ttyS0");
    record.failed("/dev/ttyS0", PortOpenError::Busy, {});
    record.started(phonelib::ckFbusCable, "/dev/ttyS0");
    record.failed("/dev/ttyS0", PortOpenError::NotFound, {});
    ASSERT_EQ(record.attempts().size(), 3u) << "one entry per port and kind, the latest wins";
    EXPECT_EQ(record.attempts()[1].outcome, AttemptOutcome::NotFound);
    EXPECT_EQ(record.attempts()[2].kind, phonelib::ckDlr3Cable);

    const std::vector<SerialPortFact> ports{{"/dev/ttyUSB0", "USB-Seriell", false},
                                            {"/dev/ttyS0", "", true}};
    const auto advice = diagnoseConnection(ports, record.attempts(), "anna");
    EXPECT_TRUE(mentions(advice, "sudo usermod -aG dialout anna"));
    EXPECT_TRUE(mentions(advice, "Keine Berechtigung für /dev/ttyUSB0"));
    EXPECT_TRUE(mentions(advice, "fuser -v /dev/ttyS0"));
    EXPECT_TRUE(mentions(advice, "Die Schnittstelle /dev/ttyS0 gibt es nicht"));
    EXPECT_FALSE(mentions(advice, "keine serielle Schnittstelle"));

    SearchRecord silent;
    silent.started(phonelib::ckAtCable, "/dev/ttyS0");
    silent.failed("/dev/ttyS0", PortOpenError::None, {});
    const auto noAnswer = diagnoseConnection({{"/dev/ttyS0", "", true}}, silent.attempts(), "anna");
    EXPECT_TRUE(mentions(noAnswer, "An /dev/ttyS0 (Siemens-Datenkabel) hat kein Telefon"));
    EXPECT_TRUE(mentions(noAnswer, "Datenrate"));
    EXPECT_FALSE(mentions(noAnswer, "dialout"));

    SearchRecord infrared;
    infrared.started(phonelib::ckAtInfrared, {});
    infrared.failed({}, PortOpenError::NotFound, {});
    infrared.started(phonelib::ckFbusInfrared, {});
    infrared.failed({}, PortOpenError::Other, "Socket Error: SetSockOpt");
    EXPECT_EQ(infrared.attempts().front().outcome, AttemptOutcome::OutOfRange);
    const auto noDevice = diagnoseConnection({}, infrared.attempts(), "anna");
    EXPECT_TRUE(mentions(noDevice, "Über Infrarot (Siemens) ist kein Telefon in Reichweite."));
    EXPECT_TRUE(mentions(noDevice, "Infrarot im Telefon einschalten"));
    EXPECT_TRUE(
        mentions(noDevice, "Infrarot (Nokia) lässt sich nicht öffnen: Socket Error: SetSockOpt"));

    const auto noPorts = diagnoseConnection({}, {}, "anna");
    EXPECT_TRUE(mentions(noPorts, "keine serielle Schnittstelle"));
    EXPECT_TRUE(mentions(noPorts, "Datenkabel ein"));
}

// The main window whose search finds no phone because the port refuses the user.
class ConnectionHelpWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        openSettingsStore()->clear();
        TSettings settings;
        settings.lastModel = 1;
        settings.comport = "/dev/ttyUSB0";
        writeSettings(settings);
        Tgesamtform::Options options;
        options.splash = false;
        options.search.initport = [](QObject*, const std::string&, uint8_t, int32_t) {
            QThread::msleep(5);
            return uint8_t{phonelib::stNoAnswer};
        };
        options.search.listPorts = [] { return QStringList{"/dev/ttyUSB0"}; };
        options.search.portOpenError = [](std::string&) { return PortOpenError::PermissionDenied; };
        shell = std::make_unique<Tgesamtform>(std::move(options));
        shell->connectionHelp().setPortLister([] {
            return std::vector<SerialPortFact>{{"/dev/ttyUSB0", "FT232R USB UART", false}};
        });
    }

    std::unique_ptr<Tgesamtform> shell;
};

TEST_F(ConnectionHelpWindow, ShowsWhyAndSearchesAgainOnRequest) {
    shell->start();
    ASSERT_TRUE(waitFor([&] { return shell->assistant().isVisible(); }));
    EXPECT_TRUE(shell->assistant().findChild<QPushButton*>("verbindungshilfe")->isVisible());
    shell->assistant().choose(Tassi::Choice::ConnectionHelp);
    Tverbindungshilfe& help = shell->connectionHelp();
    ASSERT_TRUE(help.isVisible());
    EXPECT_TRUE(help.shownText().contains("FT232R USB UART"));
    EXPECT_TRUE(help.shownText().contains("kein Zugriff"));
    EXPECT_TRUE(help.shownText().contains("sudo usermod -aG dialout"));
    ASSERT_FALSE(shell->searchRecord().attempts().empty());
    EXPECT_EQ(shell->searchRecord().attempts().front().outcome, AttemptOutcome::NoPermission);

    // Without automatic searching only the stored port and kind are tried.
    EXPECT_FALSE(shell->search().automatic());
    help.findChild<QPushButton*>("erneutsuchen")->click();
    EXPECT_TRUE(shell->search().automatic());
    ASSERT_TRUE(waitFor([&] {
        const auto& attempts = shell->searchRecord().attempts();
        return std::any_of(attempts.begin(), attempts.end(),
                           [](const SearchAttempt& a) { return a.kind != phonelib::ckFbusCable; });
    })) << "the automatic search moves on to the other connection kinds";
    help.refresh();
    EXPECT_TRUE(help.shownText().contains("DLR3-Datenkabel"));

    help.findChild<QPushButton*>("hilfe")->click();
    EXPECT_EQ(shell->help().window().currentPage(), "connection");
}

}  // namespace
}  // namespace corvina
