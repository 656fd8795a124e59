// Fixtures: the shipped ones, partial files, unknown sections, mistakes.
#include "phonesim/fixture/fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace phonesim;

TEST(Fixture, EveryShippedModelLoadsAndLinesUp) {
    for (const QString& model : Fixture::shippedModels()) {
        const Fixture fixture = Fixture::forModel(model);
        EXPECT_EQ(fixture.identity.modelCode, model);
        EXPECT_EQ(fixture.identity.imei.size(), 15);
        EXPECT_TRUE(fixture.layoutWarnings().isEmpty())
            << qPrintable(fixture.layoutWarnings().join('\n'));
    }
    EXPECT_EQ(Fixture::forModel(QStringLiteral("NHM-5")).identity.imei,
              QStringLiteral("350242001122336"));
}

TEST(Fixture, UnknownModelBorrowsTheNse3Content) {
    const Fixture fixture = Fixture::forModel(QStringLiteral("XYZ-9"));
    EXPECT_EQ(fixture.identity.modelCode, QStringLiteral("XYZ-9"));
    EXPECT_EQ(fixture.identity.imei, Fixture::forModel(QStringLiteral("NSE-3")).identity.imei);
}

TEST(Fixture, PartialFileTakesTheRestFromItsModel) {
    QString error;
    const auto fixture = Fixture::fromJson(
        R"({"identity": {"modelCode": "NHM-7", "imei": "111111111111116"}, "status": {"battery": 0}})",
        &error);
    ASSERT_TRUE(fixture) << qPrintable(error);
    const Fixture base = Fixture::forModel(QStringLiteral("NHM-7"));
    EXPECT_EQ(fixture->identity.imei, QStringLiteral("111111111111116"));
    EXPECT_EQ(fixture->identity.softwareVersion, base.identity.softwareVersion);
    EXPECT_EQ(fixture->battery, 0);
    EXPECT_EQ(fixture->signal, base.signal);
    EXPECT_EQ(fixture->network, base.network);
}

TEST(Fixture, RoundTripKeepsUnknownSections) {
    QString error;
    const auto fixture = Fixture::fromJson(
        R"({"alarmClock": {"time": "07:30", "days": [1, 2, 3]},
            "network": {"mcc": "310", "mnc": "260", "lac": "00ff", "cell": "ABCD"}})",
        &error);
    ASSERT_TRUE(fixture) << qPrintable(error);
    EXPECT_EQ(fixture->network.lac, 0x00FF);
    EXPECT_EQ(fixture->network.cell, 0xABCD);
    const auto again = Fixture::fromJson(fixture->toJson(), &error);
    ASSERT_TRUE(again) << qPrintable(error);
    EXPECT_EQ(*again, *fixture);
    EXPECT_TRUE(again->otherSections.contains(QStringLiteral("alarmClock")));
    EXPECT_TRUE(fixture->toJson().contains("\"lac\": \"00FF\""));
}

TEST(Fixture, MistakesAreNamed) {
    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {"{", "JSON"},
        {"[1, 2]", "Objekt"},
        {R"({"status": 3})", "\"status\""},
        {R"({"status": {"battery": 5}})", "status.battery"},
        {R"({"status": {"signal": 2.5}})", "status.signal"},
        {R"({"identity": {"imei": 4901542}})", "identity.imei"},
        {R"({"identity": {"imei": "49015420323751X"}})", "identity.imei"},
        {R"({"network": {"mcc": "26"}})", "network.mcc"},
        {R"({"network": {"lac": "12345"}})", "network.lac"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(Fixture::fromJson(c.json, &error)) << c.json;
        EXPECT_TRUE(error.contains(QLatin1String(c.mentions)))
            << c.json << ": " << qPrintable(error);
    }
}

TEST(Fixture, SaveAndLoad) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Fixture fixture = Fixture::forModel(QStringLiteral("NSE-8"));
    fixture.battery = 1;
    const QString path = dir.filePath(QStringLiteral("phone.json"));
    QString error;
    ASSERT_TRUE(fixture.save(path, &error)) << qPrintable(error);
    const auto loaded = Fixture::load(path, &error);
    ASSERT_TRUE(loaded) << qPrintable(error);
    EXPECT_EQ(*loaded, fixture);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("phone.json")});

    EXPECT_FALSE(Fixture::load(dir.filePath(QStringLiteral("missing.json")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.json")));
    EXPECT_FALSE(fixture.save(dir.filePath(QStringLiteral("no/such/dir/x.json")), &error));
}

TEST(Fixture, LayoutWarningsNameTheField) {
    Fixture fixture = Fixture::forModel(QStringLiteral("NSE-3"));
    fixture.identity.hardwareVersion = QStringLiteral("V 1.0");
    const QStringList warnings = fixture.layoutWarnings();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("hardwareVersion")));
}
