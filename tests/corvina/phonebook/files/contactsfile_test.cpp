// contacts.dat: the record layout byte for byte, the four merge cases of a
// download, an upload that replaces only the rows it wrote, and a damaged
// file that is named and never touched.
#include "corvina/phonebook/files/contactsfile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace corvina {
namespace {

TPhoneBookEntry entryOf(uint8_t memory, int location, const std::string& name,
                        std::vector<TNumberItem> numbers, std::vector<TTextItem> texts = {}) {
    TPhoneBookEntry entry;
    entry.memory = memory;
    entry.location = location;
    entry.name = name;
    entry.numbers = std::move(numbers);
    entry.texts = std::move(texts);
    entry.numberCount = static_cast<int32_t>(entry.numbers.size());
    entry.textCount = static_cast<int32_t>(entry.texts.size());
    entry.group.groupIndex = 2;
    return entry;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ContactsFile, RecordFieldsStandAtTheirOffsets) {
    ContactRecord record;
    record.groupIndex = 3;
    record.location = 0x0102;
    record.memory = memAddressBook;
    record.name = "M\xFCller";
    record.numbers = {{"0301", 10, 0}, {"0171", 3, 1}};
    record.company = "Firma";
    record.url = "u";
    record.address = std::string(300, 'a');
    record.email = "e@x";
    record.note = "n";
    const QByteArray bytes = encodeContactRecord(record);
    ASSERT_EQ(bytes.size(), 2872);
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes.constData()), 3);
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes.constData() + 4), 0x0102);
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes.mid(9, 7), QByteArray("\x06M\xFCller"));
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes.constData() + 268), 2);
    EXPECT_EQ(bytes.mid(272 + 264, 5), QByteArray("\x04"
                                                  "0171"));
    EXPECT_EQ(qFromLittleEndian<int32_t>(bytes.constData() + 272 + 264 + 256), 3);
    EXPECT_EQ(bytes[272 + 264 + 260], 1);
    EXPECT_EQ(bytes.mid(1592, 6), QByteArray("\x05"
                                             "Firma"));
    EXPECT_EQ(bytes.mid(1848, 2), QByteArray("\x01u"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[2104]), 255) << "cut to 255";
    EXPECT_EQ(bytes.mid(2360, 4), QByteArray("\x03"
                                             "e@x"));
    EXPECT_EQ(bytes.mid(2616, 2), QByteArray("\x01n"));

    const std::optional<ContactRecord> back = decodeContactRecord(bytes);
    ASSERT_TRUE(back);
    ContactRecord expected = record;
    expected.address.resize(255);
    EXPECT_EQ(*back, expected);
    QByteArray badCount = bytes;
    qToLittleEndian<int32_t>(6, badCount.data() + 268);
    EXPECT_FALSE(decodeContactRecord(badCount));
}

TEST(ContactsFile, DownloadMergeCases) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.dat"));
    ContactsFile file(path);
    ASSERT_TRUE(file.load());

    // 1: a new entry is stored as it is; the same entry twice stays one record.
    const TPhoneBookEntry sim = entryOf(memSim, 4, "Anna", {{"0301", 10, 1}}, {{"a@b", 16, 0}});
    EXPECT_EQ(file.merged(sim, {}).numbers.size(), 1u);
    file.merged(sim, {});
    EXPECT_EQ(file.records().size(), 1u);

    // 3: numbers fill slot by slot, the record's extra numbers and texts
    // show, a number without a type keeps the stored type.
    std::vector<TNumberItem> seven;
    for (int i = 0; i < 7; ++i) seven.push_back({"0" + std::to_string(i), 3, i == 0});
    const TPhoneBookEntry wide =
        entryOf(memPhone, 9, "Bert", seven, {{"Notiz", 18, 0}, {"w@x", 16, 0}});
    EXPECT_EQ(file.merged(wide, {}).numbers.size(), 7u) << "the entry's values win, uncut";
    const TPhoneBookEntry narrow = entryOf(memPhone, 9, "Bert", {{"0999", 0, 1}});
    const TPhoneBookEntry shown = file.merged(narrow, {.model = 1});
    ASSERT_EQ(shown.numbers.size(), 5u) << "one from the phone, four more from the record";
    EXPECT_EQ(shown.numbers[0].number, "0999");
    EXPECT_EQ(shown.numbers[0].type, 3) << "a mobile number stays mobile";
    EXPECT_EQ(shown.numbers[4].number, "04");
    ASSERT_EQ(shown.texts.size(), 2u);
    EXPECT_EQ(shown.texts[0].text, "w@x");
    EXPECT_EQ(shown.texts[1].text, "Notiz");

    // 2: a 62xx phone memory holds everything: stored numbers replaced,
    // e-mail, address and note cleared; 4: the group comes from the entry.
    TPhoneBookEntry full = entryOf(memPhone, 9, "Bert", {{"0888", 10, 1}}, {{"neu@x", 16, 0}});
    full.group.groupIndex = 4;
    const TPhoneBookEntry whole = file.merged(full, {.model = 19});
    EXPECT_EQ(whole.numbers.size(), 1u);
    ASSERT_EQ(whole.texts.size(), 1u) << "the old note is gone";
    ASSERT_TRUE(file.save());

    ContactsFile again(path);
    ASSERT_TRUE(again.load());
    ASSERT_EQ(again.records().size(), 2u);
    const ContactRecord& bert = again.records()[1];
    EXPECT_EQ(bert.numbers.size(), 1u);
    EXPECT_EQ(bert.groupIndex, 4);
    EXPECT_EQ(bert.email, "neu@x");
    EXPECT_TRUE(bert.note.empty());
    EXPECT_EQ(QFile(path).size(), 2 * 2872);
}

