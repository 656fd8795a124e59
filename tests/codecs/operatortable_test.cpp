#include "codecs/tools/operatortable.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <fstream>
#include <thread>

#include "codecs/tools/operatorname.h"

using namespace tools;

namespace {

const char* const kTable =
    "\"Code\",\"Operator\",\"Landeskennzahl\",\"Netzkennzahl\"\r\n"
    "\"only three\",\"cells\",\"262\"\r\n"
    "\"26201x\",\"not a number\",\"262\",\"one\"\r\n"
    "\"26201\",\"D1 \"\"Telekom\"\"\",\"262\",\" 1 \"\r\n"
    "\"26201\",\"second match\",\"262\",\"1\"\r\n"
    "\r\n"
    "\"31026\",\"Line|break, comma\",\"310\",\"260\"\r\n";

TOperator network(int32_t countryCode, int32_t networkNumber) {
    TOperator op;
    op.countryCode = countryCode;
    op.networkNumber = networkNumber;
    return op;
}

void writefile(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace

TEST(OperatorTable, ParsesCells) {
    const OperatorTable table = parseoperatortable(kTable);
    ASSERT_EQ(table.size(), 7u);
    EXPECT_EQ(table[0],
              (std::vector<std::string>{"Code", "Operator", "Landeskennzahl", "Netzkennzahl"}));
    EXPECT_EQ(table[1].size(), 3u);
    EXPECT_EQ(table[3][1], "D1 \"Telekom\"");
    EXPECT_TRUE(table[5].empty());
    EXPECT_EQ(table[6][1], "Line\nbreak, comma");
    EXPECT_EQ(parseoperatortable("a,,\"b\nc,\"open"),
              (OperatorTable{{"a", "", "b"}, {"c", "open"}}));
    EXPECT_TRUE(parseoperatortable("").empty());
}

TEST(OperatorTable, FindsByCodeAndByRow) {
    const OperatorTable table = parseoperatortable(kTable);
    TOperator found = network(262, 1);
    int32_t row = -1;
    ASSERT_EQ(findoperator(table, found, row), 1);
    EXPECT_EQ(row, 3);  // rows with too few cells or no numbers are skipped
    EXPECT_EQ(found.networkCode, "26201");
    EXPECT_EQ(found.operatorName, "D1 \"Telekom\"");

    TOperator header;
    row = 0;
    ASSERT_EQ(findoperator(table, header, row), 1);
    EXPECT_EQ(header.networkCode, "Code");
    EXPECT_EQ(header.operatorName, "Operator");
    EXPECT_EQ(header.countryCode, 0);

    TOperator byRow;
    row = 6;
    ASSERT_EQ(findoperator(table, byRow, row), 1);
    EXPECT_EQ(byRow.countryCode, 310);
    EXPECT_EQ(byRow.networkNumber, 260);
}

TEST(OperatorTable, NotFoundLeavesOperatorAndRow) {
    const OperatorTable table = parseoperatortable(kTable);
    for (int32_t asked : {-1, -2, 7, INT32_MAX}) {
        TOperator unknown{"keep", "me", 999, 99};
        int32_t row = asked;
        EXPECT_EQ(findoperator(table, unknown, row), 0) << asked;
        EXPECT_EQ(row, asked);
        EXPECT_EQ(unknown.networkCode, "keep");
        EXPECT_EQ(unknown.countryCode, 999);
    }
}

TEST(OperatorTable, MissingFileAndReloadOnChange) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const std::filesystem::path file = directory.filePath("netcode.csv").toStdString();
    TOperator op = network(262, 2);
    int32_t row = -1;
    EXPECT_EQ(GetOperatorname(op, row, file), 0);
    EXPECT_EQ(row, -1);

    writefile(file, "\"h\"\n\"26202\",\"D2\",\"262\",\"2\"\n");
    ASSERT_EQ(GetOperatorname(op, row, file), 1);
    EXPECT_EQ(op.operatorName, "D2");

    writefile(file, "\"h\"\n\"26202\",\"Vodafone D2\",\"262\",\"2\"\n");  // other size
    row = -1;
    ASSERT_EQ(GetOperatorname(op, row, file), 1);
    EXPECT_EQ(op.operatorName, "Vodafone D2");

    std::filesystem::remove(file);
    row = -1;
    EXPECT_EQ(GetOperatorname(op, row, file), 0);
}

TEST(OperatorTable, ShippedTableHoldsTheGermanNetworks) {
    const std::filesystem::path file = findoperatortablefile();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(file.filename(), "netcode.csv");
    for (int number : {1, 2, 3, 7}) {
        TOperator op = network(262, number);
        int32_t row = -1;
        ASSERT_EQ(GetOperatorname(op, row), 1) << number;
        EXPECT_EQ(op.networkCode, "2620" + std::to_string(number));
        EXPECT_FALSE(op.operatorName.empty());
    }
}

TEST(OperatorTable, ConcurrentLookups) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const std::filesystem::path first = directory.filePath("a.csv").toStdString();
    const std::filesystem::path second = directory.filePath("b.csv").toStdString();
    writefile(first, kTable);
    writefile(second, "\"h\"\n\"23415\",\"Vodafone UK\",\"234\",\"15\"\n");
    // Two threads per file: every look-up switches the cache to its own file.
    std::vector<std::thread> threads;
    std::atomic<int> failures = 0;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            const bool uk = t % 2 != 0;
            for (int i = 0; i < 200; ++i) {
                TOperator op = uk ? network(234, 15) : network(262, 1);
                int32_t row = -1;
                if (GetOperatorname(op, row, uk ? second : first) != 1 ||
                    op.networkCode != (uk ? "23415" : "26201")) {
                    ++failures;
                }
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(failures, 0);
}
