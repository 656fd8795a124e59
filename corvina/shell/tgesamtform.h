// The main window: the column of module buttons with settings and help on
// the left, the client area in which the active module window is placed,
// the command buttons of the active module on the right, and the status
// line with the connection picture.
//
// It owns the connection state (the host of the library's notifications),
// the port search, the wait window and the companion windows, runs the
// start (settings, language, first search, connection assistant) and the
// exit (sleep mode, ending the search).
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <array>
#include <map>
#include <memory>

#include "corvina/connection/connectioncontrol.h"
#include "corvina/connection/searchrecord.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/commandline.h"
#include "corvina/shell/moduleregistry.h"
#include "corvina/shell/searchsettings.h"
#include "phonelib/api/phonelib.h"

namespace corvina {

class CommandBar;
class ConnectionIndicator;
class HelpCentre;
class SleepTray;
class Tassi;
class Tbeendenform;
class Thaupteinstellungsform;
class Tsplash;
class Tverbindungshilfe;
class Twarteform;

class Tgesamtform : public QMainWindow {
    Q_OBJECT

  public:
    enum class StatusField { Left, Middle };

    struct Options {
        CommandLine commandLine;
        SearchPort::Dependencies search = searchWithStoredSettings();
        // How the connection state reads the phone's identity.
        ConnectionControl::PhoneInfoQuery phoneInfos = &phonelib::GetPhoneInfos;
        bool splash = true;  // tests start without the splash window
    };

    explicit Tgesamtform(Options options, QWidget* parent = nullptr);
    ~Tgesamtform() override;

    // Program start: status line, settings, language, library defaults,
    // the start-up check and the first search.
    void start();

    ConnectionControl& connection() { return connection_; }
    SearchPort& search() { return *search_; }
    Twarteform& waitWindow() { return *wait_; }
    CommandBar& commandBar() { return *commands_; }
    ModuleRegistry& modules() { return registry_; }

    void setStatusText(StatusField field, const QString& text);
    QString statusText(StatusField field) const;
    QString versionText() const;
    bool showsConnected() const;
    QString connectionText() const;

    QPushButton* moduleButton(Module module) const;
    QPushButton* settingsButton() const { return settingsButton_; }
    // Makes the module active: creates its window on first use, places and
    // shows it, binds its command buttons.
    void selectModule(Module module);
    // The module closed its own window.
    void moduleClosed(Module module);
    QWidget* moduleWindow(Module module) const;
    QWidget* activeModuleWindow() const;
    // Creates every registered module window (the language file generator).
    void createAllModuleWindows();

    // Every window of the program, for the language file: the frame, its
    // companions, the module windows and the dialogs they keep.
    QList<QWidget*> allWindows() const;
    // Loads the language file (a file name such as "english.lng") and
    // applies it to every window.
    void loadLanguage(const QString& fileName);

    Thaupteinstellungsform& settingsDialog() { return *settings_; }
    Tassi& assistant() { return *assistant_; }
    HelpCentre& help() { return *help_; }
    QPushButton* helpButton() const { return helpButton_; }
    // The help page of the active module, or the start page.
    QString activeHelpPage() const;
    // The connection help, with what the port search met so far.
    Tverbindungshilfe& connectionHelp() { return *connectionHelp_; }
    const SearchRecord& searchRecord() const { return searchRecord_; }
    int32_t baudRate() const { return baudRate_; }
    bool sleepMode() const { return sleepMode_; }
    // Ends the program as "&Beenden" in the notification area does.
    void quitProgram();

    // Entry points between modules, which never call each other: the
    // phonebook with a new entry holding the number (from the message
    // centre), the message centre with a new message to the number (from
    // the phonebook). Each selects the module and hands the number on.
    void newPhonebookEntry(const QString& number);
    void newMessageTo(const QString& number);

  signals:
    // The first idle is over: the search made its first pass (or found the
    // phone) and the main window is usable.
    void startupFinished();
    // The search thread has ended; the program is about to quit.
    void shutdownFinished();
    // The settings dialog was closed with OK (the logo module refreshes its
    // view from it).
    void settingsChanged(const corvina::TSettings& settings);
    void phonebookEntryRequested(const QString& number);
    void messageRequested(const QString& number);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildModuleColumn();
    void buildStatusLine();
    void connectSearch();
    void connectConnection();
    bool startupCheck();
    void onDisConnected();
    void OnConnected();
    void updateModuleButtons();
    void layoutModule();
    void firstIdleStep();
    void assistantChosen(int choice);
    void openSettings();
    void settingsSaved(const TSettings& settings, int32_t dataRate);
    void hideToTray();
    void restoreFromTray();
    void beginShutdown();
    // A module with unsaved work holds the end until its user has decided.
    bool moduleHoldsExit();
    void finishShutdown();
    void showConnectionState();
    void showWelcome();
    QString helpPageFor(QWidget* pressedIn) const;
    void openConnectionHelp();

    Options options_;
    ModuleRegistry registry_;
    ConnectionControl connection_;
    std::unique_ptr<SearchPort> search_;
    CommandBar* commands_ = nullptr;
    QWidget* clientArea_ = nullptr;
    QLabel* welcome_ = nullptr;  // the client area while no module shows
    std::array<QPushButton*, kModuleCount> moduleButtons_{};
    QPushButton* settingsButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QLabel* leftStatus_ = nullptr;
    QLabel* middleStatus_ = nullptr;
    QLabel* version_ = nullptr;
    ConnectionIndicator* indicator_ = nullptr;
    Twarteform* wait_ = nullptr;
    Tassi* assistant_ = nullptr;
    Thaupteinstellungsform* settings_ = nullptr;
    Tbeendenform* closing_ = nullptr;
    Tsplash* splash_ = nullptr;
    SleepTray* tray_ = nullptr;
    HelpCentre* help_ = nullptr;
    Tverbindungshilfe* connectionHelp_ = nullptr;
    SearchRecord searchRecord_;

    std::map<Module, QPointer<QWidget>> windows_;
    std::optional<Module> active_;

    int32_t baudRate_ = 0;
    bool sleepMode_ = false;
    bool searchPassEnded_ = false;
    bool firstIdlePending_ = false;
    bool firstRunAssistant_ = false;
    bool tipAfterAssistant_ = false;
    bool quitRequested_ = false;
    bool shuttingDown_ = false;
    bool shutdownDone_ = false;
    bool exitAgreed_ = false;
};

}  // namespace corvina
