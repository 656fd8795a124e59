#include "corvina/messages/messagetext.h"

#include <algorithm>

#include "codecs/tools/phonenumbers.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr QStringView kLatinSigns = u"¡¤¥§¿ÄÅÆÇÉÑÖØÜßàäåæèéìñòöøùü";
constexpr QStringView kPunctuation = u"!\"#$%&'()*+,-./:;<=>?_[]";

}  // namespace

bool allowedInMessage(QChar character) {
    const char16_t c = character.unicode();
    if (c == u'\r' || c == u'\n' || c == u' ') return true;
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
        return true;
    return kPunctuation.contains(character) || kLatinSigns.contains(character);
}

QString filterMessageText(const QString& text, bool allowUnicode, int* cursor) {
    if (allowUnicode) return text;
    QString kept;
    kept.reserve(text.size());
    int moved = cursor ? *cursor : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (allowedInMessage(text[i])) {
            kept += text[i];
        } else if (cursor && i < *cursor) {
            --moved;
        }
    }
    if (cursor) *cursor = moved;
    return kept;
}

MessageCounters countMessage(const QString& text, int recipients, bool allowUnicode) {
    const sms::TextPlan plan = sms::plantext(text, allowUnicode);
    MessageCounters counters;
    counters.freeCharacters = plan.freeCharacters;
    counters.messages = plan.partCount();
    counters.recipients = recipients;
    counters.total = plan.partCount() * std::max(recipients, 1);
    counters.coding = plan.coding;
    counters.tooLong = plan.tooLong();
    return counters;
}

QString codingName(sms::TextCoding coding) {
    return coding == sms::TextCoding::Ucs2 ? tx("sms2_1", "Unicode") : tx("sms2_2", "GSM 7-Bit");
}

std::optional<QString> recipientNumber(const QString& item) {
    QString number = item.trimmed();
    const qsizetype open = item.indexOf(QLatin1Char('['));
    if (open >= 0) {
        const qsizetype close = item.indexOf(QLatin1Char(']'), open);
        if (close < 0) return std::nullopt;
        number = item.mid(open + 1, close - open - 1).trimmed();
    }
    std::string digits = number.toStdString();
    if (digits.empty() || tools::formatnumber(digits) < 0) return std::nullopt;
    return QString::fromStdString(digits);
}

bool addRecipient(QStringList& list, const QString& typed) {
    const QString item = typed.trimmed();
    if (item.contains(QLatin1Char(':'))) return false;
    const auto number = recipientNumber(item);
    if (!number) return false;
    for (const QString& present : list) {
        if (recipientNumber(present) == number) return false;
    }
    list << item;
    return true;
}

}  // namespace corvina
