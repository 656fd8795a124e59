// The profile window (module "Profile"): the phone's profiles in a list, read
// when the window shows, when a phone connects while it shows, and on
// "Download". A double click or Enter on a row opens the editor; "Kopieren
// nach…" writes one profile's settings to another; "Speichern" writes the
// list as a text file.
#pragma once

#include <QPointer>
#include <QTableWidget>
#include <QWidget>

#include "corvina/profiles/profilebook.h"
#include "corvina/profiles/tprofedit.h"

namespace corvina {

class CommandBar;
class ModuleRegistry;
class Tgesamtform;

class Tprofilform : public QWidget {
    Q_OBJECT

  public:
    Tprofilform(Tgesamtform& shell, ProfileLibrary library = ProfileLibrary::library());

    void bindCommands(CommandBar& commands);

    // The commands, as their buttons run them.
    void DownloadClick();
    // Opens the editor for the row (nothing for a row that was not read).
    Tprofedit* editRow(int row);
    // Asks for the profile to copy the selected row's settings to.
    void KopierenClick();
    void copyRow(int from, int to);
    void SpeichernClick();
    bool saveTo(const QString& path);

    ProfileBook& book() { return book_; }
    QTableWidget* grid() const { return grid_; }
    Tprofedit* editor() const { return editor_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void startRead();
    void showRow(int row);
    void beginWrite();
    void writeFinished(const ProfileWrite& result);
    void callsFinished();
    void linkLost();
    void setStatus(const QString& text);

    Tgesamtform& shell_;
    ProfileBook book_;
    QTableWidget* grid_ = nullptr;
    QPointer<Tprofedit> editor_;
    bool linkLost_ = false;
};

// The profile window as the module behind the "Profile" button.
void registerProfileModule(ModuleRegistry& registry);

}  // namespace corvina
