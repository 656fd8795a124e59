// The phonebook window: a tab per phone memory (SIM, phone memory and, on
// phones that have one, the address book), each an editable table. The
// user downloads a memory into its table, edits it without a connection
// (entry editor, cut, copy, paste, delete, groups, compaction, undo) and
// uploads it back; a print preview shows the table, also as PDF.
#pragma once

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "corvina/common/tgruppenwahlform.h"
#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/entryeditorrules.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "corvina/phonebook/phonebookpage.h"
#include "corvina/phonebook/phonebookseams.h"
#include "corvina/phonebook/phonebooktransfer.h"
#include "corvina/phonebook/ttelefonbuch.h"

namespace corvina {

class CommandBar;
class ContactsPage;
class PhonebookFileCommands;
class PhoneDataTabs;
class Tdruckform;
class ModuleRegistry;
class Tgesamtform;

// What tests replace: the library, the questions, the seams.
struct PhonebookParts {
    PhonebookCalls calls = PhonebookCalls::library();
    std::optional<UserDialogs> dialogs;  // default: message boxes over the window
    PhonebookSeams seams;
};

class Tphonebook_grid : public QWidget {
    Q_OBJECT

  public:
    explicit Tphonebook_grid(Tgesamtform& shell, PhonebookParts parts = PhonebookParts{});
    ~Tphonebook_grid() override;

    // Commands (buttons, menu, keys).
    void DownloadClick();
    void UploadClick();
    void NewEntryClick(const QString& number = {});
    void EditClick();
    // "&Als Kurzwahl" on the current row of the SIM or the phone table.
    void AsSpeedDialClick();
    void CompactClick();
    void DeleteClick();
    void CutClick();
    void CopyClick();
    void PasteClick();
    void GroupClick();
    void SendSmsClick();
    void UndoClick();
    void RedoClick();
    // Opens the print selection dialog for the active table.
    Tdruckform* PrintClick();

    void bindCommands(CommandBar& commands);
    void leave();

    // The memory of the active tab (the SIM's on a tab of no memory).
    uint8_t activeMemory() const;
    bool memoryTabActive() const;
    void setActiveMemory(uint8_t memory);
    PhonebookTable& table(uint8_t memory) { return *tables_.at(memory); }
    PhonebookPage* page(uint8_t memory) const { return pages_.at(memory); }
    QTabWidget* tabs() const { return tabs_; }
    Ttelefonbuch& editor() { return *editor_; }
    Tgruppenwahlform& groupDialog() { return *groups_; }
    PhoneDataTabs& phoneData() { return *phoneData_; }
    PhonebookTransfer& transfer() { return *transfer_; }
    QString capacityText() const { return capacity_->text(); }
    QAction* pasteAction() const { return paste_; }
    QAction* sendSmsAction() const { return sendSms_; }
    QAction* toContactsAction() const { return toContacts_; }
    ContactsPage* contactsPage() const { return contacts_; }
    PhonebookFileCommands& files() const { return *files_; }
    QAction* speedDialAction() const { return speedDial_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QAction* action(const QString& text, const QKeySequence& keys, void (Tphonebook_grid::*slot)());
    void showMenu(const QPoint& at);
    void connectShell();
    void connectTransfer();
    void updateTabs();
    void updateCommands();
    void reloadPages();
    // Shows what the file seams have to tell, in one message.
    void tellFileNotices();
    uint8_t modelNumber() const;
    void afterNotice(const std::function<void()>& go);
    void runOk(EntryEditorRules::Answers answers);
    PhonebookPage& activePage() const { return *pages_.at(activeMemory()); }

    Tgesamtform& shell_;
    PhonebookCalls calls_;
    UserDialogs dialogs_;
    PhonebookSeams seams_;
    std::array<std::unique_ptr<PhonebookTable>, 3> tables_;
    std::array<PhonebookPage*, 3> pages_{};
    QTabWidget* tabs_ = nullptr;
    ContactsPage* contacts_ = nullptr;
    PhonebookFileCommands* files_ = nullptr;
    QLabel* capacity_ = nullptr;
    PhonebookTransfer* transfer_ = nullptr;
    std::unique_ptr<EntryEditorRules> rules_;
    Ttelefonbuch* editor_ = nullptr;
    Tgruppenwahlform* groups_ = nullptr;
    CommandBar* commands_ = nullptr;  // while the window is the active module
    PhoneDataTabs* phoneData_ = nullptr;
    uint8_t lastMemory_ = memSim;  // the memory tab shown last

    EntryEditorRules::Origin origin_;
    std::vector<PhonebookRow> buffer_;
    std::vector<int> groupTargets_;  // locations "Zu Gruppe..." acts on
    uint8_t groupMemory_ = memSim;
    bool shown_ = false;

    QAction* edit_ = nullptr;
    QAction* speedDial_ = nullptr;
    QAction* sendSms_ = nullptr;
    QAction* toContacts_ = nullptr;
    QAction* group_ = nullptr;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* paste_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

// The phonebook window as the module behind the "Telefonbuch" button.
void registerPhonebookModule(ModuleRegistry& registry);

}  // namespace corvina
