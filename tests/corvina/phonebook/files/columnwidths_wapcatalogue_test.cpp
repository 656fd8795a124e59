// The small files beside the tables: column widths and the WAP catalogue.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "corvina/phonebook/files/columnwidths.h"
#include "corvina/phonebook/files/wapcatalogue.h"

namespace corvina {
namespace {

TEST(ColumnWidths, SavedWidthsComeBackAndMissingOrBadKeysKeepTheDefault) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spalten.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Spaltenbreiten]\r\nSim1=40\r\nSim2=abc\r\nWap3=77\r\n");
    file.close();
    const ColumnWidths widths(path);
    EXPECT_EQ(widths.load(QStringLiteral("Sim"), {32, 139, 120}), (std::vector<int>{40, 139, 120}));
    ASSERT_TRUE(widths.save(QStringLiteral("Speed"), {10, 20}));
    EXPECT_EQ(widths.load(QStringLiteral("Speed"), {1, 2, 3}), (std::vector<int>{10, 20, 3}));
    EXPECT_EQ(widths.load(QStringLiteral("Wap"), {1, 2, 3}), (std::vector<int>{1, 2, 77}))
        << "other keys kept";
}

TEST(WapCatalogue, CategoriesInFirstOrderLongNamesCutBadLinesNamed) {
    const QByteArray file =
        "Reise;wap.bahn.de;Bahn\r\nNews;wap.a.de;A\r\nkaputt\r\n\r\nReise;wap.b.de;" +
        QByteArray(120, 'x') + "\r\n;ohne;Kategorie\r\n";
    const WapCatalogueRead read = WapCatalogue::decode(file, QStringLiteral("wap links.csv"));
    ASSERT_EQ(read.categories.size(), 2u);
    EXPECT_EQ(read.categories[0].name, QStringLiteral("Reise"));
    ASSERT_EQ(read.categories[0].links.size(), 2u);
    EXPECT_EQ(read.categories[0].links[0],
              (WapLink{QStringLiteral("Bahn"), QStringLiteral("wap.bahn.de")}));
    EXPECT_EQ(read.categories[0].links[1].name.size(), WapCatalogue::kMaxNameLength);
    EXPECT_EQ(read.categories[1].links.size(), 1u);
    ASSERT_EQ(read.notices.size(), 2);
    EXPECT_TRUE(read.notices[0].startsWith(QStringLiteral("Datei wap links.csv, Zeile 3: ")));
    EXPECT_TRUE(read.notices[1].contains(QStringLiteral("Zeile 6: ")));
}

TEST(WapCatalogue, ShippedCatalogueIsFoundAndGood) {
    const WapCatalogueRead read = WapCatalogue::load();
    EXPECT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    EXPECT_FALSE(read.categories.empty());
    EXPECT_TRUE(read.notices.isEmpty());
}

}  // namespace
}  // namespace corvina
