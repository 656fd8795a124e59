// The rules of the settings dialog that depend on the connected phone and
// on the stored connection kind.
#pragma once

#include <cstdint>

namespace corvina {

// The three connection choices of the dialog.
enum class ConnectionChoice { Cable, Dlr3, Infrared };

ConnectionChoice choiceOfKind(int kind);
// The kind to store for a choice. "FBUS/Siemens-Datenkabel" covers both
// cable kinds and "Infrarot" both infrared kinds, so a stored kind of the
// chosen group is kept; otherwise the FBUS kind of the group.
int kindOfChoice(ConnectionChoice choice, int storedKind);

// What the dialog shows for the phone in use (connected: its model number;
// nothing connected: kNoModelYet or notConnected).
bool showsDlr3Choice(uint8_t modelNumber, bool notConnected);
bool showsConnectionGroup(uint8_t modelNumber, bool notConnected);
bool showsDataRatePage(uint8_t modelNumber, bool notConnected);

// The data rates of the data rate page, in its order; 19200 when none is chosen.
constexpr int32_t kDataRates[] = {19200, 38400, 57600, 115200};
int32_t dataRateOfChoice(int index);
int dataRateChoice(int32_t rate);  // -1 when the rate is none of them

}  // namespace corvina
