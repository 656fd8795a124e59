// The calendar folder window: the events of the .ics files in the calendar
// folder, with how each would become notes (or why not). Marked rows are
// dragged onto the calendar window's note list or taken by "Übernehmen";
// "Alle exportieren" writes the whole table into the folder.
#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <functional>

#include "corvina/calendar/calendarfolder.h"
#include "corvina/calendar/notetable.h"

namespace corvina {

// The drag format of marked rows (only this window offers it).
inline constexpr const char* kFolderRowsMime = "application/x-corvina-kalenderordner";

class Toutlookcal : public QWidget {
    Q_OBJECT

  public:
    // `model` gives the connected model number; `table` the notes to compare with.
    Toutlookcal(QWidget* parent, std::function<uint8_t()> model,
                std::function<const NoteTable&()> table);

    // Reads the folder again.
    void refresh();
    const QString& folder() const { return folder_; }
    void setFolder(const QString& folder);
    const FolderListing& listing() const { return listing_; }
    QTableWidget* grid() const { return grid_; }
    // The notes of the marked rows (of the rows given by a drag).
    std::vector<CalendarNote> notesOfRows(const QList<int>& rows) const;
    QList<int> markedRows() const;

  signals:
    void takeOverRequested(const std::vector<corvina::CalendarNote>& notes);
    void exportRequested();

  private:
    void chooseFolder();

    std::function<uint8_t()> model_;
    std::function<const NoteTable&()> table_;
    QString folder_;
    FolderListing listing_;
    QLabel* folderLabel_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace corvina
