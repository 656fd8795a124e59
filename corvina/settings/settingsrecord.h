// The program's settings, read and written as a whole.
//
// They live in an INI file in the user's configuration directory
// (organisation "Ardentia", application "CORVINA"), group "SIEMENS/2.1",
// under the value names older versions used.
#pragma once

#include <QSettings>
#include <QString>
#include <cstdint>
#include <memory>

namespace corvina {

struct TSettings {
    int lastModel = 1;             // "LastModel": connection kind of the last successful search
    QString comport;               // "Comport": full device name of that search
    QString comportIndex;          // "Comportlistboxnummer": index in the dialog's port list
    int32_t speed = 0;             // "Speed": AT data rate; 0 counts as 19200
    QString language;              // "Sprache": language file name, e.g. "german.lng"
    QString operatorCountry;       // "Operator-Land": country code of the default operator
    QString operatorNet;           // "Operator-Net": network code of the default operator
    QString operatorIndex;         // "Operatorlistboxnummer": index in the dialog's operator list
    QString smsCentre;             // "Smszentrale": empty = the phone's own
    QString logoFolder;            // "Standard-Logoverzeichniss"
    QString phonebookFolder;       // "sms-start-verzeichniss"
    bool smallPictureSms = false;  // "Picturesms_groesse": "klein" (72 x 14) or "gross" (72 x 28)
    bool sleepMode = false;        // "SleepMode"
    QString programFolder;         // "Programmpfad", read only; always ends in '/'
    bool fixed = false;            // "fixed", read only

    // Not stored: the operator code (country code and two-digit network
    // code) and its name from the operator table.
    QString operatorCode;
    QString operatorName;

    bool hasLastModel = false;  // whether "LastModel" was stored at all
};

// The settings store of the user: QSettings in INI format.
std::unique_ptr<QSettings> openSettingsStore();

TSettings readSettings(QSettings& store);
void writeSettings(QSettings& store, const TSettings& settings);

// Convenience: read from and write to the user's store.
TSettings readSettings();
void writeSettings(const TSettings& settings);

}  // namespace corvina
