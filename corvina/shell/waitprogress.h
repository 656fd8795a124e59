// What the wait window shows for the two progress notifications: short
// message sending (0x469) and call-divert setting (0x46A).
#pragma once

#include <QString>
#include <cstdint>

namespace corvina {

// The four decimal fields of the sending progress value: part index +
// 10 x part count + 100 x recipient index + 100000 x recipient count.
struct SmsProgress {
    int recipientCount = 0;
    int recipientIndex = 0;
    int partCount = 0;
    int partIndex = 0;
};

// Takes the fields apart by repeated subtraction while the rest exceeds
// the field's unit. Part counts up to 9 fit the encoding.
SmsProgress decodeSmsProgress(int64_t value);

// Sending states of the progress notification's lParam.
enum SmsState : int {
    smsNetworkRequest = 0,  // "Netzanfrage"
    smsSent = 1,            // "gesendet..."
    smsNotSent = 2,         // "nicht gesendet"
    smsTimeout = 3,         // "Timeout"
};

struct SmsProgressTexts {
    QString parts;       // "1 / 2"
    QString recipients;  // "1 / 3"
    QString state;
    // The transfer is over: the last part went to the last recipient, or a
    // part failed (which ends the sending).
    bool finished = false;
    // Whether the window lingers before it hides (not for one recipient).
    bool lingers = false;
};

SmsProgressTexts smsProgressTexts(int64_t value, int state);

// Divert progress: the divert's call type ("Sprache", "Daten", "Fax") and
// its condition ("jeden Anruf..." ...). Unknown values give empty texts.
QString divertTypeText(int type);
QString divertConditionText(int condition);

}  // namespace corvina
