// The call divert window (module "Rufumleitung"), a window of its own: the
// twelve diverts (voice, data, fax by reason) and the three no-reply delays.
// A click on a class's header reads that class; entering a number in a cell
// (Enter, or leaving a changed cell) sets that divert, choosing "nicht
// aktiviert" switches it off, choosing a delay writes the no-reply divert
// again. "Alle abfragen" reads all twelve, "Alle aus" switches every divert
// off after one question, "Speichern" writes the diverts as a text file.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <array>

#include "corvina/diverts/divertbook.h"

namespace corvina {

class ModuleRegistry;
class Tgesamtform;

class Tumleitform : public QWidget {
    Q_OBJECT

  public:
    Tumleitform(Tgesamtform& shell, DivertLibrary library);

    void queryClass(int callClass);
    void AlleAbfragenClick();
    // Asks first; the question box is returned.
    QWidget* AlleAusClick();
    void SchliessenClick();
    bool saveTo(const QString& path);
    // What the user does in a cell, as the cell's signals run it.
    void numberEntered(int callClass, int reason, const QString& text);
    void notActiveChosen(int callClass, int reason);
    void delayChosen(int callClass, int32_t seconds);

    DivertBook& book() { return book_; }
    QComboBox* cellBox(int callClass, int reason) const;
    QComboBox* delayBox(int callClass) const;
    QTableWidget* grid() const { return grid_; }
    QString statusText() const { return status_->text(); }

  signals:
    void closed();

  private:
    void buildCell(int callClass, int reason);
    void buildDelay(int callClass);
    void cellEdited(int callClass, int reason);
    void showCell(int callClass, int reason);
    void showDelay(int callClass);
    bool startAction();
    void finished(const DivertOutcome& outcome);
    void linkLost();
    void setStatus(const QString& text);
    void SpeichernClick();

    Tgesamtform& shell_;
    DivertBook book_;
    QTableWidget* grid_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<std::array<QComboBox*, kReasons>, kCallClasses> cells_{};
    std::array<QComboBox*, kCallClasses> delays_{};
    bool linkLost_ = false;
};

// The divert window as the module behind the "Rufumleitung" button.
void registerDivertModule(ModuleRegistry& registry);

}  // namespace corvina
