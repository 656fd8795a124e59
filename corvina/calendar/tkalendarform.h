// The calendar window (module "Kalender"): a month calendar with the days
// that have notes and the holidays, month tabs and year, the note list with
// its type filter and the day list, and the commands download, new,
// delete, upload, load, save, calendar folder and print.
//
// The note table is kept in a working copy saved on every change, so
// leaving the module (which closes the window) or the program loses
// nothing. Transfers run step by step under the wait window and can be
// cancelled between two notes; a lost link ends them with one message and
// leaves what was read.
#pragma once

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QSpinBox>
#include <QTreeWidget>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "corvina/calendar/calendarupload.h"
#include "corvina/calendar/notetable.h"

namespace corvina {

class ModuleRegistry;
class Tgesamtform;
class Tkalender_aendern_form;
class Toutlookcal;

class Tkalendarform : public QWidget {
    Q_OBJECT

  public:
    // Command button positions.
    enum Command { Download, New, Delete, Upload, Load, Save, Folder, Print, CommandCount };

    Tkalendarform(Tgesamtform& shell, CalendarCalls calls = CalendarCalls::library());
    ~Tkalendarform() override;

    // The commands.
    void getcalspeed();
    void calnewspeed();
    void deletecalentry();
    void sendcalspeed();
    void loadcalspeed();
    void calexportspeed();
    void caloutlookimport();
    // The print selection of the calendar report.
    void printCalendar();

    // Loading and saving by file name, the format by extension (.cal, .cl2,
    // .ics); the question about overwriting has been answered. Report in
    // message boxes; false when nothing changed or nothing was written.
    bool loadFile(const QString& path);
    bool saveFile(const QString& path);
    // Appends the notes (duplicates skipped, at most 440) and says so.
    void takeOver(const std::vector<CalendarNote>& notes);
    // Exports the table (or one note) into the calendar folder.
    void exportToCalendarFolder(const std::vector<CalendarNote>& notes);
    // Opens the editor for note `index` of the table.
    void editNote(int index);

    const NoteTable& table() const { return table_; }
    bool transferRunning() const { return download_ || upload_; }
    int shownYear() const;
    QCalendarWidget* calendar() const { return calendar_; }
    QListWidget* noteList() const { return noteList_; }
    QTreeWidget* dayList() const { return dayList_; }
    QComboBox* filterBox() const { return filter_; }
    Tkalender_aendern_form* editor() const { return editor_; }
    Toutlookcal* folderWindow() const { return folderWindow_; }
    // The last message box's text (tests read what the user was told).
    QString lastMessage() const { return lastMessage_; }
    // Command states: enabled or not.
    bool commandEnabled(Command command) const { return enabled_[command]; }

    // Puts the commands on the main window's buttons.
    void bindCommands();
    // The states of the commands after every change.
    void enable_buttons();

  signals:
    void transferFinished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildLists(QWidget* parent);
    void changed();  // the table changed: sort, save, show
    void showTable();
    void indieauswahlliste();
    void markiere_tage();
    void fillFilter();
    void showMonth(int year, int month);
    void daySelected(const QDate& day);
    void noteRowChosen(int row);
    void dayRowChosen();
    std::optional<int> selectedNote() const;
    void newNote();
    void stored(const CalendarNote& note, int index);
    void startDownload();
    void startUpload();
    // The wait window with "Abbrechen", then the first step.
    void beginTransfer();
    void runStep();
    void endTransfer();
    void ask(const QString& text, std::function<void()> then);
    void tell(QMessageBox::Icon icon, const QString& text);
    void setStatus(const QString& text);
    void popupMenu(QWidget* list, const QPoint& at);
    uint8_t model() const;

    Tgesamtform& shell_;
    CalendarCalls calls_;
    NoteTable table_;
    int typeFilter_ = -1;
    std::vector<int> noteRows_;
    std::vector<int> dayRows_;
    bool linking_ = false;
    std::array<bool, CommandCount> enabled_{};

    std::unique_ptr<CalendarDownload> download_;
    std::unique_ptr<CalendarUpload> upload_;

    QCalendarWidget* calendar_ = nullptr;
    QButtonGroup* months_ = nullptr;
    QSpinBox* year_ = nullptr;
    QComboBox* filter_ = nullptr;
    QListWidget* noteList_ = nullptr;
    QTreeWidget* dayList_ = nullptr;
    Tkalender_aendern_form* editor_ = nullptr;
    Toutlookcal* folderWindow_ = nullptr;
    QString lastMessage_;
};

// The calendar window as the module behind the "Kalender" button.
void registerCalendarModule(ModuleRegistry& registry);

}  // namespace corvina
