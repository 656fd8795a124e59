// Looks at a PDF file the way a reader would, through the poppler tools
// (pdfinfo, pdftotext, pdftoppm): page count and size, the text of each
// page, and page pictures.
#pragma once

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

namespace testing_support {

inline bool popplerInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

inline QByteArray runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput();
}

struct PdfFacts {
    int pages = 0;
    QSizeF pageSize;  // points
    QStringList pageTexts;

    QString allText() const { return pageTexts.join(QLatin1Char('\n')); }
};

inline PdfFacts readPdf(const QString& path) {
    PdfFacts facts;
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {path}));
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
    facts.pages = pages.match(info).captured(1).toInt();
    const auto sizeMatch = size.match(info);
    facts.pageSize = QSizeF(sizeMatch.captured(1).toDouble(), sizeMatch.captured(2).toDouble());
    for (int page = 1; page <= facts.pages; ++page) {
        facts.pageTexts << QString::fromUtf8(
            runTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                     QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")}));
    }
    return facts;
}

// The page as a grey picture at the resolution.
inline QImage renderPdfPage(const QString& path, int page, int dpi = 40) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    runTool(
        QStringLiteral("pdftoppm"),
        {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-r"),
         QString::number(dpi), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
         QString::number(page), QStringLiteral("-singlefile"), path, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

// The share of pixels that are not white.
inline double inkShare(const QImage& image) {
    if (image.isNull()) return 0;
    qint64 ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 200) ++ink;
        }
    }
    return double(ink) / (double(image.width()) * image.height());
}

}  // namespace testing_support
