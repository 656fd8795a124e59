#include "corvina/phonebook/files/wapcatalogue.h"

#include <QRegularExpression>
#include <algorithm>

#include "codecs/tools/datafile.h"
#include "corvina/language/language.h"
#include "corvina/phonebook/files/tablegrid.h"

namespace corvina {

WapCatalogueRead WapCatalogue::decode(const QByteArray& bytes, const QString& path) {
    WapCatalogueRead read;
    const QStringList lines =
        decodeTextFile(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    for (qsizetype l = 0; l < lines.size(); ++l) {
        if (lines[l].trimmed().isEmpty()) continue;
        const QStringList fields = lines[l].split(u';');
        const QString category = fields.value(0).trimmed();
        const QString url = fields.value(1).trimmed();
        if (fields.size() != 3 || category.isEmpty() || url.isEmpty()) {
            read.notices.append(
                fileLineText(path, static_cast<int>(l) + 1) +
                tx("telefonbuchdateien_8", "keine Zeile aus Kategorie;Link;Name, übersprungen."));
            continue;
        }
        // A line without a name shows its link, cut like any name.
        const QString given = fields[2].trimmed();
        const QString name = (given.isEmpty() ? url : given).left(kMaxNameLength);
        auto found = std::find_if(read.categories.begin(), read.categories.end(),
                                  [&](const WapCategory& c) { return c.name == category; });
        if (found == read.categories.end())
            found = read.categories.insert(read.categories.end(), {category, {}});
        found->links.push_back({name, url});
    }
    return read;
}

WapCatalogueRead WapCatalogue::load(const QString& path) {
    QString error;
    const std::optional<QByteArray> bytes = readTableFileBytes(path, &error);
    if (!bytes) {
        WapCatalogueRead read;
        read.error = error;
        return read;
    }
    return decode(*bytes, path);
}

WapCatalogueRead WapCatalogue::load() {
    const std::string found = tools::finddatafile("wap links.csv");
    if (found.empty()) {
        WapCatalogueRead read;
        read.error = QString::fromStdString(tools::missingdatafiletext("wap links.csv"));
        return read;
    }
    return load(QString::fromStdString(found));
}

}  // namespace corvina
