#include "corvina/shell/waitprogress.h"

#include "corvina/language/language.h"

namespace corvina {

namespace {

// How often `unit` can be taken from `rest` while the rest exceeds it.
int takeField(int64_t& rest, int64_t unit) {
    int count = 0;
    while (rest > unit) {
        rest -= unit;
        ++count;
    }
    return count;
}

QString pair(int index, int count) {
    return QString::number(index) + QStringLiteral(" / ") + QString::number(count);
}

QString stateText(int state) {
    switch (state) {
        case smsNetworkRequest:
            return tx("warte_10", "Netzanfrage");
        case smsSent:
            return tx("warte_11", "gesendet...");
        case smsNotSent:
            return tx("warte_12", "nicht gesendet");
        case smsTimeout:
            return tx("warte2_1", "Timeout");
        default:
            return {};
    }
}

}  // namespace

SmsProgress decodeSmsProgress(int64_t value) {
    SmsProgress progress;
    int64_t rest = value;
    progress.recipientCount = takeField(rest, 100000);
    progress.recipientIndex = takeField(rest, 100);
    progress.partCount = takeField(rest, 10);
    progress.partIndex = static_cast<int>(rest);
    return progress;
}

SmsProgressTexts smsProgressTexts(int64_t value, int state) {
    const SmsProgress p = decodeSmsProgress(value);
    SmsProgressTexts texts;
    texts.parts = pair(p.partIndex, p.partCount);
    texts.recipients = pair(p.recipientIndex, p.recipientCount);
    texts.state = stateText(state);
    const bool lastOne = p.partIndex >= p.partCount && p.recipientIndex >= p.recipientCount;
    texts.finished = (state == smsSent && lastOne) || state == smsNotSent || state == smsTimeout;
    texts.lingers = p.recipientCount > 1;
    return texts;
}

QString divertTypeText(int type) {
    switch (type) {
        case 1:
            return tx("warte_1", "Sprache");
        case 2:
            return tx("warte_2", "Daten");
        case 3:
            return tx("warte_3", "Fax");
        default:
            return {};
    }
}

QString divertConditionText(int condition) {
    switch (condition) {
        case 1:
            return tx("warte_4", "jeden Anruf...");
        case 2:
            return tx("warte_5", "wenn besetzt...");
        case 3:
            return tx("warte_6", "wenn nicht") + QLatin1Char('\n') + tx("warte_7", "erreichbar...");
        case 4:
            return tx("warte_8", "wenn keine") + QLatin1Char('\n') + tx("warte_9", "Rufannahme...");
        default:
            return {};
    }
}

}  // namespace corvina
