// corvina-cli phonebook export and import against the simulated 6110: the
// SIM into a table file, a CSV list, a vCard file and a contacts folder;
// contacts from a vCard file into the SIM beside what it holds; a damaged
// file refused before the phone is touched.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "corvina/phonebook/files/csvimport.h"
#include "phonesim/simulator.h"
#include "tests/cli/runcli.h"
#include "tests/support/scratchfiles.h"

using testing_support::runCli;

namespace {

class CliPhonebookFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        port = sim.startPty();
        ASSERT_FALSE(port.isEmpty());
    }
    QString write(const QString& name, const QByteArray& content) {
        return QString::fromStdString(files.write(name, content));
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::map<int, phonesim::PhonebookEntry> simEntries() {
        return sim.fixture().phonebook.sim.entries;
    }

    QTemporaryDir dir;
    testing_support::ScratchFiles files;
    phonesim::Simulator sim{phonesim::Fixture::forModel("NSE-3")};
    QString port;
};

TEST_F(CliPhonebookFiles, ExportWritesEveryFormatAndAFolderOnlyOnce) {
    const QString kvf = dir.filePath("sim.kvf");
    auto run = runCli(port, {"phonebook", "export", "sim", kvf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "3 Einträge geschrieben\t" + kvf.toStdString() + "\n");
    const QByteArray table = read(kvf);
    EXPECT_TRUE(table.startsWith("\"Nr.\",\"Name\",\"Gruppe\","));
    EXPECT_TRUE(table.contains("\r\n\"1\",\"Anna\",\"Familie\",\"+4930123456|!\",\"\","));
    EXPECT_TRUE(table.contains("\r\n\"2\",\"B\xFCro\",\"Kollegen\",")) << "Windows-1252";

    const QString csv = dir.filePath("sim.csv");
    run = runCli(port, {"phonebook", "export", "sim", csv});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const corvina::TableFileRead back = corvina::CsvImport::load(csv);
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    ASSERT_EQ(back.rows.size(), 3u) << "the caption line is skipped, empty locations left out";
    EXPECT_EQ(back.rows[2][0].text, "5");
    EXPECT_EQ(back.rows[2][1].text, "Taxi");
    EXPECT_EQ(back.rows[2][3].text, "+49302020\r");

    const QString vcf = dir.filePath("sim.vcf");
    run = runCli(port, {"phonebook", "export", "sim", vcf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(read(vcf).count("BEGIN:VCARD\r\n"), 3);
    EXPECT_TRUE(read(vcf).contains("FN:Büro\r\n"));
    EXPECT_TRUE(read(vcf).contains("TEL;TYPE=VOICE,PREF:+4930123456\r\nCATEGORIES:Familie\r\n"));

    const QString folder = dir.filePath("kontakte") + "/";
    run = runCli(port, {"phonebook", "export", "sim", folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "3 Kontakte angelegt, 0 ergänzt, 0 schon vorhanden.\n");
    run = runCli(port, {"phonebook", "export", "sim", folder});
    EXPECT_EQ(run.out, "0 Kontakte angelegt, 0 ergänzt, 3 schon vorhanden.\n");
    EXPECT_EQ(QDir(folder).entryList({"*.vcf"}, QDir::Files).size(), 3);

    // The folder back into the SIM: everything is there already.
    const auto before = simEntries();
    run = runCli(port, {"phonebook", "import", "sim", folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0 Einträge geschrieben\n3 übersprungen: schon im Telefon\n");
    EXPECT_EQ(simEntries(), before);

    EXPECT_EQ(runCli(port, {"phonebook", "export", "sim", dir.filePath("x.txt")}).exitCode, 2);
}

TEST_F(CliPhonebookFiles, ImportAddsNewContactsAndRefusesDamagedFilesUntouched) {
    const QString vcf =
        write("neu.vcf",
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Clara Neu\r\nN:Neu;Clara;;;\r\n"
              "TEL;TYPE=CELL:+49 (0)171 5550000\r\nEMAIL:clara@example.org\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:2.1\r\nN:;Anna\r\nTEL;HOME:+49 30 123456\r\nEND:VCARD\r\n"
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dora\r\nCATEGORIES:Freunde\r\n"
              "TEL:0401\r\nEND:VCARD\r\n");
    auto run = runCli(port, {"phonebook", "import", "sim", vcf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 Einträge geschrieben\n1 übersprungen: schon im Telefon\n");
    ASSERT_EQ(simEntries().size(), 5u);
    EXPECT_EQ(simEntries().at(3).name, "Clara Neu");
    EXPECT_EQ(simEntries().at(3).number, "+491715550000") << "bracketed trunk zero dropped";
    EXPECT_EQ(simEntries().at(4).name, "Dora");
    EXPECT_EQ(simEntries().at(4).group, 2) << "the category names a caller group";
    EXPECT_EQ(simEntries().at(5).name, "Taxi");

    run = runCli(port, {"phonebook", "import", "sim", vcf});
    EXPECT_EQ(run.out, "0 Einträge geschrieben\n3 übersprungen: schon im Telefon\n")
        << "importing twice adds nothing";

    const auto before = simEntries();
    const QString damaged =
        write("offen.kvf", "\"Nr.\",\"Name\",\r\n\"1\",\"Emil\",\r\n\"2\",\"Fr\r\n");
    run = runCli(port, {"phonebook", "import", "sim", damaged});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("offen.kvf, Zeile 3"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(simEntries(), before);
}

}  // namespace
