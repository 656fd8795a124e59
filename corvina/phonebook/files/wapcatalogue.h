// The WAP link catalogue "wap links.csv": one link per line, three fields
// separated by ";": category, link, display name (cut to 100 characters).
// The user's changed copy wins over the shipped one, as for the operator
// table. Categories keep the order of their first line.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace corvina {

struct WapLink {
    QString name;
    QString url;
    bool operator==(const WapLink&) const = default;
};

struct WapCategory {
    QString name;
    std::vector<WapLink> links;
    bool operator==(const WapCategory&) const = default;
};

struct WapCatalogueRead {
    std::vector<WapCategory> categories;
    QString error;        // the file is missing or unreadable
    QStringList notices;  // lines skipped, each named
};

class WapCatalogue {
  public:
    static constexpr int kMaxNameLength = 100;
    static WapCatalogueRead decode(const QByteArray& bytes, const QString& path);
    // The catalogue found among the data folders.
    static WapCatalogueRead load();
    static WapCatalogueRead load(const QString& path);
};

}  // namespace corvina
