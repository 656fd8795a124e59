#include "corvina/language/textcatalogue.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace corvina {

namespace {

// The C++ escapes a default may use.
QString unescape(const QString& literal) {
    QString text;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        QChar c = literal.at(i);
        if (c == QLatin1Char('\\') && i + 1 < literal.size()) {
            c = literal.at(++i);
            if (c == QLatin1Char('n')) c = QLatin1Char('\n');
        }
        text += c;
    }
    return text;
}

}  // namespace

void collectTexts(const QString& source, TextCatalogue& catalogue) {
    static const QRegularExpression call(
        QStringLiteral(R"re(\btx\(\s*"([^"\\]+)"\s*,\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    auto calls = call.globalMatch(source);
    while (calls.hasNext()) {
        const auto match = calls.next();
        QString text;
        auto parts = literal.globalMatch(match.captured(2));
        while (parts.hasNext()) text += unescape(parts.next().captured(1));
        const QString key = match.captured(1);
        const auto known = catalogue.texts.constFind(key);
        if (known != catalogue.texts.constEnd() && *known != text) {
            catalogue.conflicts << key + QStringLiteral(": ") + *known + QStringLiteral(" | ") +
                                       text;
        }
        catalogue.texts.insert(key, text);
    }
}

TextCatalogue collectTextsBelow(const QString& folder) {
    TextCatalogue catalogue;
    QDirIterator files(folder, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            collectTexts(QString::fromUtf8(file.readAll()), catalogue);
    }
    return catalogue;
}

}  // namespace corvina
