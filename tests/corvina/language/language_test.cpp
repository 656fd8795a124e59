#include "corvina/language/language.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "corvina/language/languagefile.h"
#include "corvina/language/textcatalogue.h"

namespace corvina {
namespace {

class LanguageLookup : public ::testing::Test {
  protected:
    void TearDown() override { Language::current().unload(); }

    QString writeFile(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("test.lng"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(LanguageLookup, WithoutAFileEveryLookupGivesItsDefault) {
    EXPECT_FALSE(Language::current().loaded());
    EXPECT_EQ(tx("hauptoberflaeche_4", "Nicht verbunden"), QStringLiteral("Nicht verbunden"));
    EXPECT_FALSE(Language::current().controlText("Tinfoform", "Tinfoform.Caption"));
}

TEST_F(LanguageLookup, AFileThatCannotBeReadKeepsTheBuiltInTexts) {
    EXPECT_FALSE(Language::current().load(dir.filePath(QStringLiteral("missing.lng"))));
    EXPECT_EQ(tx("hauptoberflaeche_4", "Nicht verbunden"), QStringLiteral("Nicht verbunden"));
}

TEST_F(LanguageLookup, MiscTextsSplitControlsKeepFsdefAndMissingKeysFallBack) {
    ASSERT_TRUE(
        Language::current().load(writeFile("[Misc]\r\n"
                                           "hauptoberflaeche_4=Not connected\r\n"
                                           "assi_2=FIRST LINE*|*second line\r\n"
                                           "one=no separator here\r\n"
                                           "saerchthread_5= at \r\n"
                                           "kept=fsdef\r\n"
                                           "[Tinfoform]\r\n"
                                           "Tinfoform.Caption=Information\r\n"
                                           "Tinfoform.speichern.Caption=fsdef\r\n")));
    EXPECT_EQ(tx("hauptoberflaeche_4", "Nicht verbunden"), QStringLiteral("Not connected"));
    EXPECT_EQ(tx("assi_2", "x"), QStringLiteral("FIRST LINE\nsecond line"));
    EXPECT_EQ(tx("one", "x"), QStringLiteral("no separator here"));
    EXPECT_EQ(tx("saerchthread_5", " an "), QStringLiteral(" at "))
        << "spaces are part of the text";
    EXPECT_EQ(tx("kept", "Eigener Text"), QStringLiteral("Eigener Text"));
    EXPECT_EQ(tx("not_in_file", "Vorgabe"), QStringLiteral("Vorgabe"));
    EXPECT_EQ(Language::current().controlText("Tinfoform", "Tinfoform.Caption"),
              QStringLiteral("Information"));
    EXPECT_FALSE(Language::current().controlText("Tinfoform", "Tinfoform.speichern.Caption"));
    EXPECT_FALSE(Language::current().controlText("Tassi", "Tassi.Caption"));
}

TEST_F(LanguageLookup, OlderFilesInWindows1252AreReadAsSuch) {
    ASSERT_TRUE(Language::current().load(writeFile("[Misc]\nsms_62=Eing\xe4nge\n")));
    EXPECT_EQ(tx("sms_62", "Eingang"), QStringLiteral("Eingänge"));
}

TEST(LanguageFileFormat, WritesWhatItReads) {
    LanguageFile file;
    file.setValue("Tassi", "Tassi.Caption", "Assistent");
    file.setValue("Misc", "warte_13", "Übertragung abgeschlossen.");
    file.setValue("Misc", "saerchthread_5", " an ");
    const QByteArray text = file.serialize();
    EXPECT_TRUE(text.startsWith("[Misc]\n")) << "Misc comes first";
    const LanguageFile again = LanguageFile::parse(text);
    EXPECT_EQ(again.value("Misc", "saerchthread_5"), QStringLiteral(" an "));
    EXPECT_EQ(again.value("Misc", "warte_13"), QStringLiteral("Übertragung abgeschlossen."));
    EXPECT_EQ(again.value("Tassi", "Tassi.Caption"), QStringLiteral("Assistent"));
    EXPECT_FALSE(again.value("Tassi", "other"));
}

TEST(TextCatalogue, CollectsKeysDefaultsJoinedLiteralsAndConflicts) {
    TextCatalogue catalogue;
    collectTexts(QStringLiteral(R"(
        a = tx("k_1", "Eins");
        b = tx( "k_2",
                "Zwei "
                "Teile \"zitiert\"\nneu");
        c = notx("k_3", "no");
        d = tx("k_1", "Anders");
    )"),
                 catalogue);
    EXPECT_EQ(catalogue.texts.value("k_1"), QStringLiteral("Anders"));
    EXPECT_EQ(catalogue.texts.value("k_2"), QStringLiteral("Zwei Teile \"zitiert\"\nneu"));
    EXPECT_FALSE(catalogue.texts.contains("k_3"));
    ASSERT_EQ(catalogue.conflicts.size(), 1);
    EXPECT_TRUE(catalogue.conflicts.first().startsWith("k_1"));
}

}  // namespace
}  // namespace corvina
