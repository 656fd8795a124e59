// corvina-cli over the infrared link, with and without a device named.
#include <gtest/gtest.h>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"
#include "tests/support/privateruntime.h"

using testing_support::runCli;

namespace {

TEST(CliInfrared, IdentifiesTheFirstPhoneInRange) {
    testing_support::PrivateRuntime runtime;
    phonesim::Simulator sim(phonesim::Fixture::forModel("NHM-5"));
    ASSERT_TRUE(sim.addInfrared("ir0")) << sim.errorString().toStdString();

    const auto run = runCli({}, {"identify"}, {"--connection", "irda-fbus"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Modell\tNHM-5\t"), std::string::npos) << run.out;

    const auto named = runCli("ir0", {"identify"}, {"--connection", "irda-fbus"});
    EXPECT_EQ(named.exitCode, 0) << named.err;

    // A Siemens phone beside it, named, over IrCOMM.
    phonesim::Simulator siemens(phonesim::Fixture::forModel("S45"));
    ASSERT_TRUE(siemens.addInfrared("s45")) << siemens.errorString().toStdString();
    const auto at = runCli("s45", {"identify"}, {"--connection", "irda-at"});
    EXPECT_EQ(at.exitCode, 0) << at.err;
    EXPECT_NE(at.out.find("Modell\tS45\t"), std::string::npos) << at.out;
}

TEST(CliInfrared, SaysWhatIsMissing) {
    testing_support::PrivateRuntime runtime;
    const auto nothing = runCli({}, {"identify"}, {"--connection", "irda-at"});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_NE(nothing.err.find("Kein Infrarotgerät in Reichweite."), std::string::npos)
        << nothing.err;

    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    ASSERT_TRUE(sim.addInfrared("1"));
    const auto elsewhere = runCli("2", {"identify"}, {"--connection", "irda-fbus"});
    EXPECT_EQ(elsewhere.exitCode, 1);
    EXPECT_NE(elsewhere.err.find("Das Infrarotgerät 2 ist nicht in Reichweite."), std::string::npos)
        << elsewhere.err;
    const auto wrongService = runCli({}, {"identify"}, {"--connection", "irda-at"});
    EXPECT_EQ(wrongService.exitCode, 1);
    EXPECT_NE(wrongService.err.find("--connection irda-fbus"), std::string::npos)
        << wrongService.err;

    const auto cable = runCli({}, {"identify"}, {"--connection", "fbus"});
    EXPECT_EQ(cable.exitCode, 2) << "a cable needs its port";
}

}  // namespace
