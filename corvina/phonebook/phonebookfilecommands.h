// The phonebook window's commands on files and on the contacts folder:
// "Speichern" and "Laden" of a memory table (table file, HTML, CSV, vCard),
// "&Zu Kontakten", copying contacts into a memory, .vcf files dropped on a
// memory table, rows dragged out as vCards, the system clipboard on copy,
// and the column widths kept in "spalten.ini".
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/entryeditorrules.h"
#include "corvina/phonebook/files/columnwidths.h"
#include "corvina/phonebook/files/contactcard.h"
#include "corvina/phonebook/wapbookmarks.h"

class QMimeData;

namespace corvina {

class ContactCopies;
class ContactsPage;
class PhonebookPage;

struct FileCommandsParts {
    QWidget* window = nullptr;
    PhonebookTables tables;
    std::array<PhonebookPage*, 3> pages{};
    ContactsPage* contacts = nullptr;
    EntryEditorRules* rules = nullptr;
    UserDialogs dialogs;
    // The memory of the active tab; nothing on the other tabs.
    std::function<std::optional<uint8_t>()> activeMemory;
    std::function<void(uint8_t)> showMemory;
    std::function<uint8_t()> modelNumber;
    std::function<void(const QString&)> status;
    // Rows changed: show them anew.
    std::function<void()> changed;
    // A download or upload runs: the tables are not to be touched.
    std::function<bool()> busy = [] { return false; };
    // The WAP bookmarks, their tab being the active one, and showing them anew.
    WapBookmarks* wap = nullptr;
    std::function<bool()> wapTabActive = [] { return false; };
    std::function<void()> wapChanged = [] {};
};

class PhonebookFileCommands : public QObject {
    Q_OBJECT

  public:
    PhonebookFileCommands(FileCommandsParts parts,
                          QString widthsPath = ColumnWidths::defaultPath());
    ~PhonebookFileCommands() override;

    // "Speichern" and "Laden" with their file dialogs.
    void save();
    void load();
    // The same for a name already chosen. Saving asks first when the format
    // is written in Windows-1252 and a cell holds a character it lacks.
    void saveTo(const QString& path);
    // Replaces the active table's rows only when the whole file was good.
    bool loadFrom(const QString& path);
    // The WAP list (".wap", a table file of "Nr. ", "Name", "Link").
    void saveWapTo(const QString& path);
    bool loadWapFrom(const QString& path);

    // "&Zu Kontakten": the marked rows of the active memory into the
    // contacts folder shown on the "Kontakte" tab (else its root).
    void toContacts();
    // The contacts into the memory (which must have been downloaded).
    void copyContacts(uint8_t memory, std::vector<ContactFields> contacts);
    // Copy and cut: the rows as table-file lines and as vCards.
    void putOnClipboard(const std::vector<PhonebookRow>& rows);

    void loadColumnWidths();
    void saveColumnWidths();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PhonebookTable& activeTable() const;
    // Rows of a memory table as a drag carries them: vCards, and a .vcf file.
    QMimeData* rowsAsData(uint8_t memory, const std::vector<int>& indices);
    bool dropOn(uint8_t memory, const QMimeData* mime);
    void tell(Severity severity, const QString& text);
    // Writes after asking about characters Windows-1252 lacks, when any.
    void writeAfterAsking(const QStringList& lacking, std::function<void()> write);
    void openDialog(const QString& title, const QStringList& filters, const QStringList& suffixes,
                    bool saving, std::function<void(const QString&)> chosen);

    FileCommandsParts parts_;
    ColumnWidths widths_;
    std::array<std::unique_ptr<ContactCopies>, 3> copies_;
    std::unique_ptr<QTemporaryDir> dragFolder_;
};

}  // namespace corvina
