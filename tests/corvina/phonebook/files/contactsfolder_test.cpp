// vCards and the contacts folder: cards of every version read into the
// phonebook's fields, contacts written as cards and read back, a card
// updated in place keeps what the phonebook does not know byte for byte.
#include "corvina/phonebook/files/contactsfolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace corvina {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(VCard, CardsOfVersions21To40ReadIntoThePhonebookFields) {
    const QByteArray cards =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n"
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=FCrgen\r\n"
        "TEL;CELL:0171 555\r\nTEL;HOME;FAX:030 999\r\nTEL:030 111\r\n"
        "ADR;WORK:;;Amt 2;Bonn;;53111;\r\n"
        "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe 1;Berlin;;10115;Deutsch=\r\nland\r\n"
        "NOTE;ENCODING=QUOTED-PRINTABLE:erste=0D=0Azweite\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\nVERSION:4.0\nFN:Firma Nur\nORG:ACME\\, Inc.;Vertrieb\n"
        "item1.TEL;VALUE=uri;TYPE=\"cell,voice\";PREF=1:tel:+49 171 1\n"
        "TEL;TYPE=work:+49 228 "
        "2\nEMAIL:a@b.de\nURL:http://acme.example\nCATEGORIES:Freunde,Arbeit\n"
        "NOTE:lange Zeile, hier\n  gefaltet\nEND:VCARD\n";
    const VCardRead read = VCardCodec::decode(cards, QStringLiteral("k.vcf"));
    ASSERT_TRUE(read.ok()) << read.error.toStdString();
    ASSERT_EQ(read.cards.size(), 2u);

    const ContactFields first = contactFromCard(read.cards[0]);
    EXPECT_EQ(first.name, QStringLiteral("Jürgen Müller"));
    EXPECT_EQ(first.mobile, QStringList{QStringLiteral("0171 555")});
    EXPECT_EQ(first.fax, QStringList{QStringLiteral("030 999")});
    EXPECT_EQ(first.general, QStringList{QStringLiteral("030 111")});
    EXPECT_EQ(first.address, QStringLiteral("Hauptstraße 1\r\n10115 Berlin\r\nDeutschland"))
        << "HOME first";
    EXPECT_EQ(first.note, QStringLiteral("erste\r\nzweite"));

    const ContactFields second = contactFromCard(read.cards[1]);
    EXPECT_EQ(second.name, QStringLiteral("Firma Nur"));
    EXPECT_EQ(second.company, QStringLiteral("ACME, Inc., Vertrieb"));
    EXPECT_EQ(second.general, QStringList{QStringLiteral("+49 171 1")})
        << "the preferred number is general";
    EXPECT_EQ(second.work, QStringList{QStringLiteral("+49 228 2")});
    EXPECT_EQ(second.categories,
              (QStringList{QStringLiteral("Freunde"), QStringLiteral("Arbeit")}));
    EXPECT_EQ(second.note, QStringLiteral("lange Zeile, hier gefaltet"));
}

TEST(VCard, DamagedFilesAreRefusedWithTheirLine) {
    const VCardRead open =
        VCardCodec::decode("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\n", QStringLiteral("a.vcf"));
    EXPECT_FALSE(open.ok());
    EXPECT_TRUE(open.cards.empty());
    EXPECT_TRUE(open.error.startsWith(QStringLiteral("Datei a.vcf, Zeile 1: ")))
        << open.error.toStdString();
    const VCardRead noColon = VCardCodec::decode("BEGIN:VCARD\r\nFN:A\r\nKAPUTT\r\nEND:VCARD\r\n",
                                                 QStringLiteral("b.vcf"));
    EXPECT_TRUE(noColon.error.startsWith(QStringLiteral("Datei b.vcf, Zeile 3: ")));

    QByteArray big = "BEGIN:VCARD\r\nFN:Gross\r\nPHOTO;ENCODING=b:" +
                     QByteArray(VCardCodec::kMaxCardBytes, 'A') +
                     "\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:Klein\r\nEND:VCARD\r\n";
    const VCardRead skipped = VCardCodec::decode(big, QStringLiteral("c.vcf"));
    ASSERT_TRUE(skipped.ok());
    ASSERT_EQ(skipped.cards.size(), 1u);
    EXPECT_EQ(contactFromCard(skipped.cards[0]).name, QStringLiteral("Klein"));
    ASSERT_EQ(skipped.notices.size(), 1);
    EXPECT_TRUE(skipped.notices[0].contains(QStringLiteral("Zeile 1: ")));
}

