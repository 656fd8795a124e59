// An independent FBUS client against the simulator: gnokii, built against
// real phones, must identify the simulated Nokia 3310. A misreading shared
// by the library and the simulator (a checksum, an offset, a length byte,
// padding, frame splitting) would show up here. Skipped when gnokii is not
// installed.
#include "phonesim/fixture/fixture.h"
#include "tests/phonesim/gnokiipeer.h"

namespace {

class Gnokii : public testing_support::GnokiiPeer {
  protected:
    QString identify(const QStringList& simArguments, int* exitCode) {
        return run(simArguments, QStringLiteral("3310"), {QStringLiteral("--identify")}, exitCode);
    }
};

}  // namespace

TEST_F(Gnokii, IdentifiesTheSimulated3310) {
    int exitCode = -1;
    const QString output =
        identify({QStringLiteral("--model"), QStringLiteral("NHM-5")}, &exitCode);
    const auto expected = phonesim::Fixture::forModel(QStringLiteral("NHM-5")).identity;
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("IMEI         : ") + expected.imei))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Model        : ") + expected.modelCode))
        << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("SW ") + expected.softwareVersion +
                                QStringLiteral(", HW ") + expected.hardwareVersion))
        << qPrintable(output);
}

TEST_F(Gnokii, ReadsASplitAnswerWithAPaddedLastFrame) {
    // A copyright line this long makes the version answer 177 bytes: frames
    // of 120 and 57 message bytes, the second one padded.
    const QString copyright = QStringLiteral("(c) NMP.") + QString(141, QLatin1Char('x'));
    const QString fixture = writeFile(
        QStringLiteral("long.json"),
        QStringLiteral(
            R"({"identity": {"modelCode": "NHM-5", "softwareVersion": "07.21", "copyright": "%1"}})")
            .arg(copyright)
            .toUtf8());
    int exitCode = -1;
    const QString output = identify({QStringLiteral("--fixture"), fixture}, &exitCode);
    EXPECT_EQ(exitCode, 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("Model        : NHM-5"))) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("SW 07.21"))) << qPrintable(output);
}
