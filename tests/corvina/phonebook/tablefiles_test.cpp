// The memory tables as files: temporary copies come back as they were
// saved (default number, "n.a." marks), a damaged copy is set aside and
// named once, and "Speichern"/"Laden" pick the format by the file name.
#include "corvina/phonebook/tablefiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "corvina/phonebook/phonebooktable.h"

namespace corvina {
namespace {

std::vector<PhonebookRow> sampleRows() {
    PhonebookRow first;
    first.setLocation(1);
    first.setField(colName, QStringLiteral("Müller \"Hans\""));
    first.cells[colGeneral] = QStringLiteral("0301234\r0302\r");
    first.cells[colMobile] = QStringLiteral("0171\r");
    first.bold = colMobile;
    first.setField(colEmail, QStringLiteral("-"));
    first.setField(colNote, QStringLiteral("eins\r\nzwei"));
    PhonebookRow second;
    second.setLocation(3);
    second.setField(colName, QStringLiteral("Zweiter"));
    return {first, second};
}

TEST(TableFiles, TemporaryCopyComesBackAndADamagedOneIsSetAsideOnce) {
    QTemporaryDir dir;
    FileTableStore store(dir.path());
    PhonebookTable saved(memSim);
    saved.setRows(sampleRows());
    store.saveTemporary(saved);
    EXPECT_TRUE(store.takeNotices().isEmpty());

    PhonebookTable loaded(memSim);
    store.loadTemporary(loaded);
    ASSERT_EQ(loaded.size(), 2);
    const PhonebookRow& row = loaded.row(0);
    EXPECT_EQ(row.cells[colName], QStringLiteral("Müller ´Hans´"));
    EXPECT_EQ(row.bold, colMobile);
    EXPECT_TRUE(row.isNotAvailable(colEmail));
    EXPECT_EQ(row.cells[colNote], QStringLiteral("eins\r\nzwei"));
    EXPECT_EQ(row.cells[colGeneral], QStringLiteral("0301234\r0302\r"));
    EXPECT_EQ(loaded.row(1).location(), 3);

    PhonebookTable phone(memPhone);
    store.loadTemporary(phone);
    EXPECT_EQ(phone.size(), 0) << "no copy, nothing loaded";

    const QByteArray damaged("\"Nr.\",\r\n\"1\",\"offen,\r\n");
    QFile file(store.temporaryPath(memPhone));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();
    phone.setRows(sampleRows());
    store.loadTemporary(phone);
    EXPECT_EQ(phone.size(), 2) << "the table stays as it was";
    const QStringList notices = store.takeNotices();
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("Datei ~phone.kvf, Zeile 2: ")))
        << notices[0].toStdString();
    EXPECT_FALSE(QFile::exists(store.temporaryPath(memPhone)));
    QFile aside(store.temporaryPath(memPhone) + QStringLiteral(".defekt"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
    store.loadTemporary(phone);
    EXPECT_TRUE(store.takeNotices().isEmpty()) << "named once";
}

TEST(TableFiles, SaveAndLoadChooseTheFormatByName) {
    QTemporaryDir dir;
    QString error;
    const QString html = dir.filePath(QStringLiteral("buch.HTM"));
    ASSERT_TRUE(savePhonebookFile(html, sampleRows(), &error));
    QFile file(html);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("<table bgcolor=#FFFFFF>"));

    const QString kvf = dir.filePath(QStringLiteral("buch.kvf"));
    ASSERT_TRUE(savePhonebookFile(kvf, sampleRows(), &error));
    const TableFileRead read = loadPhonebookFile(kvf);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(rowsOfGrid(read.rows)[0].bold, colMobile);

    const QString csv = dir.filePath(QStringLiteral("liste.csv"));
    QFile out(csv);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("5;Anna;0301\r\n");
    out.close();
    const TableFileRead imported = loadPhonebookFile(csv);
    ASSERT_TRUE(imported.ok());
    ASSERT_EQ(imported.rows.size(), 1u);
    EXPECT_EQ(rowsOfGrid(imported.rows)[0].cells[colGeneral], QStringLiteral("0301\r"));
}

}  // namespace
}  // namespace corvina
