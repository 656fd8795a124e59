// The message window (module "SMS"): the page "Erstellen" composes a text
// for the recipients of the list and sends it, with templates and saved
// recipient lists; the page "Ordner" shows the messages read from the
// phone, by folder, and deletes, moves, copies, answers and saves them.
//
// Sending and reading run step by step under the wait window; both can be
// cancelled between two recipients or messages. A lost link ends them with
// one message and leaves what was read.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>
#include <array>
#include <deque>
#include <functional>
#include <memory>

#include "corvina/messages/messagecalls.h"
#include "corvina/messages/messagefiles.h"
#include "corvina/messages/messagereading.h"
#include "corvina/messages/messagesending.h"
#include "corvina/messages/messagestore.h"

namespace corvina {

class ModuleRegistry;
class Tgesamtform;
class Tsmsvorlageform;
class Tempflistenform;
class Tsmspickform;

class Tsmsform : public QWidget {
    Q_OBJECT

  public:
    // Command button positions.
    enum Command { Send, Read, Delete, Save, Print, CommandCount };
    enum class Page { Compose = 0, Folders = 1 };

    Tsmsform(Tgesamtform& shell, MessageCalls calls = MessageCalls::library());
    ~Tsmsform() override;

    // The commands.
    void sendsms();
    void readsms();
    void deleteMessage();
    void saveMessages();
    void printMessages();
    // Saves the rows shown into the file (.csv as CSV, otherwise as text).
    bool saveMessagesTo(const QString& path);

    // Entry point: a new message to the number (as if typed and Enter).
    void newMessageTo(const QString& number);
    // Enter in the new-recipient field.
    bool addTypedRecipient();
    // The button beside it: a saved phonebook file, then one of its numbers.
    void pickFromPhonebook();
    void pickFromFile(const QString& path);
    void answerSelected();
    void toPhonebook();
    // The phone tells of a message that came in: it is read into the store
    // and shown (after a running transfer, when one runs).
    void messageArrived(int location, int folder);
    // Moves or copies the selected message into the folder (folder phones).
    void moveSelected(int targetFolderId, bool copy);

    // Templates and recipient lists.
    void saveAsTemplate(const QString& name);
    void changeTemplate(int index, const QString& name);
    void deleteTemplate(int index);
    void saveRecipientList(const QString& name);
    void deleteRecipientList(int index);
    void appendRecipientList(int index);

    void setPage(Page page);
    bool transferRunning() const { return sending_ || reading_; }
    const MessageStore& store() const { return store_; }
    QStringList recipients() const;
    QListWidget* recipientList() const { return recipients_; }
    QLineEdit* newRecipient() const { return newRecipient_; }
    QPlainTextEdit* textField() const { return text_; }
    QTableWidget* table() const { return table_; }
    QComboBox* folderChoice() const { return folders_; }
    QListWidget* templateList() const { return templates_; }
    QCheckBox* unicodeBox() const { return unicode_; }
    const std::vector<MessageTemplate>& templates() const { return templateRecords_; }
    const std::vector<RecipientList>& recipientLists() const { return listRecords_; }
    Tsmsvorlageform* templateDialog() const { return templateDialog_; }
    Tempflistenform* listDialog() const { return listDialog_; }
    Tsmspickform* pickDialog() const { return pickDialog_; }
    QString counterText(const char* name) const;
    // The last message box's text (tests read what the user was told).
    QString lastMessage() const { return lastMessage_; }
    bool commandEnabled(Command command) const { return enabled_[command]; }

    void bindCommands();
    void enable_buttons();
    void setTemplatePath(const QString& path);
    void setListPath(const QString& path);

  signals:
    void transferFinished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildComposePage();
    QWidget* buildFolderPage();
    void textChanged();
    void updateCounters();
    void startSending(const QString& centre);
    void beginTransfer(bool sending);
    void runStep();
    void endTransfer();
    void readArrivals();
    void fillFolderChoice();
    void fillTable();
    const MessageRow* selectedRow() const;
    int selectedEntry() const;
    QString rowText(const MessageRow& row) const;
    // Deletes these store entries on the phone and from the store.
    void deleteParts(std::vector<int> parts);
    // One store entry into the folder; false when it stopped (and said why).
    bool moveEntry(int entry, int targetFolderId, bool copy);
    void showSelected();
    void loadTemplates();
    void loadLists();
    bool storeTemplates(std::vector<MessageTemplate> records);
    bool storeLists(std::vector<RecipientList> lists);
    void confirmOverwrite(bool damaged, const QString& file, std::function<void()> then);
    void tell(QMessageBox::Icon icon, const QString& text);
    void ask(const QString& text, std::function<void()> then);
    void setStatus(const QString& text);
    void textMenu(const QPoint& at);
    void templateMenu(const QPoint& at);
    void recipientMenu(const QPoint& at);
    void tableMenu(const QPoint& at);
    // The message text for a template: its first 255 characters, after a
    // notice when it is longer.
    QString templateText();
    uint8_t model() const;

    Tgesamtform& shell_;
    MessageCalls calls_;
    MessageStore store_;
    bool downloaded_ = false;
    std::vector<MessageRow> rows_;              // what each table row shows
    std::deque<std::pair<int, int>> arrivals_;  // folder, location: not read yet
    std::unique_ptr<MessageSending> sending_;
    std::unique_ptr<MessageReading> reading_;
    std::array<bool, CommandCount> enabled_{};
    QString templatePath_, listPath_;
    std::vector<MessageTemplate> templateRecords_;
    std::vector<RecipientList> listRecords_;
    bool templatesReadable_ = true, listsReadable_ = true;
    bool templatesDamaged_ = false, listsDamaged_ = false;
    bool filtering_ = false;

    QTabWidget* pages_ = nullptr;
    QListWidget* recipients_ = nullptr;
    QLineEdit* newRecipient_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* free_ = nullptr;
    QLabel* parts_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* coding_ = nullptr;
    QCheckBox* flash_ = nullptr;
    QCheckBox* report_ = nullptr;
    QCheckBox* unicode_ = nullptr;
    QListWidget* templates_ = nullptr;
    QPlainTextEdit* templatePreview_ = nullptr;
    QComboBox* folders_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPlainTextEdit* preview_ = nullptr;
    Tsmsvorlageform* templateDialog_ = nullptr;
    Tempflistenform* listDialog_ = nullptr;
    Tsmspickform* pickDialog_ = nullptr;
    QString lastMessage_;
};

// The message window as the module behind the "SMS" button.
void registerMessageModule(ModuleRegistry& registry);

}  // namespace corvina
