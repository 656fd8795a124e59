#include "corvina/settings/settingsrules.h"

#include "corvina/connection/modelnumbers.h"
#include "phonelib/api/librarystate.h"

namespace corvina {

ConnectionChoice choiceOfKind(int kind) {
    switch (kind) {
        case phonelib::ckAtInfrared:
        case phonelib::ckFbusInfrared:
            return ConnectionChoice::Infrared;
        case phonelib::ckDlr3Cable:
            return ConnectionChoice::Dlr3;
        default:
            return ConnectionChoice::Cable;
    }
}

int kindOfChoice(ConnectionChoice choice, int storedKind) {
    switch (choice) {
        case ConnectionChoice::Infrared:
            return storedKind == phonelib::ckAtInfrared ? storedKind : phonelib::ckFbusInfrared;
        case ConnectionChoice::Dlr3:
            return phonelib::ckDlr3Cable;
        case ConnectionChoice::Cable:
            return storedKind == phonelib::ckAtCable ? storedKind : phonelib::ckFbusCable;
    }
    return phonelib::ckFbusCable;
}

bool showsDlr3Choice(uint8_t modelNumber, bool notConnected) {
    return notConnected || !(isSiemens(modelNumber) || isNokia61xxFamily(modelNumber));
}

bool showsConnectionGroup(uint8_t modelNumber, bool notConnected) {
    return notConnected || !isNokia61xxFamily(modelNumber);
}

bool showsDataRatePage(uint8_t modelNumber, bool notConnected) {
    return !notConnected && lacksDivertsAndProfiles(modelNumber);
}

int32_t dataRateOfChoice(int index) {
    return index >= 0 && index < 4 ? kDataRates[index] : kDataRates[0];
}

int dataRateChoice(int32_t rate) {
    for (int i = 0; i < 4; ++i) {
        if (kDataRates[i] == rate) return i;
    }
    return -1;
}

}  // namespace corvina
