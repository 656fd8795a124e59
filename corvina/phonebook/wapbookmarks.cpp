#include "corvina/phonebook/wapbookmarks.h"

#include <QRegularExpression>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"
#include "corvina/phonebook/phonebooktransfer.h"
#include "corvina/phonebook/uploadchecks.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

const QString kHttp = QStringLiteral("http://");

bool namesScheme(const QString& link) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return scheme.match(link).hasMatch();
}

QString downloadFirst() {
    return tx("wap_1", "Bitte führen Sie zuerst einen Download durch!");
}

}  // namespace

WapBookmarks::WapBookmarks(PhonebookCalls calls) : calls_(std::move(calls)) {}

QString WapBookmarks::shownLink(const QString& link) {
    return link.startsWith(kHttp, Qt::CaseInsensitive) ? link.mid(kHttp.size()) : link;
}

QString WapBookmarks::editedLink(const QString& typed) {
    const QString link = typed.trimmed();
    if (link.isEmpty() || namesScheme(link)) return link;
    return kHttp + link;
}

void WapBookmarks::setRows(std::vector<WapRow> rows) {
    rows_ = std::move(rows);
    if (rows_.size() < size_t(kRows)) rows_.resize(size_t(kRows));
}

void WapBookmarks::download(std::function<void(const QString&)> done) {
    if (running_) return;
    running_ = true;
    record_ = TWap{};
    sequence_.add(
        [this] { return calls_.wapRead(record_); },
        [this, done = std::move(done)](uint8_t result) {
            running_ = false;
            rows_.assign(size_t(kRows), WapRow{});
            if (result != phonelib::stDone) {
                return done(tx("wap_2", "Die WAP-Links konnten nicht gelesen werden (%1).")
                                .arg(statusReason(result)));
            }
            const int count = std::clamp(record_.count, 0, kRows);
            for (int i = 0; i < count; ++i) {
                rows_[size_t(i)] = {tools::fromCp1252(record_.names[size_t(i)]),
                                    tools::fromCp1252(record_.links[size_t(i)])};
            }
            done({});
        });
}

void WapBookmarks::upload(std::function<void(const QString&)> done) {
    if (running_) return;
    std::vector<WapRow> bookmarks;
    QStringList excess;
    for (const WapRow& row : rows_) {
        if (row.isEmpty()) continue;
        bookmarks.push_back(row);
        if (bookmarks.size() > size_t(kRows)) excess << row.name + "  " + row.link;
    }
    if (!excess.isEmpty()) {
        return done(tx("wap_3",
                       "Das Telefon nimmt höchstens %1 WAP-Links auf. Bitte löschen "
                       "Sie diese %2 Links vor dem Upload:")
                        .arg(kRows)
                        .arg(excess.size()) +
                    "\n\n" + listForMessage(excess));
    }
    running_ = true;
    record_ = TWap{};
    record_.count = int32_t(bookmarks.size());
    for (size_t i = 0; i < bookmarks.size(); ++i) {
        record_.names[i] = tools::toCp1252(bookmarks[i].name.left(kMaxName));
        record_.links[i] = tools::toCp1252(bookmarks[i].link.left(kMaxLink));
    }
    sequence_.add([this] { return calls_.wapWrite(record_); },
                  [this, done = std::move(done)](uint8_t result) {
                      running_ = false;
                      if (result == phonelib::stDone) return done({});
                      done(tx("wap_4", "Die WAP-Links konnten nicht geschrieben werden (%1).")
                               .arg(statusReason(result)));
                  });
}

WapBookmarks::Place WapBookmarks::newRow() const {
    if (!hasRows()) return {-1, downloadFirst()};
    for (size_t i = 0; i < rows_.size() && i < size_t(kRows); ++i) {
        if (rows_[i].name.isEmpty()) return {int(i), {}};
    }
    return {-1, tx("wap_5",
                   "Die Kapazität des Telefons ist erschöpft. Es können keine Links mehr "
                   "angelegt werden!")};
}

void WapBookmarks::store(int row, const QString& name, const QString& typedLink) {
    if (row < 0 || size_t(row) >= rows_.size()) return;
    rows_[size_t(row)] = {name.left(kMaxName), editedLink(typedLink).left(kMaxLink)};
}

void WapBookmarks::clear(const std::vector<int>& rows) {
    for (const int row : rows) {
        if (row >= 0 && size_t(row) < rows_.size()) rows_[size_t(row)] = {};
    }
}

QString WapBookmarks::drop(int row, const WapLink& link) {
    if (!hasRows()) return downloadFirst();
    if (row < 0 || size_t(row) >= rows_.size()) {
        // Dropped below the rows: the first row without a name takes it.
        const Place place = newRow();
        if (!place.error.isEmpty()) return place.error;
        row = place.row;
    }
    const QString url = editedLink(link.url);
    if (url.size() > kMaxLink) {
        return tx("wap_6", "Der Link ist länger als %1 Zeichen und passt nicht ins Telefon:")
                   .arg(kMaxLink) +
               "\n\n" + url;
    }
    rows_[size_t(row)] = {link.name.left(kMaxName), url};
    if (link.name.size() <= kMaxName) return {};
    return tx("wap_7", "Der Name wurde auf %1 Zeichen gekürzt:").arg(kMaxName) + "\n\n" +
           rows_[size_t(row)].name;
}

}  // namespace corvina
