// Reading the user's picture and logo files for the logo window and the
// editor, and fitting them into a logo.
//
// Pictures (".bmp", ".jpg", ".jpeg", ".png", ".gif") are decoded by
// extension; every other file is a NOL or NGG logo by its content. Files of
// more than 20 MB and pictures of more than 40 megapixels are refused before
// they are decoded, so a huge or hostile file costs neither memory nor time.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include "corvina/logos/logokinds.h"

namespace corvina {

constexpr qint64 kMaxPictureFileBytes = 20LL * 1024 * 1024;
constexpr qint64 kMaxPicturePixels = 40LL * 1000 * 1000;

// The name filters of the logo mode and of the ringtone mode.
QStringList logoFileMask();
QStringList ringtoneFileMask();
bool isPictureFileName(const QString& path);  // by extension, any case

// A picture read or fitted from a file; a null image with the reason
// (German, for a tooltip or a message) when it cannot be shown.
struct PictureResult {
    QImage image;
    QString problem;

    bool ok() const { return !image.isNull(); }
};

// The whole picture of the file (a logo file as its one-bit picture).
PictureResult readPictureFile(const QString& path);

// The picture fitted into a one-bit image of the target size: the
// rectangle of stretchrect() with the fit settings, the picture scaled into
// it on white, then made one-bit by the rule of monochrome(). Large
// pictures are decoded at a reduced scale where the format allows.
PictureResult fitPictureFile(const QString& path, QSize target, const FitSettings& fit);

// The same fitting for a picture already in memory.
QImage fitPicture(const QImage& picture, QSize target, const FitSettings& fit);

// A white one-bit picture of the size.
QImage blankPicture(QSize size);

}  // namespace corvina
