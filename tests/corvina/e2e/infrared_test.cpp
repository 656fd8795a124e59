// The program finds the simulated phone in infrared range.
#include <gtest/gtest.h>

#include "tests/corvina/e2e/simulatedprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

class InfraredProgram : public SimulatedProgram {
  protected:
    // Starts the program with the stored connection kind (no port on its
    // command line) and waits until it shows a phone.
    void startWithKind(int lastModel, const QString& comport = {}) {
        TSettings settings;
        settings.lastModel = lastModel;
        settings.comport = comport;
        writeSettings(settings);
        Tgesamtform::Options options;
        options.splash = false;
        shell = std::make_unique<Tgesamtform>(std::move(options));
        shell->start();
        ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }));
    }
};

TEST_F(InfraredProgram, TheSettingsInfraredFindTheFirstPhoneInRange) {
    ASSERT_TRUE(sim.addInfrared("1")) << sim.errorString().toStdString();
    ASSERT_NO_FATAL_FAILURE(startWithKind(4, "/dev/ttyUSB0"));  // "Infrarot"
    EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Left), "Nokia 61xx");
    EXPECT_EQ(shell->connection().modelNumber(), 14);
    const TSettings stored = readSettings();
    EXPECT_EQ(stored.lastModel, 4);
    EXPECT_EQ(stored.comport, "/dev/ttyUSB0") << "the cable's port stays";

    // The phone leaves the range: the link is lost, and found again when it
    // is back.
    sim.faults().silenceFor(std::chrono::milliseconds(2500));
    ASSERT_TRUE(waitFor([&] { return !shell->showsConnected(); }));
    ASSERT_TRUE(waitFor([&] { return shell->showsConnected(); }, 30000));
}

TEST_F(InfraredProgram, ASiemensPhoneInRangeAnswersOverIrComm) {
    phonesim::Simulator siemens(phonesim::Fixture::forModel("S45"));
    ASSERT_TRUE(siemens.addInfrared("s45")) << siemens.errorString().toStdString();
    ASSERT_NO_FATAL_FAILURE(startWithKind(3));  // AT over infrared, as a search before found it
    EXPECT_EQ(shell->statusText(Tgesamtform::StatusField::Left), "Siemens S45");
    EXPECT_EQ(shell->connection().modelNumber(), 8);
    EXPECT_EQ(readSettings().lastModel, 3);
    shell.reset();  // the program ends before the phone goes
}

}  // namespace
}  // namespace corvina
