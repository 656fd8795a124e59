#include "corvina/logos/picturefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/monochrome.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr qint64 kNolHeader = 20;
constexpr qint64 kNggHeader = 16;

QString tooBigText() {
    return tx("logos_10", "Die Datei ist größer als 20 MB.");
}

// Why the bytes of a NOL or NGG file give no picture; empty when they do.
QString logoFileProblem(const QByteArray& bytes) {
    const QByteArray head = bytes.left(9);
    const bool nol = head.contains("NOL");
    if (!nol && !head.contains("NGG")) {
        return tx("logos_11", "Die Datei ist weder ein Bild noch eine NOL- oder NGG-Logodatei.");
    }
    const qint64 header = nol ? kNolHeader : kNggHeader;
    if (bytes.size() < header) {
        return tx("logos_12", "Die Datei endet schon im Kopf der Logodatei.");
    }
    const int width = static_cast<uint8_t>(bytes[nol ? 10 : 6]);
    const int height = static_cast<uint8_t>(bytes[nol ? 12 : 8]);
    if (width == 0 || height == 0) {
        return tx("logos_13", "Das Logo hat die Größe 0.");
    }
    const qint64 dataBytes = (static_cast<qint64>(width) * height + 7) / 8;
    if (dataBytes > kBitmapBytes) {
        return tx("logos_14", "Das Logo ist größer, als ein Telefon es aufnehmen kann.");
    }
    if (bytes.size() < header + 8 * dataBytes) {
        return tx("logos_15", "Die Datei ist zu kurz: es fehlen Bildpunkte.");
    }
    return {};
}

PictureResult readLogoFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, tx("logos_16", "Die Datei kann nicht geöffnet werden.")};
    }
    const QByteArray bytes = file.read(kNolHeader + 8 * kBitmapBytes);
    if (const QString problem = logoFileProblem(bytes); !problem.isEmpty()) return {{}, problem};
    GSMBitmap bitmap;
    if (tools::parselogofile(std::string_view(bytes.constData(), bytes.size()), bitmap) !=
        tools::lfRead) {
        return {{}, tx("logos_17", "Die Logodatei ist beschädigt.")};
    }
    return {tools::bitmapimage(bitmap), {}};
}

// A reader for a picture file that passed the size checks, or the reason.
QString openPicture(QImageReader& reader, const QString& path) {
    if (QFileInfo(path).size() > kMaxPictureFileBytes) return tooBigText();
    reader.setFileName(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!reader.canRead()) {
        return tx("logos_18", "Das Bild kann nicht gelesen werden: ") + reader.errorString();
    }
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > kMaxPicturePixels) {
        return tx("logos_19", "Das Bild hat mehr als 40 Megapixel.");
    }
    return {};
}

PictureResult decode(QImageReader& reader) {
    QImage image = reader.read();
    if (image.isNull()) {
        return {{}, tx("logos_18", "Das Bild kann nicht gelesen werden: ") + reader.errorString()};
    }
    return {std::move(image), {}};
}

}  // namespace

QStringList logoFileMask() {
    return {"*.bmp", "*.jpg", "*.jpeg", "*.png", "*.gif", "*.nol", "*.ngg"};
}

QStringList ringtoneFileMask() {
    return {"*.mid", "*.txt"};
}

bool isPictureFileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "bmp" || suffix == "jpg" || suffix == "jpeg" || suffix == "png" ||
           suffix == "gif";
}

PictureResult readPictureFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return {{}, tx("logos_16", "Die Datei kann nicht geöffnet werden.")};
    }
    if (!isPictureFileName(path)) return readLogoFile(path);
    QImageReader reader;
    if (const QString problem = openPicture(reader, path); !problem.isEmpty()) return {{}, problem};
    return decode(reader);
}

QImage blankPicture(QSize size) {
    QImage picture(size, QImage::Format_Mono);
    picture.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    picture.fill(1);
    return picture;
}

QImage fitPicture(const QImage& picture, QSize target, const FitSettings& fit) {
    if (target.isEmpty()) return {};
    const tools::StretchRect r =
        tools::stretchrect(target, picture.size(), fit.mode, fit.shift, fit.zoom, false);
    QImage fitted(target, QImage::Format_ARGB32);
    fitted.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), picture);
    }
    return tools::monochrome(fitted);
}

PictureResult fitPictureFile(const QString& path, QSize target, const FitSettings& fit) {
    if (!QFileInfo(path).isFile()) {
        return {{}, tx("logos_16", "Die Datei kann nicht geöffnet werden.")};
    }
    if (!isPictureFileName(path)) {
        PictureResult logo = readLogoFile(path);
        if (logo.ok()) logo.image = fitPicture(logo.image, target, fit);
        return logo;
    }
    QImageReader reader;
    if (const QString problem = openPicture(reader, path); !problem.isEmpty()) return {{}, problem};
    // A picture shown smaller than it is needs no more pixels than its
    // rectangle has: JPEG files then decode at a fraction of the cost.
    const QSize size = reader.size();
    const tools::StretchRect r =
        tools::stretchrect(target, size, fit.mode, fit.shift, fit.zoom, false);
    const QSize shown(r.right - r.left, r.bottom - r.top);
    const bool scaled = size.isValid() && shown.width() > 0 && shown.height() > 0 &&
                        shown.width() < size.width() && shown.height() < size.height() &&
                        reader.supportsOption(QImageIOHandler::ScaledSize);
    if (scaled) reader.setScaledSize(shown);
    PictureResult result = decode(reader);
    if (!result.ok()) return result;
    // The rectangle is that of the picture's own size, whatever scale it
    // was decoded at.
    QImage fitted(target, QImage::Format_ARGB32);
    fitted.fill(Qt::white);
    {
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(r.left, r.top, shown.width(), shown.height()), result.image);
    }
    result.image = tools::monochrome(fitted);
    return result;
}

}  // namespace corvina
