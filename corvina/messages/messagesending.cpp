#include "corvina/messages/messagesending.h"

#include "codecs/sms/textparts.h"
#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "corvina/messages/messagetext.h"
#include "phonelib/api/status.h"

namespace corvina {

QString sendResultText(uint8_t result) {
    switch (result) {
        case phonelib::stNoAnswer:
        case 0:
            return tx("sms2_30", "keine Bestätigung vom Telefon");
        case phonelib::stRefused:
            return tx("sms2_31", "vom Telefon abgelehnt");
        case phonelib::stNotConnected:
            return tx("sms2_32", "keine Verbindung zum Telefon");
        case phonelib::stTooLong:
            return tx("sms2_33", "zu lang für das Telefon");
        case phonelib::stBadNumber:
            return tx("sms2_34", "ungültige Nummer");
        case phonelib::stNoServiceCentre:
            return tx("sms2_35", "keine SMS-Zentrale bekannt");
        case phonelib::stNoNetwork:
            return tx("sms2_36", "kein Netz");
        default:
            return tx("sms2_37", "Fehler %1").arg(int{result});
    }
}

GSMSMS messageRecord(const QString& text, const QString& number, const SendOptions& options) {
    GSMSMS message;
    message.serviceCentre = tools::toCp1252(options.centre);
    message.remoteNumber = tools::toCp1252(number);
    message.text = tools::toCp1252(text);
    if (options.allowUnicode) message.utf8Text = text.toStdString();
    message.statusReport = options.statusReport ? 1 : 0;
    message.flash = options.flash ? 1 : 0;
    message.validity = options.validity;
    message.textFlag = 0;
    message.smartKind = 0;
    return message;
}

MessageSending::MessageSending(MessageCalls calls, QStringList recipients, QString text,
                               SendOptions options)
    : calls_(std::move(calls)), text_(std::move(text)), options_(std::move(options)) {
    for (const QString& item : recipients) {
        if (const auto number = recipientNumber(item))
            targets_.push_back({item, *number});
        else
            unusable_ << item;
    }
    const sms::TextPlan plan = sms::plantext(text_, options_.allowUnicode);
    parts_ = plan.partCount();
    tooLong_ = plan.tooLong();
}

SendState MessageSending::finish(SendState state) {
    state_ = state;
    return state_;
}

SendState MessageSending::step() {
    if (state_ != SendState::Running) return state_;
    busy_ = false;
    if (targets_.empty() || tooLong_ || text_.isEmpty()) return finish(SendState::Refused);
    if (linkLost_) return finish(SendState::LinkLost);
    if (cancelled_) return finish(SendState::Cancelled);
    Target& target = targets_[static_cast<size_t>(next_)];
    const uint8_t result =
        calls_.send(messageRecord(text_, target.number, options_), next_ + 1, recipients());
    if (result == phonelib::stCallInProgress) {
        busy_ = true;
        return state_;
    }
    target.result = result;
    if (result == phonelib::stDone) ++reached_;
    ++next_;
    if (result == phonelib::stNotConnected) return finish(SendState::LinkLost);
    if (next_ < recipients()) return state_;
    return finish(reached_ == recipients() && unusable_.isEmpty() ? SendState::Done
                                                                  : SendState::Incomplete);
}

QString MessageSending::statusLine() const {
    if (state_ == SendState::Refused) return summary();
    if (recipients() == 1 && next_ == 1) {
        const Target& only = targets_.front();
        return only.result == phonelib::stDone ? tx("sms3_30", "SMS an ") + only.number +
                                                     tx("sms3_31", " erfolgreich versendet.")
                                               : tx("sms3_32", "Fehler beim Versand der SMS an ") +
                                                     only.number + QLatin1Char('!');
    }
    return tx("sms2_40", "SMS an %1 von %2 Empfängern versendet.")
        .arg(reached_)
        .arg(recipients() + unusable_.size());
}

QString MessageSending::summary() const {
    if (text_.isEmpty()) return tx("sms2_41", "Die Nachricht hat keinen Text.");
    if (tooLong_)
        return tx("sms2_42",
                  "Der Text ergäbe %1 Nachrichten; mehr als 9 kann das Telefon "
                  "nicht zusammenfügen. Es wurde nichts gesendet.")
            .arg(parts_);
    QStringList lines;
    if (targets_.empty()) {
        lines << tx("sms2_43", "Kein Empfänger hat eine gültige Nummer. Es wurde nichts gesendet.");
    } else {
        lines << statusLine();
    }
    for (const QString& item : unusable_)
        lines << tx("sms2_44", "%1: keine gültige Nummer, nicht gesendet").arg(item);
    for (const Target& target : targets_) {
        if (target.result == phonelib::stDone) continue;
        if (&target - targets_.data() >= next_)
            lines << tx("sms2_45", "%1: nicht gesendet (abgebrochen)").arg(target.item);
        else
            lines << tx("sms2_46", "%1: nicht erreicht, %2")
                         .arg(target.item, sendResultText(target.result));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace corvina
