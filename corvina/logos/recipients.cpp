#include "corvina/logos/recipients.h"

#include <QRegularExpression>
#include <array>

#include "codecs/tools/phonenumbers.h"

namespace corvina {

namespace {

struct Prefix {
    const char* digits;
    const char* code;
};

constexpr std::array<Prefix, 12> kPrefixes = {{
    {"160", "26201"},
    {"170", "26201"},
    {"171", "26201"},
    {"175", "26201"},
    {"162", "26202"},
    {"172", "26202"},
    {"173", "26202"},
    {"174", "26202"},
    {"177", "26203"},
    {"178", "26203"},
    {"176", "26207"},
    {"179", "26207"},
}};

QString withoutSeparators(QString number) {
    static const QRegularExpression separators(QStringLiteral("[\\s/\\-()]"));
    return number.remove(separators);
}

}  // namespace

QString operatorCodeForNumber(const QString& number) {
    QString digits = withoutSeparators(number);
    for (const char* country : {"+49", "0049", "0"}) {
        if (digits.startsWith(QLatin1String(country))) {
            digits = digits.mid(static_cast<qsizetype>(qstrlen(country)));
            break;
        }
    }
    for (const Prefix& prefix : kPrefixes) {
        if (digits.startsWith(QLatin1String(prefix.digits))) return QLatin1String(prefix.code);
    }
    return {};
}

QString usableRecipient(const QString& typed) {
    std::string number = withoutSeparators(typed).toStdString();
    if (tools::formatnumber(number) < 0) return {};
    return QString::fromStdString(number);
}

QString operatorCodeText(const OperatorEntry& entry) {
    if (!entry.code.isEmpty() && entry.code.front().isDigit()) return entry.code;
    bool countryOk = false;
    bool netOk = false;
    const int country = entry.country.toInt(&countryOk);
    const int net = entry.net.toInt(&netOk);
    if (!countryOk || !netOk) return {};
    return QString::number(country) + QString::number(net).rightJustified(2, QLatin1Char('0'));
}

}  // namespace corvina
