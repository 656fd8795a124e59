// The keyed texts the program's sources look up, collected from the
// sources themselves: every call of tx with a key and a default, both string
// literals (adjacent literals are joined). The language file
// generator and its completeness test use it.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace corvina {

struct TextCatalogue {
    QMap<QString, QString> texts;  // key -> German default
    // Keys found with two different defaults, "key: one | other".
    QStringList conflicts;
};

// Collects the lookups of one source text.
void collectTexts(const QString& source, TextCatalogue& catalogue);
// Collects the lookups of every .cpp and .h file below the folder.
TextCatalogue collectTextsBelow(const QString& folder);

}  // namespace corvina