TEST(ContactsFolder, ContactsWrittenAsCardsReadBackEqualAndAreNotAddedTwice) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("privat"));
    ContactFields hans;
    hans.name = QStringLiteral("Hans Müller");
    hans.general = {QStringLiteral("+49301234")};
    hans.mobile = {QStringLiteral("01715551"), QStringLiteral("01715552")};
    hans.work = {QStringLiteral("0228 7")};
    hans.preferred = ContactNumberKind::Mobile;
    hans.email = QStringLiteral("hans@example.org");
    hans.address = QStringLiteral("Weg 1\r\n10115 Berlin\r\nDeutschland");
    hans.note = QStringLiteral("Zeile; eins, mit Komma\r\nZeile zwei ") + QString(60, u'ä');
    hans.company = QStringLiteral("Müller & Söhne");
    hans.url = QStringLiteral("http://example.org");
    hans.categories = {QStringLiteral("Familie")};
    ContactFields ohne;
    ohne.name = QStringLiteral("Ohne Nummer");

    const ContactsStored stored = ContactsFolder::store(folder, {hans, ohne});
    EXPECT_EQ(stored.added, 2);
    EXPECT_TRUE(stored.errors.isEmpty()) << stored.errors.join(u'\n').toStdString();
    EXPECT_EQ(ContactsFolder::cardFolders(root.path()), (QStringList{root.path(), folder}));

    const ContactsFolderRead read = ContactsFolder::read(folder);
    ASSERT_TRUE(read.notices.isEmpty()) << read.notices.join(u'\n').toStdString();
    ASSERT_EQ(read.cards.size(), 2u);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file left";
    const auto hansCard =
        std::find_if(read.cards.begin(), read.cards.end(), [](const FolderCard& card) {
            return card.card.first(QStringLiteral("FN"))->text() == QStringLiteral("Hans Müller");
        });
    ASSERT_NE(hansCard, read.cards.end());
    EXPECT_TRUE(hansCard->path.endsWith(hansCard->card.first(QStringLiteral("UID"))->text() +
                                        QStringLiteral(".vcf")));
    ContactFields back = contactFromCard(hansCard->card);
    back.preferred = hans.preferred;  // read back, the preferred number stands as the general one
    ContactFields expected = hans;
    expected.general.prepend(QStringLiteral("01715551"));
    expected.mobile.removeFirst();
    EXPECT_EQ(back, expected);

    const QByteArray bytes = fileBytes(hansCard->path);
    EXPECT_TRUE(bytes.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
    for (const QByteArray& line : bytes.split('\n'))
        EXPECT_LE(line.size(), 76) << line.toStdString();
    EXPECT_TRUE(bytes.contains("TEL;TYPE=CELL,PREF:01715551\r\n"));

    const ContactsStored again = ContactsFolder::store(folder, {hans, ohne});
    EXPECT_EQ(again.added + again.updated, 0);
    EXPECT_EQ(again.unchanged, 2);
}

TEST(ContactsFolder, UpdatedCardKeepsUnknownPropertiesByteForByte) {
    QTemporaryDir root;
    const QByteArray photo =
        "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAP//////////////////\r\n"
        " ////////////////////////////////////////////////////////wgALCAABAAEBAREA\r\n";
    const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:hans müller\r\nN:Müller;Hans;;;\r\n" +
                            photo +
                            "X-ABC;type=odd:keep  me\r\nTEL;TYPE=HOME:030 1234\r\nEND:VCARD\r\n";
    const QString path = root.filePath(QStringLiteral("alt.vcf"));
    writeFile(path, card);

    ContactFields hans;
    hans.name = QStringLiteral("Hans Müller");
    hans.general = {QStringLiteral("0301234")};
    hans.mobile = {QStringLiteral("0171 9")};
    hans.email = QStringLiteral("h@m.de");
    const ContactsStored stored = ContactsFolder::store(root.path(), {hans});
    EXPECT_EQ(stored.updated, 1);
    EXPECT_EQ(stored.added, 0) << "same name ignoring case and a shared number";

    const QByteArray after = fileBytes(path);
    EXPECT_TRUE(after.startsWith(card.left(card.indexOf("END:VCARD")))) << after.toStdString();
    EXPECT_TRUE(after.contains("TEL;TYPE=CELL:0171 9\r\n"));
    EXPECT_FALSE(after.contains("TEL;TYPE=VOICE")) << "the shared number is not added twice";
    EXPECT_TRUE(after.contains("EMAIL;TYPE=INTERNET:h@m.de\r\n"));
    EXPECT_TRUE(after.contains("\r\nREV:"));
    EXPECT_TRUE(after.endsWith("END:VCARD\r\n"));
}

TEST(ContactsFolder, NumbersOfContactsAreNormalisedKeepingItalianZeros) {
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("+49 (0)30 1234-5")),
              QStringLiteral("+493012345"));
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("+49 030 12345")),
              QStringLiteral("+493012345"));
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("0049 030 12345")),
              QStringLiteral("00493012345"));
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("+39 06 1234567")),
              QStringLiteral("+39061234567"));
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("+39 (0)6 1234567")),
              QStringLiteral("+3961234567"));
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("030 (0) 12")), QStringLiteral("030012"));
    EXPECT_EQ(normalisedContactNumber(QStringLiteral("+49 01")), QStringLiteral("+4901"));
}

}  // namespace
}  // namespace corvina
