// Table files: a file as older versions wrote it loads and saves byte for
// byte; cells with line ends, quotes and bold marks survive a round trip;
// a damaged file is refused whole with its line named.
#include "corvina/phonebook/files/kvftable.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace corvina {
namespace {

const QStringList kCaptions = {QStringLiteral("Nr."), QStringLiteral("Name"),
                               QStringLiteral("Gruppe"), QStringLiteral("Allgemein")};

QByteArray cp1252(const char* text) {
    return QByteArray(text);
}

TEST(KvfTable, OlderFileLoadsWithItsMarksAndSavesByteForByte) {
    // \xB4 is the quote stand-in, \xAC the LF stand-in, "|" the CR one.
    const QByteArray file = cp1252(
        "\"Nr.\",\"Name\",\"Gruppe\",\"Allgemein\",\r\n"
        "\"1\",\"M\xFCller \xB4Hans\xB4\",\"\",\"0301234|0171555|!\",\r\n"
        "\"2\",\"Zeile1|\xACZeile2\",\"3\",\"\",\r\n");
    const TableFileRead read =
        KvfTable::decode(file, QStringLiteral("a.kvf"), kPhonebookBoldColumns);
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0][1].text, QStringLiteral("Müller ´Hans´"));
    EXPECT_EQ(read.rows[0][3], (TableCell{QStringLiteral("0301234\r0171555\r"), true}));
    EXPECT_EQ(read.rows[1][1].text, QStringLiteral("Zeile1\r\nZeile2"));
    EXPECT_FALSE(read.rows[1][2].bold);
    EXPECT_EQ(KvfTable::encode(kCaptions, read.rows), file);
}

TEST(KvfTable, LineEndsAndQuotesInAnyColumnKeepOneLinePerRow) {
    const TableGrid rows = {
        {{QStringLiteral("1"), false},
         {QStringLiteral("Erste\nZeile \"X\""), false},
         {},
         {QStringLiteral("0\r"), true}},
        {{QStringLiteral("2"), false}, {QStringLiteral("Zweite"), false}, {}, {}},
    };
    const QByteArray bytes = KvfTable::encode(kCaptions, rows);
    EXPECT_EQ(bytes.count("\r\n"), 3) << "a line end inside a cell must not split its row";
    const TableFileRead read =
        KvfTable::decode(bytes, QStringLiteral("b.kvf"), kPhonebookBoldColumns);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0][1].text, QStringLiteral("Erste\nZeile ´X´"))
        << "quotes come back as the stand-in";
    EXPECT_EQ(read.rows[1][1].text, QStringLiteral("Zweite"));
    EXPECT_TRUE(read.rows[0][3].bold);
}

TEST(KvfTable, EncodingsOfReadFilesAndCharactersTheWrittenOneLacks) {
    const QByteArray utf8 = QStringLiteral("\"Nr.\",\r\n\"1\",\"Jürgen €\",\r\n").toUtf8();
    EXPECT_EQ(KvfTable::decode(utf8, QString(), kNoBoldColumns).rows[0][1].text,
              QStringLiteral("Jürgen €"));
    const QByteArray ansi("\"Nr.\",\r\n\"1\",\"J\xFCrgen \x80\",\r\n");
    EXPECT_EQ(KvfTable::decode(ansi, QString(), kNoBoldColumns).rows[0][1].text,
              QStringLiteral("Jürgen €"));

    const TableGrid rows = {{{QStringLiteral("1"), false}, {QStringLiteral("Łukasz €"), false}}};
    const std::vector<UnencodableCharacter> lacking = unencodableCharacters(rows);
    ASSERT_EQ(lacking.size(), 1u) << "€ is in Windows-1252, Ł is not";
    EXPECT_EQ(lacking[0], (UnencodableCharacter{1, 1, QChar(0x0141)}));
    EXPECT_TRUE(KvfTable::encode({}, rows).contains("\"?ukasz \x80\""));
}

TEST(KvfTable, DamagedOrOversizedFileIsRefusedWholeAndDiskStaysAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kaputt.kvf"));
    const QByteArray damaged("\"Nr.\",\r\n\"1\",\"Gut\",\r\n\"2\",\"offen,\r\n\"3\",\"Gut\",\r\n");
    QString error;
    ASSERT_TRUE(KvfTable::save(path, {}, {}, &error));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    const TableFileRead read = KvfTable::load(path, kPhonebookBoldColumns);
    EXPECT_FALSE(read.ok());
    EXPECT_TRUE(read.rows.empty());
    EXPECT_EQ(read.error.left(24), QStringLiteral("Datei kaputt.kvf, Zeile "))
        << read.error.toStdString();
    EXPECT_TRUE(read.error.contains(QStringLiteral("Zeile 3:")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    file.close();

    QByteArray many("\"Nr.\",\r\n");
    many += QByteArray("\"\",\r\n").repeated(kMaxTableFileRows + 1);
    EXPECT_FALSE(KvfTable::decode(many, path, kNoBoldColumns).ok());
    EXPECT_FALSE(KvfTable::load(dir.filePath(QStringLiteral("fehlt.kvf")), kNoBoldColumns).ok());
}

TEST(KvfTable, SavedTableLoadsBackEqual) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liste.wap"));
    const TableGrid rows = {{{QStringLiteral("1"), false},
                             {QStringLiteral("Bahn"), false},
                             {QStringLiteral("wap.bahn.de"), false}},
                            {{QStringLiteral("2"), false},
                             {QStringLiteral("Wetter!"), false},
                             {QStringLiteral("wap.wetter.com"), false}}};
    QString error;
    ASSERT_TRUE(KvfTable::save(
        path, {QStringLiteral("Nr."), QStringLiteral("Name"), QStringLiteral("Link")}, rows,
        &error));
    const TableFileRead read = KvfTable::load(path, kNoBoldColumns);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.rows, rows) << "a \"!\" outside the number columns is text";
}

}  // namespace
}  // namespace corvina
