#include "corvina/phonebook/files/contactsfolder.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMultiHash>
#include <QTemporaryFile>
#include <QUuid>
#include <filesystem>

#include "corvina/language/language.h"
#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {
namespace {

bool holdsCards(const QString& folder) {
    return !QDir(folder).entryList({QStringLiteral("*.vcf")}, QDir::Files).isEmpty();
}

QString revision() {
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

}  // namespace

QString ContactsFolder::defaultRoot() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/contacts");
}

QStringList ContactsFolder::cardFolders(const QString& root) {
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString folder = it.next();
        if (holdsCards(folder)) folders.append(folder);
    }
    folders.sort();
    folders.prepend(root);
    return folders;
}

ContactsFolderRead ContactsFolder::read(const QString& folder) {
    ContactsFolderRead read;
    const QDir dir(folder);
    if (!dir.exists()) {
        read.error = tx("telefonbuchdateien_13", "Der Kontakte-Ordner fehlt: ") + folder;
        return read;
    }
    const QStringList files = dir.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.size() > VCardCodec::kMaxCardBytes) {
            read.notices.append(
                tx("telefonbuchdateien_1", "Datei ") + name + QStringLiteral(": ") +
                tx("telefonbuchdateien_10", "Visitenkarte größer als 1 MiB, übersprungen."));
            continue;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            read.notices.append(tx("telefonbuchdateien_1", "Datei ") + name + QStringLiteral(": ") +
                                file.errorString());
            continue;
        }
        VCardRead cards = VCardCodec::decode(file.readAll(), path);
        if (!cards.ok()) {
            read.notices.append(cards.error);
            continue;
        }
        read.notices.append(cards.notices);
        // One contact per file; a file holding several keeps the first.
        if (!cards.cards.empty()) read.cards.push_back({path, std::move(cards.cards.front())});
    }
    return read;
}

bool ContactsFolder::writeCard(const QString& path, const VCard& card, QString* error) {
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.") +
                             target.completeBaseName() + QStringLiteral(".XXXXXX.tmp"));
    const QByteArray bytes = card.encode();
    if (!temporary.open() || temporary.write(bytes) != bytes.size() || !temporary.flush()) {
        *error = tx("telefonbuchdateien_1", "Datei ") + target.fileName() + QStringLiteral(": ") +
                 temporary.errorString();
        return false;
    }
    std::error_code failure;
    std::filesystem::rename(temporary.fileName().toStdString(), path.toStdString(), failure);
    if (failure) {
        *error = tx("telefonbuchdateien_1", "Datei ") + target.fileName() + QStringLiteral(": ") +
                 QString::fromStdString(failure.message());
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

ContactsStored ContactsFolder::store(const QString& folder,
                                     const std::vector<ContactFields>& contacts) {
    ContactsStored stored;
    if (!QDir().mkpath(folder)) {
        stored.errors.append(tx("telefonbuchdateien_13", "Der Kontakte-Ordner fehlt: ") + folder);
        return stored;
    }
    ContactsFolderRead present = read(folder);
    // Cards by their name in lower case, so that a large folder is not
    // searched whole for every contact.
    QMultiHash<QString, size_t> byName;
    for (size_t i = 0; i < present.cards.size(); ++i)
        byName.insert(cardFullName(present.cards[i].card).toLower(), i);
    for (const ContactFields& contact : contacts) {
        QString error;
        FolderCard* match = nullptr;
        for (const size_t i : byName.values(contact.name.trimmed().toLower())) {
            if (cardMatches(present.cards[i].card, contact) &&
                (!match || &present.cards[i] < match))
                match = &present.cards[i];
        }
        if (match) {
            if (!mergeIntoCard(match->card, contact, revision())) {
                ++stored.unchanged;
            } else if (writeCard(match->path, match->card, &error)) {
                ++stored.updated;
            } else {
                stored.errors.append(error);
            }
            continue;
        }
        const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        FolderCard card{QDir(folder).filePath(uid + QStringLiteral(".vcf")),
                        cardFromContact(contact, uid, revision())};
        if (writeCard(card.path, card.card, &error)) {
            ++stored.added;
            byName.insert(cardFullName(card.card).toLower(), present.cards.size());
            present.cards.push_back(std::move(card));
        } else {
            stored.errors.append(error);
        }
    }
    return stored;
}

}  // namespace corvina
