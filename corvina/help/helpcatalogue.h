// The help pages compiled into the program: HTML files below ":/help/<language>/",
// one per window or dialog, in German ("de") and English ("en").
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace corvina {

// The start page's name.
inline const QString kHelpStartPage = QStringLiteral("index");

// "en" while the English language file is loaded, "de" otherwise.
QString helpLanguage();

// Every page in the order of the contents list, the start page first.
QStringList helpPageNames();

// ":/help/de/calendar.html"
QString helpPagePath(const QString& page, const QString& language);
QUrl helpPageUrl(const QString& page, const QString& language);
bool helpPageExists(const QString& page, const QString& language);
// The page name of a help URL ("calendar" for …/calendar.html); empty for others.
QString helpPageOfUrl(const QUrl& url);

// The <title> of the page.
QString helpPageTitle(const QString& page, const QString& language);
// The page's text without markup.
QString helpPageText(const QString& page, const QString& language);

// The pages (in contents order) whose text holds every word of the query,
// in any case. An empty query finds every page.
QStringList searchHelp(const QString& query, const QString& language);

}  // namespace corvina
