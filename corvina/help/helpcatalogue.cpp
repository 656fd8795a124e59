#include "corvina/help/helpcatalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "corvina/language/language.h"

namespace corvina {

namespace {

QString pageSource(const QString& page, const QString& language) {
    QFile file(helpPagePath(page, language));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

QString helpLanguage() {
    return Language::current().name().compare(QLatin1String("english"), Qt::CaseInsensitive) == 0
               ? QStringLiteral("en")
               : QStringLiteral("de");
}

QStringList helpPageNames() {
    return {kHelpStartPage,
            QStringLiteral("main"),
            QStringLiteral("connection"),
            QStringLiteral("settings"),
            QStringLiteral("info"),
            QStringLiteral("phonebook"),
            QStringLiteral("entryeditor"),
            QStringLiteral("messages"),
            QStringLiteral("logos"),
            QStringLiteral("logoeditor"),
            QStringLiteral("ringtones"),
            QStringLiteral("calendar"),
            QStringLiteral("noteeditor"),
            QStringLiteral("profiles"),
            QStringLiteral("diverts"),
            QStringLiteral("print"),
            QStringLiteral("tip")};
}

QString helpPagePath(const QString& page, const QString& language) {
    return QStringLiteral(":/help/") + language + QLatin1Char('/') + page + QStringLiteral(".html");
}

QUrl helpPageUrl(const QString& page, const QString& language) {
    return QUrl(QStringLiteral("qrc") + helpPagePath(page, language));
}

bool helpPageExists(const QString& page, const QString& language) {
    return !page.isEmpty() && QFile::exists(helpPagePath(page, language));
}

QString helpPageOfUrl(const QUrl& url) {
    const QString file = url.fileName();
    if (!url.path().startsWith(QLatin1String("/help/")) || !file.endsWith(QLatin1String(".html")))
        return {};
    return file.chopped(5);
}

QString helpPageTitle(const QString& page, const QString& language) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const auto match = title.match(pageSource(page, language));
    return match.hasMatch() ? match.captured(1).trimmed() : page;
}

QString helpPageText(const QString& page, const QString& language) {
    return QTextDocumentFragment::fromHtml(pageSource(page, language)).toPlainText();
}

QStringList searchHelp(const QString& query, const QString& language) {
    const QStringList words =
        query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QStringList found;
    for (const QString& page : helpPageNames()) {
        const QString text = helpPageText(page, language);
        const bool all = std::all_of(words.begin(), words.end(), [&text](const QString& word) {
            return text.contains(word, Qt::CaseInsensitive);
        });
        if (all) found << page;
    }
    return found;
}

}  // namespace corvina
