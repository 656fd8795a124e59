// The phone information shown by the information window: identity, battery
// and signal, operator and cell, refreshed from the library, and the text
// file it can be saved to.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "records/typendefinitionen.h"

namespace corvina {

// The library queries of a refresh; tests replace them.
struct PhoneQueries {
    std::function<uint8_t(TPhoneStatus&)> status;
    std::function<uint8_t(TPhoneInfo&)> info;
    std::function<uint8_t(TNetWorkInfo&)> network;

    static PhoneQueries library();
};

struct PhoneInformationFields {
    QString model;
    QString imei;
    QString production;
    QString softwareVersion;
    QString hardwareVersion;
    QString operatorName;
    QString areaCode;
    QString cellId;
    int signalPercent = 0;
    int batteryPercent = 0;
};

class PhoneInformation {
  public:
    explicit PhoneInformation(PhoneQueries queries = PhoneQueries::library());

    // Status, identity and network in that order. The identity and the
    // gauges follow whatever the library gave; the network fields change
    // only when the network query succeeded. Returns false, with nothing
    // changed, when the library was busy with another call of this thread.
    bool refresh();

    const PhoneInformationFields& fields() const { return fields_; }

  private:
    PhoneQueries queries_;
    PhoneInformationFields fields_;
};

// The shown placeholder before the first refresh.
QString unknownText();
PhoneInformationFields unknownFields();

// The twelve lines of the information file.
QStringList informationFileLines(const PhoneInformationFields& fields);

// Writes the lines as Windows-1252 text with CR LF line ends, through a
// temporary file; false when the file cannot be written.
bool saveInformationFile(const QString& path, const PhoneInformationFields& fields);

}  // namespace corvina
