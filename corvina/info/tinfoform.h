// The phone information window: identity, battery and signal, operator
// and cell of the connected phone. It refreshes on every keep-alive cycle
// while it is visible, and saves what it shows to a text file.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "corvina/info/phoneinformation.h"

namespace corvina {

class ModuleRegistry;
class Tgesamtform;

class Tinfoform : public QWidget {
    Q_OBJECT

  public:
    Tinfoform(Tgesamtform& shell, PhoneQueries queries = PhoneQueries::library());

    // A keep-alive cycle ended: refresh, but only while visible.
    void UpdatePhoneStatus();
    // Saves to the file; reports a failure in a message box.
    bool saveTo(const QString& path);

    const PhoneInformation& information() const { return information_; }
    int signalGauge() const { return level_->value(); }
    int batteryGauge() const { return battery_->value(); }

  signals:
    void closed();

  private:
    void SpeichernClick();
    void SchliessenClick();
    void showFields(const PhoneInformationFields& fields);

    Tgesamtform& shell_;
    PhoneInformation information_;
    QLabel* model_ = nullptr;
    QLabel* imei_ = nullptr;
    QLabel* production_ = nullptr;
    QLabel* softversion_ = nullptr;
    QLabel* hardversion_ = nullptr;
    QLabel* providername_ = nullptr;
    QLabel* lac_ = nullptr;
    QLabel* cellid_ = nullptr;
    QProgressBar* level_ = nullptr;
    QProgressBar* battery_ = nullptr;
};

// The information window as the module behind the "Info" button.
void registerInformationModule(ModuleRegistry& registry);

}  // namespace corvina