TEST(ContactsFile, UploadReplacesOnlyTheRowsItWrote) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.dat"));
    {
        ContactsFile file(path);
        ASSERT_TRUE(file.load());
        file.merged(entryOf(memPhone, 1, "Telefon", {{"1", 10, 1}}), {});
        file.merged(entryOf(memSim, 1, "Sim eins", {{"2", 10, 1}}), {});
        file.merged(entryOf(memSim, 2, "Sim alt", {{"3", 10, 1}}), {});
        ASSERT_TRUE(file.save());
    }
    ContactsFile file(path);
    ASSERT_TRUE(file.load());
    file.uploadStarted();
    std::vector<TNumberItem> six(6, TNumberItem{"5", 10, 0});
    file.rowWritten(ContactsFile::recordOf(entryOf(memSim, 2, "Sim neu", six)));
    QStringList notices;
    ASSERT_TRUE(file.uploadFinished(&notices));
    ASSERT_EQ(notices.size(), 1) << "six numbers do not fit";
    EXPECT_TRUE(notices[0].startsWith(QStringLiteral("Speicherplatz 2: ")));

    ContactsFile back(path);
    ASSERT_TRUE(back.load());
    std::vector<std::string> names;
    for (const ContactRecord& record : back.records()) names.push_back(record.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Telefon", "Sim eins", "Sim neu"}));
    EXPECT_EQ(back.records()[2].numbers.size(), 5u);
}

TEST(ContactsFile, DamagedFileIsNamedMergesNothingAndStaysAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("contacts.dat"));
    ContactRecord record;
    record.name = "A";
    QByteArray damaged = encodeContactRecord(record) + encodeContactRecord(record).left(100);
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(damaged);
    out.close();

    ContactsFile file(path);
    EXPECT_FALSE(file.load());
    EXPECT_TRUE(file.error().startsWith(QStringLiteral("Datei contacts.dat, Datensatz 2: ")))
        << file.error().toStdString();
    const TPhoneBookEntry entry = entryOf(memSim, 1, "A", {{"1", 10, 1}});
    EXPECT_EQ(file.merged(entry, {}).numbers.size(), 1u);
    file.uploadStarted();
    file.rowWritten(ContactsFile::recordOf(entry));
    QStringList notices;
    EXPECT_FALSE(file.uploadFinished(&notices));
    EXPECT_FALSE(file.save());
    EXPECT_EQ(fileBytes(path), damaged);

    QByteArray badCount = encodeContactRecord(record);
    qToLittleEndian<int32_t>(-1, badCount.data() + 268);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(encodeContactRecord(record) + badCount);
    out.close();
    ContactsFile counted(path);
    EXPECT_FALSE(counted.load());
    EXPECT_TRUE(counted.error().contains(QStringLiteral("Datensatz 2: ")));
}

}  // namespace
}  // namespace corvina
