// The file operations of the logo window: favourites, copying onto itself,
// moves that fail, names with folder parts, and the search.
#include "corvina/logos/logofolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "corvina/logos/picturefiles.h"

namespace corvina {
namespace {

QString write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(LogoFolders, FavouritesLiveInTheProgramsDataAndCountUpPerExtension) {
    QTemporaryDir dir;
    const QString bmp = write(dir.filePath("a.bmp"), "eins");
    const QString nol = write(dir.filePath("b.nol"), "zwei");
    const QString favourites = favouritesFolder();
    EXPECT_TRUE(
        favourites.startsWith(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    EXPECT_TRUE(favourites.endsWith("CorvinaFavoriten"));
    EXPECT_TRUE(addToFavourites(bmp).path.endsWith("/Favorit1.bmp"));
    EXPECT_TRUE(addToFavourites(bmp).path.endsWith("/Favorit2.bmp"));
    EXPECT_TRUE(addToFavourites(nol).path.endsWith("/Favorit1.nol"));
    EXPECT_EQ(read(QDir(favourites).filePath("Favorit2.bmp")), "eins");
}

TEST(LogoFolders, CopiesAndMovesNeverLoseTheFile) {
    QTemporaryDir dir;
    const QString file = write(dir.filePath("logo.bmp"), "bild");
    EXPECT_FALSE(copyFileTo(file, dir.path(), true).ok()) << "onto itself";
    EXPECT_EQ(read(file), "bild");
    EXPECT_FALSE(moveFileTo(file, dir.path(), true).ok());
    EXPECT_EQ(read(file), "bild");

    const QString target = dir.filePath("ziel");
    QDir().mkpath(target);
    write(target + "/logo.bmp", "alt");
    EXPECT_FALSE(copyFileTo(file, target, false).ok()) << "an existing file needs the OK";
    EXPECT_EQ(read(target + "/logo.bmp"), "alt");
    EXPECT_TRUE(copyFileTo(file, target, true).ok());
    EXPECT_EQ(read(target + "/logo.bmp"), "bild");

    // A move into a folder that cannot take the file keeps the source.
    const QString closed = dir.filePath("zu");
    QDir().mkpath(closed);
    QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool writable = QFile(closed + "/probe").open(QIODevice::WriteOnly);  // root can
    if (!writable) {
        EXPECT_FALSE(moveFileTo(file, closed, false).ok());
        EXPECT_EQ(read(file), "bild");
    }
    EXPECT_FALSE(moveFileTo(file, dir.filePath("fehlt"), false).ok());
    EXPECT_EQ(read(file), "bild");
    EXPECT_TRUE(moveFileTo(file, dir.filePath("ziel2"), false).ok() ||
                !QDir(dir.filePath("ziel2")).exists());
    QDir().mkpath(dir.filePath("ziel3"));
    ASSERT_TRUE(moveFileTo(file, dir.filePath("ziel3"), false).ok());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(read(dir.filePath("ziel3/logo.bmp")), "bild");
}

TEST(LogoFolders, RenameRefusesFolderPartsAndTakenNames) {
    QTemporaryDir dir;
    const QString file = write(dir.filePath("logo.bmp"), "x");
    write(dir.filePath("da.bmp"), "y");
    for (const char* name : {"../weg.bmp", "a/b.bmp", "..", "", "da.bmp"})
        EXPECT_FALSE(renameFile(file, QString::fromLatin1(name)).ok()) << name;
    EXPECT_TRUE(QFile::exists(file));
    const FileResult renamed = renameFile(file, "neu.bmp");
    ASSERT_TRUE(renamed.ok());
    EXPECT_EQ(renamed.path, dir.filePath("neu.bmp"));
    EXPECT_TRUE(deleteFile(renamed.path).ok());
    EXPECT_FALSE(deleteFile(renamed.path).ok());
}

TEST(LogoFolders, TheSearchFindsEveryWordInNamesOfSubfolders) {
    QTemporaryDir dir;
    write(dir.filePath("Sonne-Meer.bmp"), "");
    write(dir.filePath("tiere/Katze im Meer.jpg"), "");
    write(dir.filePath("tiere/katze.nol"), "");
    write(dir.filePath("notiz.txt"), "");
    EXPECT_EQ(listFiles(dir.path(), logoFileMask()).size(), 1);
    const QStringList found = listFiles(dir.path(), logoFileMask(), "meer");
    EXPECT_EQ(found.size(), 2);
    EXPECT_EQ(listFiles(dir.path(), logoFileMask(), "KATZE meer"),
              QStringList{dir.filePath("tiere/Katze im Meer.jpg")});
    EXPECT_EQ(listFiles(dir.path(), ringtoneFileMask()), QStringList{dir.filePath("notiz.txt")});
}

TEST(LogoFolders, ANewCollectionGetsTheSamples) {
    const QString folder = collectionFolder({});
    EXPECT_TRUE(folder.endsWith("/logos"));
    EXPECT_GE(listFiles(folder, logoFileMask()).size(), 5);
    for (const QString& sample : listFiles(folder, logoFileMask()))
        EXPECT_TRUE(readPictureFile(sample).ok()) << sample.toStdString();
    QTemporaryDir own;
    EXPECT_EQ(collectionFolder(own.path()), own.path());
}

}  // namespace
}  // namespace corvina
