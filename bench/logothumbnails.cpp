// Thumbnails of the logo window for a folder of 500 mixed pictures (JPEG
// photos of 1600 x 1200 and small BMP files): the time until the cells in
// view are drawn and until the whole grid is, first with nothing made
// (cold) and then with the folder made once (cached), and the longest
// stall of the GUI thread meanwhile. Prints, does not judge.
//
//   build/bench/bench_logothumbnails [FOLDER]   (FOLDER: keep the pictures there)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "corvina/logos/logofolders.h"
#include "corvina/logos/logokinds.h"
#include "corvina/logos/picturefiles.h"
#include "corvina/logos/thumbnails.h"
#include "corvina/logos/thumbnailview.h"

using namespace corvina;

namespace {

constexpr int kPictures = 500;

void makePictures(const QString& folder) {
    QImage photo(1600, 1200, QImage::Format_RGB32);
    QImage small(120, 60, QImage::Format_RGB32);
    for (int i = 0; i < kPictures; ++i) {
        const bool jpeg = i % 2 == 0;
        QImage& picture = jpeg ? photo : small;
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor::fromHsv((i * 37) % 360, 80, 230));
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRect(picture.width() * (i % 7) / 10, picture.height() / 5,
                                  picture.width() / 3, picture.height() / 2));
        painter.end();
        const QString name = QStringLiteral("bild%1.%2").arg(i, 3, 10, QLatin1Char('0'));
        picture.save(QDir(folder).filePath(name + (jpeg ? ".jpg" : ".bmp")), jpeg ? "JPEG" : "BMP",
                     jpeg ? 85 : -1);
    }
}

struct Run {
    qint64 firstCellsMs = -1;
    qint64 fullGridMs = -1;
    qint64 longestStallMs = 0;
};

bool cellsInViewMade(QListView& view, ThumbnailModel& model, ThumbnailCache& cache) {
    const QRect viewport = view.viewport()->rect();
    bool any = false;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex index = model.index(row);
        if (!view.visualRect(index).intersects(viewport)) continue;
        any = true;
        if (!cache.find(model.files().at(row))) return false;
    }
    return any;
}

Run measure(const QStringList& files, QListView& view, ThumbnailModel& model,
            ThumbnailCache& cache) {
    Run run;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    QTimer ticker;
    ticker.setInterval(2);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        run.longestStallMs = std::max(run.longestStallMs, now - lastTick);
        lastTick = now;
        if (run.firstCellsMs < 0 && cellsInViewMade(view, model, cache)) run.firstCellsMs = now;
    });
    clock.start();
    ticker.start();
    model.setFiles(files, false);
    view.viewport()->update();
    while (cache.waiting() > 0 || run.firstCellsMs < 0) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 now = clock.elapsed();
        run.longestStallMs = std::max(run.longestStallMs, now - lastTick);
        lastTick = now;
        if (run.firstCellsMs < 0 && cellsInViewMade(view, model, cache)) run.firstCellsMs = now;
    }
    run.fullGridMs = clock.elapsed();
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path();
    QDir().mkpath(folder);
    if (listFiles(folder, logoFileMask()).size() < kPictures) {
        std::printf("drawing %d pictures into %s ...\n", kPictures, qPrintable(folder));
        makePictures(folder);
    }
    const QStringList files = listFiles(folder, logoFileMask());

    ThumbnailCache cache;
    cache.setTarget({72, 14}, {});
    ThumbnailModel model(cache);
    QListView* view = makeThumbnailGrid(nullptr);
    view->setModel(&model);
    view->resize(800, 600);
    view->show();

    std::printf(
        "%lld pictures (JPEG 1600 x 1200 and BMP 120 x 60), fitted to 72 x 14 on %d threads\n",
        static_cast<long long>(files.size()), QThread::idealThreadCount());
    const Run cold = measure(files, *view, model, cache);
    model.setFiles({}, false);
    const Run cached = measure(files, *view, model, cache);
    for (const auto& [name, run] : {std::pair{"cold  ", cold}, std::pair{"cached", cached}}) {
        std::printf("%s  first cells %6lld ms   full grid %6lld ms   longest GUI stall %4lld ms\n",
                    name, static_cast<long long>(run.firstCellsMs),
                    static_cast<long long>(run.fullGridMs),
                    static_cast<long long>(run.longestStallMs));
    }
    delete view;
    return 0;
}
