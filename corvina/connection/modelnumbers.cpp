#include "corvina/connection/modelnumbers.h"

#include <QByteArray>
#include <array>

namespace corvina {

namespace {

struct Row {
    const char* code;
    uint8_t number;
    const char* name;
};

constexpr std::array<Row, 31> kModels = {{
    {"S25", 0, "Siemens S25"},   {"C35i", 1, "Siemens C35i"},
    {"M35i", 2, "Siemens M35i"}, {"S35i", 3, "Siemens S35i"},
    {"SL45", 4, "Siemens SL45"}, {"SL45i", 5, "Siemens SL45i"},
    {"ME45", 6, "Siemens ME45"}, {"C45", 7, "Siemens C45"},
    {"S45", 8, "Siemens S45"},   {"Siemens S40/S42 PnP", 9, "Siemens S40/S42 PnP"},
    {"NSE-8", 10, "Nokia 3210"}, {"NSK-9", 10, "Nokia 3210"},
    {"NHM-5", 11, "Nokia 3310"}, {"NHM-6", 12, "Nokia 3330"},
    {"NPM-5", 13, "Nokia 5510"}, {"NSE-3", 14, "Nokia 61xx"},
    {"NSK-3", 14, "Nokia 61xx"}, {"NSB-3", 14, "Nokia 61xx"},
    {"NSM-1", 14, "Nokia 61xx"}, {"NSE-1", 15, "Nokia 51xx"},
    {"NSK-1", 15, "Nokia 51xx"}, {"NSB-1", 15, "Nokia 51xx"},
    {"NSB-6", 16, "Nokia 88xx"}, {"NSM-2", 16, "Nokia 88xx"},
    {"NSE-6", 16, "Nokia 88xx"}, {"NSM-3", 17, "Nokia 8210"},
    {"NHM-7", 18, "Nokia 8310"}, {"NPE-3", 19, "Nokia 62xx"},
    {"NHM-3", 19, "Nokia 62xx"}, {"NPE-4", 20, "Nokia 6310"},
    {"NSE-5", 21, "Nokia 7110"},
}};

}  // namespace

ModelNumber modelNumberOf(const std::string& modelCode) {
    for (const auto& row : kModels) {
        if (modelCode == row.code) return {row.number, row.name};
    }
    if (QByteArray::fromStdString(modelCode).toUpper().contains("NOKIA")) return {19, "Nokia 62xx"};
    return {0, "Siemens S25"};
}

bool isSiemens(uint8_t number) {
    return number <= 9;
}
bool isSiemensWithAddressBook(uint8_t number) {
    return number >= 4 && number <= 8;
}
bool isNokia(uint8_t number) {
    return number >= 10 && number <= 21;
}
bool isNokia61xxFamily(uint8_t number) {
    return number >= 10 && number <= 18;
}
bool isNokia7110Family(uint8_t number) {
    return number >= 19 && number <= 21;
}
bool lacksDivertsAndProfiles(uint8_t number) {
    return number >= 6 && number <= 8;
}
bool lacksCalendar(uint8_t number) {
    return number == 10 || number == 15;
}

}  // namespace corvina
