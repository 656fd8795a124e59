#include "corvina/shell/commandline.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "corvina/settings/operatorlist.h"
#include "corvina/shell/singleinstance.h"

namespace corvina {
namespace {

TEST(CommandLineOptions, SleepModePortAndConnection) {
    EXPECT_TRUE(parseCommandLine({"-s"}).sleepMode);
    const CommandLine line = parseCommandLine({"--port", "/dev/pts/3", "--connection", "dlr3"});
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.port, "/dev/pts/3");
    EXPECT_EQ(line.connectionKind, 2);
    EXPECT_EQ(parseCommandLine({"--port", "/dev/x", "--connection", "at"}).connectionKind, 0);
    EXPECT_EQ(parseCommandLine({"--port", "/dev/x", "--connection", "fbus"}).connectionKind, 1);
    EXPECT_FALSE(parseCommandLine({"--port", "/dev/x"}).connectionKind);
    EXPECT_FALSE(parseCommandLine({"--connection", "irda", "--port", "/dev/x"}).error.isEmpty());
    EXPECT_FALSE(parseCommandLine({"--connection", "fbus"}).error.isEmpty());
    EXPECT_FALSE(parseCommandLine({"--port"}).error.isEmpty());
    EXPECT_FALSE(parseCommandLine({"-x"}).error.isEmpty());
    EXPECT_TRUE(parseCommandLine({"--version"}).showVersion);
    EXPECT_TRUE(parseCommandLine({"-h"}).showHelp);
    EXPECT_TRUE(parseCommandLine({"--help"}).showHelp);
}

TEST(SingleInstanceLock, ASecondInstanceOfTheUserDoesNotGetIt) {
    QTemporaryDir dir;
    auto first = std::make_unique<SingleInstance>(dir.path());
    ASSERT_TRUE(first->acquire());
    SingleInstance second(dir.path());
    EXPECT_FALSE(second.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire()) << "free again once the first has ended";
}

TEST(OperatorTable, NewOperatorsAreAppendedInTheTableFormat) {
    EXPECT_EQ(operatorTableLine("Netz \"Süd\"", 262, 7),
              "\"26207\",\"Netz \"\"S\xfc"
              "d\"\"\",\"262\",\"7\"");
    QTemporaryDir dir;
    const QString path = dir.filePath("netcode.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "\"Code\",\"Operator\",\"Landeskennzahl\",\"Netzkennzahl\"\r\n\"26201\",\"Telekom\","
        "\"262\",\"1\"");
    file.close();
    const QString copy = dir.filePath("user/netcode.csv");
    ASSERT_TRUE(appendOperator(path, copy, "Neu", 262, 42));
    const auto entries = readOperatorList(copy);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].shown(), "26201 - Telekom");
    EXPECT_EQ(entries[1].code, "26242");
    EXPECT_EQ(entries[1].net, "42");
    EXPECT_EQ(readOperatorList(path).size(), 1u) << "the table it started from stays as it was";
    EXPECT_FALSE(appendOperator(dir.filePath("missing.csv"), copy, "x", 1, 1));
    ASSERT_TRUE(appendOperator({}, dir.filePath("new.csv"), "Erstes", 1, 1))
        << "without a table to start from, a new one gets the header";
    EXPECT_EQ(readOperatorList(dir.filePath("new.csv")).size(), 1u);
}

}  // namespace
}  // namespace corvina
