// The two calendar file formats: a fixed table written byte for byte as the
// checked-in files, read back, and every damaged file refused with its
// place named.
#include <gtest/gtest.h>

#include "corvina/calendar/calfile.h"
#include "corvina/calendar/cl2file.h"
#include "tests/corvina/calendar/fixedtable.h"

namespace corvina {
namespace {

using testing_calendar::dataFile;
using testing_calendar::fixedTable;

TEST(CalendarFiles, FixedTableIsWrittenAsTheCheckedInFiles) {
    EXPECT_EQ(writeCalFile(fixedTable()), dataFile("fixed.cal"));
    int cut = 0;
    EXPECT_EQ(writeCl2File(fixedTable(), cut), dataFile("fixed.cl2"));
    EXPECT_EQ(cut, 1) << "only the long reminder is cut to 30 characters";
}

TEST(CalendarFiles, TextFileReadsBackWholeWithTheEditorsDefaults) {
    const NoteFileRead read = readCalFile(dataFile("fixed.cal"));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    std::vector<CalendarNote> expected = fixedTable();
    for (CalendarNote& note : expected) note.reminderText.clear();  // not in the text file
    EXPECT_EQ(read.notes, expected);
    EXPECT_EQ(read.notes[4].text.size(), 38u) << "the text file keeps texts whole";
}

TEST(CalendarFiles, RecordFileReadsWithItsFixedFlags) {
    const NoteFileRead read = readCl2File(dataFile("fixed.cl2"));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.notes.size(), 5u);
    EXPECT_EQ(read.notes[4].text, phoneText(QStringLiteral("Zahnarzt Dr. Müller, Praxis am")));
    EXPECT_EQ(read.notes[4].reminderText, "202409020730");
    EXPECT_EQ(read.notes[4].repeat, 36);
    EXPECT_EQ(read.notes[2].birthYear, 1978);
    EXPECT_EQ(read.notes[2].silent, 1);
    EXPECT_EQ(read.notes[1].number, "0123");
    EXPECT_EQ(read.notes[3].status, 2) << "the record file's reader sets status 2";
    EXPECT_EQ(read.notes[3].noEnd, 1);
}

TEST(CalendarFiles, TextFileEdgeCases) {
    const std::string text = writeCalFile(fixedTable());
    EXPECT_NE(text.find("\r\nNUMBER:0123\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nACTIVESTATE:DEACTIVE\r\n"), std::string::npos);

    // Without TIME the note keeps no start, and is written without it.
    const NoteFileRead read = readCalFile(
        "revision:1.0\r\nbegin:entry\r\ntype:call\r\nDescription:Ohne Zeit\r\n"
        "TIMEEND:000000000000\r\nend:entry\r\n");
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.notes.size(), 1u);
    EXPECT_EQ(read.notes[0].noStart, 1);
    EXPECT_EQ(read.notes[0].noEnd, 1) << "older files wrote an all-zero end";
    EXPECT_EQ(read.notes[0].type, ntCall);
    EXPECT_EQ(writeCalFile(read.notes).find("TIME:"), std::string::npos);
    EXPECT_EQ(writeCalFile({}), "REVISION:1.0\r\n");
}

TEST(CalendarFiles, DamagedTextFilesAreRefusedWithTheirLine) {
    const struct {
        const char* text;
        const char* where;
    } cases[] = {
        {"REVISION:1.0\r\nDESCRIPTION:lose\r\n", "Zeile 2"},
        {"BEGIN:ENTRY\r\nTIME:2024\r\nEND:ENTRY\r\n", "Zeile 2"},
        {"BEGIN:ENTRY\r\nTIME:202413010000\r\nEND:ENTRY\r\n", "Zeile 2"},
        {"BEGIN:ENTRY\r\nREPEAT:oft\r\nEND:ENTRY\r\n", "Zeile 2"},
        {"BEGIN:ENTRY\r\nDESCRIPTION:a\r\n\r\nBEGIN:ENTRY\r\nEND:ENTRY\r\n", "Zeile 4"},
        {"BEGIN:ENTRY\r\nDESCRIPTION:a\r\n", "Zeile 1"},
        {"REVISION:1.0\r\nirgendwas\r\n", "Zeile 2"},
    };
    for (const auto& c : cases) {
        const NoteFileRead read = readCalFile(c.text);
        EXPECT_FALSE(read.ok()) << c.text;
        EXPECT_TRUE(read.error.startsWith(QString::fromLatin1(c.where)))
            << read.error.toStdString();
        EXPECT_TRUE(read.notes.empty());
    }
    std::string many = "REVISION:1.0\r\n";
    for (int i = 0; i <= kNoteTableSize; ++i)
        many += "BEGIN:ENTRY\r\nDESCRIPTION:x\r\nEND:ENTRY\r\n";
    EXPECT_FALSE(readCalFile(many).ok());
}

TEST(CalendarFiles, DamagedRecordFilesAreRefusedWithTheirByte) {
    const std::string good = dataFile("fixed.cl2");
    EXPECT_TRUE(readCl2File(good.substr(0, 2 * kCl2RecordSize)).ok());
    EXPECT_TRUE(readCl2File("").ok());

    NoteFileRead read = readCl2File(good.substr(0, good.size() - 1));
    EXPECT_TRUE(read.error.startsWith("Byte 912")) << read.error.toStdString();

    std::string badLength = good;
    badLength[kCl2RecordSize + 194] = 31;
    read = readCl2File(badLength);
    EXPECT_TRUE(read.error.startsWith("Byte 422")) << read.error.toStdString();

    std::string badType = good;
    badType[2 * kCl2RecordSize + 183] = 5;
    read = readCl2File(badType);
    EXPECT_TRUE(read.error.startsWith("Byte 639")) << read.error.toStdString();
    EXPECT_TRUE(read.notes.empty());

    EXPECT_FALSE(readCl2File(std::string((kNoteTableSize + 1) * kCl2RecordSize, '\0')).ok());
}

}  // namespace
}  // namespace corvina
