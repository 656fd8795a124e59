// Logo sizes, fitting pictures into them, the bitmaps sent from them, and
// the damaged or huge files the logo window meets.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/monochrome.h"
#include "corvina/logos/logobitmaps.h"
#include "corvina/logos/logokinds.h"
#include "corvina/logos/picturefiles.h"

namespace corvina {
namespace {

// A 200 x 100 picture: black left half, white right half, a black dot.
QString writeBmp(const QTemporaryDir& dir, QSize size = {200, 100}) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width() / 2; ++x) picture.setPixel(x, y, qRgb(0, 0, 0));
    const QString path = dir.filePath("bild.bmp");
    picture.save(path, "BMP");
    return path;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

QByteArray nol(int width, int height, int pixelCharacters) {
    QByteArray bytes("NOL\x00\x01\x00\x06\x01\x01\x00", 10);
    bytes += char(width);
    bytes += char(0);
    bytes += char(height);
    bytes += char(0);
    bytes += QByteArray("\x01\x00\x01\x00\x53\x00", 6);
    bytes += QByteArray(pixelCharacters, '1');
    return bytes;
}

TEST(LogoSizes, FollowThePhoneTheKindAndThePictureMessageSetting) {
    struct Row {
        uint8_t model, kind;
        bool large;
        QSize size;
    };
    const Row rows[] = {
        {1, lkOperator, true, {101, 21}},    {2, lkScreensaver, true, {101, 21}},
        {6, lkScreensaver, true, {101, 65}}, {6, lkOperator, true, {101, 43}},
        {3, lkScreensaver, true, {101, 43}}, {9, lkOperator, true, {101, 43}},
        {0, lkOperator, true, {97, 26}},     {11, lkOperator, true, {72, 14}},
        {19, lkOperator, true, {78, 21}},    {21, lkStartup, true, {96, 65}},
        {20, lkStartup, true, {96, 56}},     {14, lkStartup, true, {84, 48}},
        {18, lkStartup, true, {84, 48}},     {14, lkPicture, true, {72, 28}},
        {21, lkPicture, false, {72, 14}},    {19, lkCallerGroup, true, {72, 14}},
        {24, lkStartup, true, {72, 14}},     {24, lkOperator, true, {72, 14}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(logoSize(r.model, r.kind, r.large), r.size)
            << int(r.model) << " kind " << int(r.kind);
    }
    EXPECT_TRUE(kindOffered(7, lkScreensaver));
    EXPECT_FALSE(kindOffered(3, lkScreensaver));
    EXPECT_FALSE(kindOffered(5, lkCallerGroup));
    EXPECT_TRUE(kindOffered(11, lkPicture));
    EXPECT_EQ(nextFitMode(3), 0);
    EXPECT_EQ(nextFitMode(0), 1);
}

TEST(LogoPictures, ABmpOfAnySizeBecomesTheOperatorLogoOfThePhone) {
    QTemporaryDir dir;
    const QString bmp = writeBmp(dir);
    for (const auto& [model, size] :
         {std::pair{uint8_t{11}, QSize(72, 14)}, std::pair{uint8_t{21}, QSize(78, 21)}}) {
        const PictureResult fitted = fitPictureFile(bmp, logoSize(model, lkOperator, true), {});
        ASSERT_TRUE(fitted.ok()) << fitted.problem.toStdString();
        EXPECT_EQ(fitted.image.size(), size);
        // Stretched: the left half black, the right half white.
        EXPECT_TRUE(tools::isblack(fitted.image, 2, size.height() / 2));
        EXPECT_FALSE(tools::isblack(fitted.image, size.width() - 3, size.height() / 2));
        const auto bitmap = bitmapFromPicture(fitted.image, lkOperator);
        ASSERT_TRUE(bitmap.has_value());
        EXPECT_EQ(bitmap->size, (size.width() * size.height() + 7) / 8);
        EXPECT_EQ(pictureFromBitmap(*bitmap).convertToFormat(QImage::Format_RGB32),
                  fitted.image.convertToFormat(QImage::Format_RGB32));
    }
    // A JPEG decoded at a reduced scale fits like the full picture.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::white);
    for (int y = 0; y < 1200; ++y)
        for (int x = 0; x < 800; ++x) photo.setPixel(x, y, qRgb(10, 10, 10));
    const QString jpeg = dir.filePath("foto.jpg");
    ASSERT_TRUE(photo.save(jpeg, "JPEG", 90));
    const PictureResult fitted = fitPictureFile(jpeg, {72, 14}, {});
    ASSERT_TRUE(fitted.ok());
    EXPECT_EQ(fitted.image, fitPicture(photo, {72, 14}, {}));
}

TEST(LogoPictures, LargeLogosFillTheRowAndTheStripeData) {
    // 96 x 65 (7110 start-up logo) and 101 x 65 (Siemens screensaver) are
    // above the 750 bytes below which the file reader fills the arrays.
    for (const QSize size : {QSize(96, 65), QSize(101, 65)}) {
        QImage picture = blankPicture(size);
        for (int i = 0; i < std::min(size.width(), size.height()); ++i) picture.setPixel(i, i, 0);
        picture.setPixel(size.width() - 1, size.height() - 1, 0);
        const auto bitmap = bitmapFromPicture(picture, lkStartup);
        ASSERT_TRUE(bitmap.has_value());
        const int bytes = (size.width() * size.height() + 7) / 8;
        EXPECT_EQ(bitmap->size, bytes);
        EXPECT_GE(bytes, 750);
        // The last pixel of the picture is the last bit of both arrays.
        const int last = size.width() * size.height() - 1;
        EXPECT_TRUE(bitmap->rowData[last / 8] & (0x80 >> (last % 8))) << size.width();
        EXPECT_TRUE(bitmap->stripeData[last / 8] & (1 << (last % 8))) << size.width();
        GSMBitmap rows = *bitmap;
        rows.kind = lkOperator;
        EXPECT_EQ(pictureFromBitmap(rows), tools::monochrome(picture));
    }
    EXPECT_FALSE(bitmapFromPicture(blankPicture({200, 100}), lkStartup).has_value())
        << "more than the record holds";
    EXPECT_FALSE(bitmapFromPicture(QImage(), lkOperator).has_value());
}

TEST(LogoPictures, DamagedAndHugeFilesAreNotShownAndSayWhy) {
    QTemporaryDir dir;
    struct Case {
        QString path;
        const char* reason;
    };
    QByteArray pngHeader = QByteArray::fromHex("89504e470d0a1a0a0000000d49484452") +
                           QByteArray::fromHex("000027100000138808020000009835e01f") +
                           QByteArray::fromHex("000000004944415435af061e0000000049454e44ae426082");
    QFile big(dir.filePath("gross.bmp"));
    big.open(QIODevice::WriteOnly);
    big.resize(kMaxPictureFileBytes + 1);
    big.close();
    const Case cases[] = {
        {write(dir, "kurz.nol", nol(72, 14, 500)), "zu kurz"},
        {write(dir, "kopf.nol", QByteArray("NOL\x00\x01", 5)), "Kopf"},
        {write(dir, "null.nol", nol(0, 14, 0)), "Größe 0"},
        {write(dir, "riesig.ngg",
               QByteArray("NGG\x00\x01\x00\xFF\x00\xFF\x00", 10) + QByteArray(6, '\0') +
                   QByteArray(8 * 8200, '0')),
         "größer"},
        {write(dir, "kaputt.jpg", QByteArray("\xFF\xD8\xFF garbage", 12)), "nicht gelesen"},
        {write(dir, "fremd.nol", QByteArray("hallo welt, kein Logo")), "weder"},
        {write(dir, "megapixel.png", pngHeader), "40 Megapixel"},
        {big.fileName(), "20 MB"},
        {dir.filePath("fehlt.bmp"), "nicht geöffnet"},
    };
    for (const Case& c : cases) {
        const PictureResult read = fitPictureFile(c.path, {72, 14}, {});
        EXPECT_FALSE(read.ok()) << c.path.toStdString();
        EXPECT_TRUE(read.problem.contains(QString::fromUtf8(c.reason)))
            << c.path.toStdString() << ": " << read.problem.toStdString();
    }
    const PictureResult good =
        fitPictureFile(write(dir, "gut.nol", nol(72, 14, 1008)), {84, 48}, {});
    ASSERT_TRUE(good.ok());
    EXPECT_EQ(good.image.size(), QSize(84, 48));
}

}  // namespace
}  // namespace corvina
