// CSV import: both layouts, quoted and unquoted fields, skipped lines
// named, damaged files refused with their line.
#include "corvina/phonebook/files/csvimport.h"

#include <gtest/gtest.h>

namespace corvina {
namespace {

TEST(CsvImport, CommaFormatFillsEveryColumnAndNamesSkippedLines) {
    const QByteArray file = QStringLiteral(
                                "\"Nr\",\"Name\",\"Gruppe\",\"Allg\",\"Mobil\",\"Privat\","
                                "\"Gesch\",\"Fax\",\"Mail\",\"A1\",\"A2\",\"A3\",\"Notiz\",\r\n"
                                "\"1\",\"Müller, "
                                "Hans\",\"2\",\"0301234\",\"0171555\",\"\",\"\",\"0309\",\"h@m."
                                "de\",\"Weg 1\",\"\",\"10115 Berlin\",\"sagt \"\"Hallo\"\"\",\r\n"
                                "Gruppe B,x,y,z,w\r\n"
                                "\r\n"
                                "7,Meier,,0401,,,,,,,,,Zeile1\nZeile2\r\n"
                                "8,\"Schulz\",1,\"0402\"")
                                .toUtf8();
    const TableFileRead read = CsvImport::decode(file, QStringLiteral("liste.csv"));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.rows.size(), 3u);
    const TableCells& first = read.rows[0];
    EXPECT_EQ(first[0].text, QStringLiteral("1"));
    EXPECT_EQ(first[1].text, QStringLiteral("Müller, Hans"));
    EXPECT_EQ(first[2].text, QStringLiteral("2"));
    EXPECT_EQ(first[3].text, QStringLiteral("0301234\r"));
    EXPECT_EQ(first[4].text, QStringLiteral("0171555\r"));
    EXPECT_EQ(first[5].text, QString());
    EXPECT_EQ(first[7].text, QStringLiteral("0309\r"));
    EXPECT_EQ(first[8].text, QStringLiteral("h@m.de"));
    EXPECT_EQ(first[9].text, QStringLiteral("Weg 1\r\n10115 Berlin"));
    EXPECT_EQ(first[10].text, QStringLiteral("sagt \"Hallo\""));

    EXPECT_EQ(read.rows[1][0].text, QStringLiteral("7")) << "the skipped line lends no location";
    EXPECT_EQ(read.rows[1][10].text, QStringLiteral("Zeile1"))
        << "an unquoted LF ends the record; the next line is skipped and named";
    EXPECT_EQ(read.rows[2][1].text, QStringLiteral("Schulz"));
    EXPECT_EQ(read.rows[2][3].text, QStringLiteral("0402\r"))
        << "a last field without its comma is kept";

    ASSERT_EQ(read.notices.size(), 2) << read.notices.join(u'\n').toStdString();
    EXPECT_TRUE(read.notices[0].startsWith(QStringLiteral("Datei liste.csv, Zeile 3: ")));
    EXPECT_TRUE(read.notices[1].contains(QStringLiteral("Zeile 6: ")));
}

TEST(CsvImport, SemicolonFormatFillsNameAndGeneralNumberOnly) {
    const TableFileRead read = CsvImport::decode(
        QByteArray("Nr;Name;Nummer\r\n3;\"Gr\xFC\xDF, Gott\";+49 30 1234\r\n4;Ohne;\r\n"),
        QStringLiteral("s.csv"));
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0][1].text, QStringLiteral("Grüß, Gott")) << "Windows-1252 when not UTF-8";
    EXPECT_EQ(read.rows[0][3].text, QStringLiteral("+49 30 1234\r"));
    for (int c : {2, 4, 8, 9, 10})
        EXPECT_TRUE(read.rows[0][static_cast<size_t>(c)].text.isEmpty()) << c;
    EXPECT_TRUE(read.rows[1][3].text.isEmpty());
    EXPECT_TRUE(read.notices.isEmpty()) << "the header line is skipped silently";
}

TEST(CsvImport, UnpairedQuoteAndBinaryFilesAreRefusedWithTheirLine) {
    const TableFileRead open = CsvImport::decode(
        QByteArray("1;Gut;01\r\n2;\"offen;02\r\n3;Gut;03\r\n"), QStringLiteral("q.csv"));
    EXPECT_FALSE(open.ok());
    EXPECT_TRUE(open.rows.empty());
    EXPECT_TRUE(open.error.startsWith(QStringLiteral("Datei q.csv, Zeile 2: ")))
        << open.error.toStdString();

    const TableFileRead binary = CsvImport::decode(QByteArray("1;Gut;01\r\n2;\x01\x02\x00\xFF", 16),
                                                   QStringLiteral("b.csv"));
    EXPECT_FALSE(binary.ok());
    EXPECT_TRUE(binary.error.startsWith(QStringLiteral("Datei b.csv, Zeile 2: ")))
        << binary.error.toStdString();
}

}  // namespace
}  // namespace corvina
