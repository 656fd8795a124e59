#include <gtest/gtest.h>

#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"

using testing_support::runCli;

namespace {

TEST(CliIdentify, PrintsTheSimulatedPhone) {
    phonesim::Simulator sim(phonesim::Fixture::forModel("NSE-3"));
    const QString port = sim.startPty();
    ASSERT_FALSE(port.isEmpty());
    const auto run = runCli(port, {"identify"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto identity = sim.fixture().identity;
    EXPECT_NE(run.out.find("Modell\tNSE-3\tNokia 61xx\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("IMEI\t" + identity.imei.toStdString() + "\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Netz\t"), std::string::npos);
    EXPECT_NE(run.out.find("Verworfene Rahmen\t0\n"), std::string::npos);
}

TEST(CliIdentify, ExplainsWhyItCannotConnect) {
    const auto missing = runCli("/dev/corvina-no-such-port", {"identify"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("gibt es nicht"), std::string::npos) << missing.err;

    phonesim::Simulator silent(phonesim::Fixture::forModel("NSE-3"));
    const QString port = silent.startPty();
    silent.faults().silenceFor(std::chrono::minutes(1));
    const auto nobody = runCli(port, {"identify"});
    EXPECT_NE(nobody.exitCode, 0);
    EXPECT_NE(nobody.err.find("antwortet kein Telefon"), std::string::npos) << nobody.err;
}

}  // namespace
