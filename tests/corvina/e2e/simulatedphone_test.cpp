// The program against the simulated Nokia 6110: found, shown, lost and ended.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "corvina/info/tinfoform.h"
#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class SimulatedPhone : public SimulatedProgram {};

TEST_F(SimulatedPhone, IsFoundAndShownWithItsNameAndInformation) {
    startProgram();
    ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
    EXPECT_EQ(shell->connectionText(), "Verbunden");
    EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Left), "Nokia 61xx");
    EXPECT_EQ(shell->connection().modelNumber(), 14);
    EXPECT_TRUE(shell->isVisible());

    shell->selectModule(Module::Information);
    auto* info = qobject_cast<Tinfoform*>(shell->moduleWindow(Module::Information));
    ASSERT_NE(info, nullptr);
    const phonesim::Fixture phone = sim.fixture();
    ASSERT_TRUE(waitFor([&] { return label(info, "imei") == phone.identity.imei; }));
    EXPECT_EQ(label(info, "model"), "NSE-3");
    EXPECT_EQ(label(info, "hardversion"), phone.identity.hardwareVersion);
    EXPECT_TRUE(label(info, "softversion").contains(phone.identity.softwareVersion));
    EXPECT_EQ(info->batteryGauge(), phone.battery * 25);
    EXPECT_EQ(info->signalGauge(), phone.signal * 25);
    ASSERT_TRUE(waitFor([&] { return label(info, "lac") != "unbekannt"; }));
    EXPECT_EQ(label(info, "lac").toUInt(nullptr, 16), phone.network.lac);
    EXPECT_EQ(label(info, "cellid").toUInt(nullptr, 16), phone.network.cell);
    EXPECT_NE(label(info, "providername"), "unbekannt");

    // Every keep-alive cycle refreshes the window while it shows.
    sim.editFixture([](phonesim::Fixture& f) { f.battery = 1; });
    ASSERT_TRUE(waitFor([&] { return info->batteryGauge() == 25; }));

    screenshot(shell.get(), "corvina-main.png");
    screenshot(info, "corvina-info.png");
}

TEST_F(SimulatedPhone, ASilentPhoneIsLostAndFoundAgain) {
    startProgram();
    ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
    sim.faults().silenceFor(std::chrono::milliseconds(2500));
    ASSERT_TRUE(waitFor([&] { return !shell->showsConnected(); }));
    EXPECT_EQ(shell->connectionText(), "Nicht verbunden");
    EXPECT_TRUE(shell->connection().notConnected());
    ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }, 30000));
    EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Left), "Nokia 61xx");
}

TEST_F(SimulatedPhone, ExitEndsASearchThatIsWaitingForTheLibrary) {
    sim.faults().silenceFor(std::chrono::seconds(600));
    startProgram();
    ASSERT_TRUE(waitFor([&] {
        return shell->statusText(Tgesamtform::StatusField::Left).startsWith("Suche Mobiltelefon");
    }));
    QSignalSpy finished(shell.get(), &Tgesamtform::shutdownFinished);
    shell->quitProgram();
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }));
    EXPECT_TRUE(shell->search().isFinished());
    EXPECT_FALSE(readSettings().hasLastModel) << "a device from the command line is not stored";
}

}  // namespace
}  // namespace corvina
