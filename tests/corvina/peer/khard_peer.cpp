// An independent address-book program against the contacts folder: khard
// (a Debian package with its own vCard library) must read the cards Corvina
// writes - names, every number with its type, e-mail, address, note - and
// Corvina must read the cards khard creates into the phonebook's fields and
// add to them without khard losing anything. Skipped when khard is not
// installed.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "corvina/phonebook/files/contactsfolder.h"

namespace corvina {
namespace {

class Khard : public ::testing::Test {
  protected:
    void SetUp() override {
        khard_ = QStandardPaths::findExecutable(QStringLiteral("khard"));
        if (khard_.isEmpty())
            GTEST_SKIP()
                << "khard is not installed (Debian package khard; scripts/bootstrap.sh khard)";
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.filePath("contacts/privat");
        QDir().mkpath(folder_);
        QFile config(dir_.filePath("khard.conf"));
        ASSERT_TRUE(config.open(QIODevice::WriteOnly));
        config.write(("[addressbooks]\n[[privat]]\npath = " + folder_ +
                      "\n[general]\ndefault_action = list\neditor = /bin/true\n"
                      "merge_editor = /bin/true\n[vcard]\npreferred_version = 3.0\n")
                         .toUtf8());
    }

    QString khard(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", dir_.path());
        environment.insert("LC_ALL", "C.UTF-8");
        process.setProcessEnvironment(environment);
        process.start(khard_, QStringList{"-c", dir_.filePath("khard.conf")} + arguments);
        if (!input.isEmpty()) process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QString khard_;
    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(Khard, ReadsTheCardsCorvinaWrites) {
    ContactFields anna;
    anna.name = QStringLiteral("Anna Müller");
    anna.general = {QStringLiteral("+4930123456")};
    anna.mobile = {QStringLiteral("+491715550000"), QStringLiteral("+491605550001")};
    anna.fax = {QStringLiteral("030999")};
    anna.email = QStringLiteral("anna@example.org");
    anna.address = QStringLiteral("Lindenstraße 3\r\n10969 Berlin\r\nDeutschland");
    anna.note = QStringLiteral("erste Zeile\r\nzweite; mit, Zeichen");
    anna.company = QStringLiteral("Müller & Söhne");
    anna.categories = {QStringLiteral("Familie")};
    ContactFields taxi;
    taxi.name = QStringLiteral("Taxi");
    taxi.general = {QStringLiteral("+49302020")};
    ASSERT_EQ(ContactsFolder::store(folder_, {anna, taxi}).added, 2);

    EXPECT_EQ(khard({"list", "--parsable"}).count(u'\n'), 2);
    const QString phones = khard({"phone", "--parsable"});
    EXPECT_TRUE(phones.contains(QStringLiteral("+4930123456\tAnna Müller\tVOICE, pref\n")))
        << phones.toStdString();
    EXPECT_TRUE(phones.contains(QStringLiteral("+491715550000\tAnna Müller\tCELL\n")));
    EXPECT_TRUE(phones.contains(QStringLiteral("+491605550001\tAnna Müller\tCELL\n")));
    EXPECT_TRUE(phones.contains(QStringLiteral("030999\tAnna Müller\tFAX\n")));
    EXPECT_TRUE(phones.contains(QStringLiteral("+49302020\tTaxi\tVOICE, pref\n")));
    EXPECT_TRUE(
        khard({"email", "--parsable"}).contains(QStringLiteral("anna@example.org\tAnna Müller")));
    const QString address = khard({"postaddress", "--parsable"});
    EXPECT_TRUE(
        address.contains(QStringLiteral("'street': 'Lindenstraße 3', 'code': '10969', "
                                        "'city': 'Berlin'")))
        << address.toStdString();
    const QString shown = khard({"show", "Anna"});
    EXPECT_TRUE(shown.contains(QStringLiteral("Organisation: Müller & Söhne")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Categories: Familie")));
    EXPECT_TRUE(shown.contains(QStringLiteral("zweite; mit, Zeichen")));
}

TEST_F(Khard, CorvinaReadsAndCompletesTheCardsKhardCreates) {
    khard({"new", "-a", "privat"},
          "Formatted name : Jörg Schäfer\nFirst name : Jörg\nLast name : Schäfer\n"
          "Organisation : Tischlerei Schäfer\n"
          "Phone :\n    cell : +49 172 3334444\n    home : 040 556677\n    work : 040 112233\n"
          "Email :\n    home : joerg@example.org\n"
          "Address :\n    home :\n        Street : Hafenstraße 5\n        Code : 20457\n"
          "        City : Hamburg\n        Country : Deutschland\n"
          "Categories : Freunde\nNote : Tür hinten\n");
    ContactsFolderRead read = ContactsFolder::read(folder_);
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    ASSERT_EQ(read.cards.size(), 1u) << read.notices.join(u'\n').toStdString();
    ContactFields joerg = contactFromCard(read.cards[0].card);
    EXPECT_EQ(joerg.name, QStringLiteral("Jörg Schäfer"));
    EXPECT_EQ(joerg.mobile, QStringList{"+49 172 3334444"});
    EXPECT_EQ(joerg.home, QStringList{"040 556677"});
    EXPECT_EQ(joerg.work, QStringList{"040 112233"});
    EXPECT_EQ(joerg.email, QStringLiteral("joerg@example.org"));
    EXPECT_EQ(joerg.address, QStringLiteral("Hafenstraße 5\r\n20457 Hamburg\r\nDeutschland"));
    EXPECT_EQ(joerg.company, QStringLiteral("Tischlerei Schäfer"));
    EXPECT_EQ(joerg.note, QStringLiteral("Tür hinten"));
    EXPECT_EQ(joerg.categories, QStringList{"Freunde"});

    // The phone knows a fax number more: the card gains it, khard keeps the rest.
    joerg.fax = {QStringLiteral("040 556678")};
    const ContactsStored stored = ContactsFolder::store(folder_, {joerg});
    EXPECT_EQ(stored.updated, 1);
    EXPECT_EQ(QDir(folder_).entryList({"*.vcf"}, QDir::Files).size(), 1);
    const QString phones = khard({"phone", "--parsable"});
    EXPECT_EQ(phones.count(u'\n'), 4) << phones.toStdString();
    EXPECT_TRUE(phones.contains(QStringLiteral("040 556678\tJörg Schäfer\tFAX")));
    EXPECT_TRUE(khard({"show", "Jörg"}).contains(QStringLiteral("Hafenstraße 5")));
}

}  // namespace
}  // namespace corvina
