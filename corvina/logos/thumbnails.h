// Thumbnails of the logo window: each picture file fitted into the logo
// size on worker threads and kept, so that a folder shown again, or a fit
// shown again, costs nothing.
//
// Requests of the cells in view go before the rest of the folder; a new
// folder or a new fit drops what was still waiting. Results come back on
// the thread that owns the object (the GUI thread) by the `ready` signal.
#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <deque>

#include "corvina/logos/logokinds.h"
#include "corvina/logos/picturefiles.h"

namespace corvina {

class ThumbnailCache : public QObject {
    Q_OBJECT

  public:
    explicit ThumbnailCache(QObject* parent = nullptr);
    ~ThumbnailCache() override;

    // The size and fit every thumbnail is made for; a change forgets the
    // waiting requests (the kept thumbnails of other fits stay).
    void setTarget(QSize target, const FitSettings& fit);
    QSize target() const { return target_; }

    // The thumbnail when it is made; nothing yet otherwise, and it is made
    // (in view: before the waiting rest).
    const PictureResult* find(const QString& path) const;
    void request(const QString& path, bool inView);
    // Forgets every waiting request (a new folder).
    void dropWaiting();

    int waiting() const { return static_cast<int>(urgent_.size() + later_.size()) + running_; }
    // Forgets the kept thumbnails as well.
    void clear();

  signals:
    void ready(const QString& path);

  private:
    QString keyOf(const QString& path) const;
    void startMore();

    QThreadPool pool_;
    QSize target_{72, 14};
    FitSettings fit_;
    QHash<QString, PictureResult> done_;  // by key
    QHash<QString, bool> queued_;         // keys waiting or running
    std::deque<QString> urgent_, later_;  // paths
    int running_ = 0;
    unsigned generation_ = 0;
};

}  // namespace corvina
