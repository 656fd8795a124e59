#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>

#include "codecs/tools/operatorname.h"
#include "corvina/settings/operatorlist.h"
#include "corvina/settings/toperatorform.h"
#include "records/typendefinitionen.h"

namespace corvina {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped operator table is read-only once installed: an operator added
// in the settings goes to the user's copy, which every later lookup reads
// first, by the program and by the library alike.
TEST(OperatorTableCopy, AnAddedOperatorGoesToTheUsersCopyAndTheShippedTableStays) {
    const QString shipped = operatorTablePath();
    ASSERT_FALSE(shipped.isEmpty());
    const QString copy = userOperatorTablePath();
    ASSERT_TRUE(copy.startsWith(qEnvironmentVariable("XDG_DATA_HOME")))
        << "the test main gives every run a private data folder";
    ASSERT_FALSE(QFile::exists(copy));
    const QByteArray before = fileBytes(shipped);

    Toperatorform dialog;
    dialog.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Testnetz Süd"));
    dialog.findChild<QSpinBox*>(QStringLiteral("land"))->setValue(999);
    dialog.findChild<QSpinBox*>(QStringLiteral("netz"))->setValue(42);
    dialog.findChild<QPushButton*>(QStringLiteral("okbutton"))->click();

    EXPECT_EQ(fileBytes(shipped), before);
    EXPECT_EQ(operatorTablePath(), copy) << "the copy is read before the shipped table";
    const auto entries = readOperatorList(operatorTablePath());
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries.back().shown(), QStringLiteral("99942 - Testnetz Süd"));
    EXPECT_GT(entries.size(), 100u) << "the copy keeps the shipped operators";

    TOperator found;
    found.countryCode = 999;
    found.networkNumber = 42;
    int32_t row = -1;
    ASSERT_EQ(tools::GetOperatorname(found, row), 1);
    EXPECT_EQ(found.operatorName,
              "Testnetz S\xfc"
              "d");

    QFile::remove(copy);
}

}  // namespace
}  // namespace corvina
