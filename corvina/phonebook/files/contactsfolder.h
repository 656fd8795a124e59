// The contacts folder: a folder of .vcf files, one contact each, as
// address-book programs that keep a "vdir" use it. Its root is a setting
// (default $XDG_DATA_HOME/contacts); any subfolder holding cards can be
// chosen. Cards are written as UID.vcf through a temporary name that does
// not end in .vcf, so a program watching the folder never sees half a card.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "corvina/phonebook/files/contactcard.h"
#include "corvina/phonebook/files/vcard.h"

namespace corvina {

struct FolderCard {
    QString path;
    VCard card;
};

struct ContactsFolderRead {
    std::vector<FolderCard> cards;  // in file name order
    QString error;                  // the folder itself cannot be read
    QStringList notices;            // files skipped, each with its reason
};

// What storing contacts did, for the status line and the command-line tool.
struct ContactsStored {
    int added = 0;
    int updated = 0;
    int unchanged = 0;  // a matching card held everything already
    QStringList errors;
};

class ContactsFolder {
  public:
    // $XDG_DATA_HOME/contacts, else ~/.local/share/contacts.
    static QString defaultRoot();

    // The folder and its subfolders (recursively) that hold .vcf files, by
    // path; the root comes first even when it holds none.
    static QStringList cardFolders(const QString& root);
    static ContactsFolderRead read(const QString& folder);
    // Writes the card into the file at `path` atomically.
    static bool writeCard(const QString& path, const VCard& card, QString* error);
    // Each contact updates the card that matches it (adding only what the
    // card lacks) or becomes a new card.
    static ContactsStored store(const QString& folder, const std::vector<ContactFields>& contacts);
};

}  // namespace corvina
