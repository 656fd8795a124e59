// The user's logo collection, the favourites folder and the file
// operations of the logo window. Nothing here asks the user: the window
// asks first (overwrite, delete) and then calls these.
#pragma once

#include <QString>
#include <QStringList>

namespace corvina {

// "<AppDataLocation>/CorvinaFavoriten", created when missing; empty when it
// cannot be created.
QString favouritesFolder();

// The folder the logo window opens: the settings' logo folder when it
// exists, else "<AppDataLocation>/logos", which is created and given the
// sample logos shipped with the program the first time.
QString collectionFolder(const QString& settingsFolder);
// The folder of the shipped sample logos; empty when none is found.
QString sampleLogoFolder();

// The files of the folder that match the name filters, by name. With search
// words the folder and its subfolders are searched, and a file is kept
// when every word occurs in its name (in any case).
QStringList listFiles(const QString& folder, const QStringList& nameFilters,
                      const QString& searchWords = {});

// The outcome of a file operation: the file it made, or why it failed
// (German, for a message box).
struct FileResult {
    QString path;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Whether both names lead to the same existing file.
bool isSameFile(const QString& a, const QString& b);

// Copies the file into the folder under its name. A file onto itself is
// refused; an existing target is replaced only with `overwrite`. The copy
// is written to a temporary file beside the target first, so a failed copy
// leaves the target as it was.
FileResult copyFileTo(const QString& file, const QString& folder, bool overwrite);
// Copies as above, then removes the source; a failed copy keeps it.
FileResult moveFileTo(const QString& file, const QString& folder, bool overwrite);
// A new name in the same folder: no folder parts ("/", ".."), not empty, not
// taken.
FileResult renameFile(const QString& file, const QString& newName);
FileResult deleteFile(const QString& file);
// Copies the file into the favourites as "Favorit" n and its extension, n
// the first number from 1 not yet taken for that extension.
FileResult addToFavourites(const QString& file, const QString& favourites = favouritesFolder());

}  // namespace corvina
