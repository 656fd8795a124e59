// The phone-data tabs of the phonebook window ("Wap-Links", "Kurzwahl",
// "Angenommene", "Verpasste", "Gewählte") and what the window's commands
// do on them: Download and Upload of the WAP bookmarks, "Neuer Eintrag" on
// the WAP tab, the call lists read whenever their tab shows.
#pragma once

#include <QObject>
#include <QTabWidget>
#include <array>
#include <functional>
#include <memory>

#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "corvina/phonebook/phonedatapages.h"

namespace corvina {

class Tgesamtform;

class PhoneDataTabs : public QObject {
    Q_OBJECT

  public:
    // Adds the tabs to `tabs`; `dialogs` shows the questions of the speed
    // dials and the messages of the transfers.
    PhoneDataTabs(Tgesamtform& shell, QTabWidget& tabs, PhonebookCalls calls, UserDialogs dialogs,
                  QWidget* window);

    std::shared_ptr<SpeedDials> speedDials() const { return speedDials_; }
    CallLists& callLists() { return callLists_; }
    WapBookmarks& wap() { return wap_; }
    SpeedDialPage* speedDialPage() const { return speedDialPage_; }
    CallListPage* callListPage(uint8_t memory) const;
    WapPage* wapPage() const { return wapPage_; }
    TwapEditor& wapEditor() { return *wapEditor_; }

    // Whether the current tab is one of these.
    bool active() const;
    bool running() const { return callLists_.running() || wap_.running(); }
    // Shows or hides the tabs for the phone of this model number.
    void updateTabs(uint8_t modelNumber);
    // Which of New, Download, Upload the current tab offers.
    struct Offers {
        bool newEntry = false;
        bool download = false;
        bool upload = false;
    };
    Offers offers() const;

    void download();
    void upload();
    void newEntry();
    // The WAP rows changed outside the tab (a list loaded): show them.
    void showWapRows();

    // Whether the window runs a transfer of its own (nothing starts then).
    std::function<bool()> otherWorkRunning;

  signals:
    void runningChanged();
    // "In Telefonbuch übernehmen": a new entry for this call.
    void takeOverRequested(const QString& name, const QString& number);

  private:
    void tabShown(QWidget* page);
    void readCallList(CallListPage* page);
    void editWap(int row);
    void begin(const QString& heading);
    void end(const QString& message);

    Tgesamtform& shell_;
    QTabWidget& tabs_;
    UserDialogs dialogs_;
    QWidget* window_;
    std::shared_ptr<SpeedDials> speedDials_;
    CallLists callLists_;
    WapBookmarks wap_;
    SpeedDialPage* speedDialPage_ = nullptr;
    std::array<CallListPage*, 3> callListPages_{};
    WapPage* wapPage_ = nullptr;
    TwapEditor* wapEditor_ = nullptr;
    bool catalogueTold_ = false;
};

}  // namespace corvina
