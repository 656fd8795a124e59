#include "corvina/logos/thumbnails.h"

#include <QFileInfo>
#include <QtConcurrent/QtConcurrentRun>

namespace corvina {

namespace {

constexpr int kMaxKept = 20000;

}  // namespace

ThumbnailCache::ThumbnailCache(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

ThumbnailCache::~ThumbnailCache() {
    dropWaiting();
    pool_.waitForDone();
}

QString ThumbnailCache::keyOf(const QString& path) const {
    // A file changed on disk is made anew: its time and size are part of the key.
    const QFileInfo info(path);
    return QStringLiteral("%1|%2|%3|%4x%5|%6|%7,%8|%9,%10")
        .arg(path)
        .arg(info.lastModified().toMSecsSinceEpoch())
        .arg(info.size())
        .arg(target_.width())
        .arg(target_.height())
        .arg(fit_.mode)
        .arg(fit_.shift.x())
        .arg(fit_.shift.y())
        .arg(fit_.zoom.x())
        .arg(fit_.zoom.y());
}

void ThumbnailCache::setTarget(QSize target, const FitSettings& fit) {
    if (target == target_ && fit == fit_) return;
    target_ = target;
    fit_ = fit;
    dropWaiting();
}

const PictureResult* ThumbnailCache::find(const QString& path) const {
    const auto found = done_.constFind(keyOf(path));
    return found == done_.constEnd() ? nullptr : &found.value();
}

void ThumbnailCache::request(const QString& path, bool inView) {
    const QString key = keyOf(path);
    if (done_.contains(key)) return;
    if (queued_.contains(key)) {
        // Already waiting: a cell that came into view moves to the front.
        if (inView) {
            const auto it = std::find(later_.begin(), later_.end(), path);
            if (it != later_.end()) {
                later_.erase(it);
                urgent_.push_front(path);
            }
        }
        return;
    }
    queued_.insert(key, true);
    if (inView) {
        urgent_.push_front(path);
    } else {
        later_.push_back(path);
    }
    startMore();
}

void ThumbnailCache::dropWaiting() {
    urgent_.clear();
    later_.clear();
    queued_.clear();
    ++generation_;
}

void ThumbnailCache::clear() {
    dropWaiting();
    done_.clear();
}

void ThumbnailCache::startMore() {
    while (running_ < pool_.maxThreadCount() && (!urgent_.empty() || !later_.empty())) {
        std::deque<QString>& queue = urgent_.empty() ? later_ : urgent_;
        const QString path = queue.front();
        queue.pop_front();
        const QString key = keyOf(path);
        const QSize target = target_;
        const FitSettings fit = fit_;
        const unsigned generation = generation_;
        ++running_;
        // The destructor waits for the workers, and a result posted to a
        // destroyed cache is dropped with it.
        // The result comes back by the queued call, not by the future.
        static_cast<void>(QtConcurrent::run(&pool_, [this, path, key, target, fit, generation] {
            PictureResult result = fitPictureFile(path, target, fit);
            QMetaObject::invokeMethod(
                this,
                [this, path, key, generation, result = std::move(result)]() mutable {
                    --running_;
                    if (generation == generation_) {
                        if (done_.size() >= kMaxKept) done_.clear();
                        done_.insert(key, std::move(result));
                        queued_.remove(key);
                    }
                    startMore();
                    if (generation == generation_) emit ready(path);
                },
                Qt::QueuedConnection);
        }));
    }
}

}  // namespace corvina
