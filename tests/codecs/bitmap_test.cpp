#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <functional>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/monochrome.h"
#include "codecs/bitmaps/pictureimport.h"
#include "codecs/bitmaps/stretchbmp.h"
#include "codecs/tools/filebytes.h"

using namespace tools;

namespace {

using Pattern = std::function<bool(int x, int y)>;

const Pattern kChecks = [](int x, int y) { return (x + 2 * y) % 3 == 0 || x == y; };

QImage picture(int width, int height, const Pattern& black) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, black(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return image;
}

// Row data of a pattern, most significant bit first.
std::array<uint8_t, kBitmapBytes> rowBits(int width, int height, const Pattern& black) {
    std::array<uint8_t, kBitmapBytes> data{};
    for (int k = 0; k < width * height; ++k) {
        if (black(k % width, k / width)) data[k / 8] |= 0x80 >> (k % 8);
    }
    return data;
}

std::string nolFile(int width, int height, const Pattern& black, int country, int network) {
    std::string file = std::string("NOL\0\x01\0", 6);
    for (int value : {country, network, width, height}) {
        file += static_cast<char>(value & 0xFF);
        file += static_cast<char>(value >> 8);
    }
    file += std::string("\x01\0\x01\0\x53\0", 6);
    const int size = (width * height + 7) / 8;
    for (int k = 0; k < 8 * size; ++k) {
        file += k < width * height && black(k % width, k / width) ? '1' : '0';
    }
    return file;
}

void expectPicture(const QImage& image, int width, int height, const Pattern& black, int rows) {
    ASSERT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(qGray(image.pixel(x, y)) < 128, black(x, y)) << x << "," << y;
        }
    }
}

class Bitmaps : public ::testing::Test {
  protected:
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string write(const char* name, const std::string& bytes) const {
        writefileatomically(path(name), bytes);
        return path(name);
    }
    static GSMBitmap marked() {
        GSMBitmap bitmap;
        bitmap.kind = bkStartupLogo;
        bitmap.width = 1;
        bitmap.height = 2;
        bitmap.size = 3;
        bitmap.rowData.fill(0xA5);
        bitmap.stripeData.fill(0x5A);
        bitmap.networkCode = "keep";
        return bitmap;
    }
    static void expectUntouched(const GSMBitmap& bitmap) {
        const GSMBitmap original = marked();
        EXPECT_EQ(bitmap.kind, original.kind);
        EXPECT_EQ(bitmap.width, original.width);
        EXPECT_EQ(bitmap.size, original.size);
        EXPECT_EQ(bitmap.rowData, original.rowData);
        EXPECT_EQ(bitmap.stripeData, original.stripeData);
        EXPECT_EQ(bitmap.networkCode, original.networkCode);
    }

    QTemporaryDir dir;
};

}  // namespace

TEST_F(Bitmaps, ReadsAnOperatorLogoFile) {
    const std::string file = write("logo.nol", nolFile(72, 14, kChecks, 262, 1));
    ASSERT_EQ(QFile(QString::fromStdString(file)).size(), 20 + 1008);
    GSMBitmap bitmap = marked();
    ASSERT_EQ(readgsmbitmap(file, bitmap), lfRead);
    EXPECT_EQ(bitmap.kind, bkOperatorLogo);
    EXPECT_EQ(bitmap.width, 72);
    EXPECT_EQ(bitmap.height, 14);
    EXPECT_EQ(bitmap.size, 126);
    EXPECT_EQ(bitmap.networkCode, "26201");
    const auto expected = rowBits(72, 14, kChecks);
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 126, bitmap.rowData.begin()));
    expectPicture(QImage(QString::fromStdString(bitmap.pictureFile)), 72, 14, kChecks, 14);
}

TEST_F(Bitmaps, KindsAndFailuresOfLogoFiles) {
    std::string ngg = nolFile(8, 2, kChecks, 0, 0);
    ngg.replace(0, 3, "NGG");
    ngg.erase(6, 4);  // no code fields
    GSMBitmap bitmap = marked();
    ASSERT_EQ(readgsmbitmap(write("group.nol", ngg), bitmap), lfRead);
    EXPECT_EQ(bitmap.kind, bkCallerGroupLogo);
    EXPECT_EQ(bitmap.size, 2);
    EXPECT_EQ(bitmap.networkCode, "keep");

    const auto expectFailure = [&](const std::string& file, uint8_t result) {
        GSMBitmap untouched = marked();
        EXPECT_EQ(readgsmbitmap(file, untouched), result) << file;
        expectUntouched(untouched);
    };
    expectFailure(write("text.nol", "just some text"), lfNotALogo);
    expectFailure(path("missing.nol"), lfCannotOpen);
    expectFailure(write("short.nol", "NOL\0"), lfReadFailed);
    expectFailure(write("header.nol", "NOL\0\x01\0\0\0\0\0\x48"), lfReadFailed);
    expectFailure(write("large.nol", nolFile(120, 101, kChecks, 262, 1)),
                  lfReadFailed);  // 1515 bytes
    expectFailure(write("cut.nol", nolFile(72, 14, kChecks, 262, 1).substr(0, 1000)), lfReadFailed);
    expectFailure(write("empty.nol", nolFile(0, 14, kChecks, 262, 1)), lfReadFailed);
    // By extension a picture, whatever the content; it does not decode.
    expectFailure(write("logo.bmp", nolFile(72, 14, kChecks, 262, 1)), lfReadFailed);
    expectFailure(write("logo.JPEG", "NOL garbage"), lfReadFailed);
    expectFailure(path("missing.bmp"), lfCannotOpen);
}

TEST_F(Bitmaps, OperatorLogoRoundTrip) {
    for (const char* code : {"26201", "310260", ""}) {
        GSMBitmap bitmap;
        bitmap.width = 78;
        bitmap.height = 21;
        bitmap.size = (78 * 21 + 7) / 8;
        bitmap.rowData = rowBits(78, 21, kChecks);
        bitmap.rowData[bitmap.size - 1] |= 0x03;  // spare bits travel as characters too
        bitmap.networkCode = code;
        ASSERT_TRUE(savenol(path("saved.nol"), bitmap));

        GSMBitmap read;
        ASSERT_EQ(readgsmbitmap(path("saved.nol"), read), lfRead);
        EXPECT_EQ(read.kind, bkOperatorLogo);
        EXPECT_EQ(read.width, 78);
        EXPECT_EQ(read.height, 21);
        EXPECT_EQ(read.size, bitmap.size);
        EXPECT_EQ(read.rowData, bitmap.rowData);
        EXPECT_EQ(read.networkCode, code);
    }
    const std::string bytes = *nolbytes([] {
        GSMBitmap b;
        b.width = b.height = 4;
        b.size = 2;
        b.networkCode = "26201";
        return b;
    }());
    EXPECT_EQ(bytes.substr(0, 20),
              std::string("NOL\0\x01\0\x06\x01\x01\0\x04\0\x04\0\x01\0\x01\0\x53\0", 20));

    GSMBitmap wide;
    wide.width = 300;
    wide.height = 4;
    wide.size = 150;
    EXPECT_FALSE(savenol(path("wide.nol"), wide));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path("wide.nol"))));
}

TEST_F(Bitmaps, PicturesBelowTheLimitFillBothArrays) {
    GSMBitmap bitmap = marked();
    ASSERT_TRUE(picture(100, 60, kChecks).save(QString::fromStdString(path("big.bmp"))));
    ASSERT_EQ(readgsmbitmap(path("big.bmp"), bitmap), lfRead);
    EXPECT_EQ(bitmap.width, 100);
    EXPECT_EQ(bitmap.height, 60);
    EXPECT_EQ(bitmap.size, 750);
    EXPECT_EQ(bitmap.kind, bkStartupLogo);  // the kind stays
    EXPECT_EQ(bitmap.pictureFile, path("big.bmp"));
    EXPECT_EQ(bitmap.rowData, marked().rowData);
    EXPECT_EQ(bitmap.stripeData, marked().stripeData);

    ASSERT_TRUE(picture(99, 60, kChecks).save(QString::fromStdString(path("small.BMP"))));
    ASSERT_EQ(readgsmbitmap(path("small.BMP"), bitmap), lfRead);
    EXPECT_EQ(bitmap.size, 743);
    const auto rows = rowBits(99, 60, kChecks);
    EXPECT_TRUE(std::equal(rows.begin(), rows.begin() + 743, bitmap.rowData.begin()));
    // Stripe order: 7 full stripes of 8 rows, then a stripe of 4 rows packed without gaps.
    int bit = 0;
    for (int top = 0; top < 60; top += 8) {
        for (int x = 0; x < 99; ++x) {
            for (int y = top; y < std::min(top + 8, 60); ++y, ++bit) {
                ASSERT_EQ(bool(bitmap.stripeData[bit / 8] & (1 << bit % 8)), kChecks(x, y))
                    << x << "," << y;
            }
        }
    }
}

TEST_F(Bitmaps, JpegPicturesAndTheLuminanceRule) {
    const Pattern leftHalf = [](int x, int) { return x < 8; };
    ASSERT_TRUE(
        picture(16, 8, leftHalf).save(QString::fromStdString(path("half.jpg")), "JPEG", 100));
    GSMBitmap bitmap;
    ASSERT_EQ(readgsmbitmap(path("half.jpg"), bitmap), lfRead);
    EXPECT_EQ(bitmap.size, 16);
    const auto expected = rowBits(16, 8, leftHalf);
    EXPECT_TRUE(std::equal(expected.begin(), expected.begin() + 16, bitmap.rowData.begin()));

    QImage colours(6, 1, QImage::Format_ARGB32);
    const QRgb samples[] = {qRgb(127, 127, 127), qRgb(128, 128, 128), qRgb(255, 0, 0),
                            qRgb(255, 255, 0),   qRgba(0, 0, 0, 0),   qRgba(0, 0, 0, 200)};
    for (int x = 0; x < 6; ++x) colours.setPixel(x, 0, samples[x]);
    const QImage mono = monochrome(colours);
    EXPECT_EQ(mono.format(), QImage::Format_Mono);
    const bool black[] = {true, false, true, false, false, true};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(isblack(mono, x, 0), black[x]) << x;
}

TEST_F(Bitmaps, DrawbinChoosesTheArrayByKind) {
    GSMBitmap bitmap;
    bitmap.width = 16;
    bitmap.height = 8;
    bitmap.size = 16;
    bitmap.rowData.fill(0xFF);
    for (int x = 0; x < 16; ++x)
        bitmap.stripeData[x] = static_cast<uint8_t>(1 << (x % 8));  // diagonals
    const Pattern diagonal = [](int x, int y) { return x % 8 == y; };

    bitmap.kind = bkStartupLogo;
    ASSERT_TRUE(drawbin(path("startup.bmp"), bitmap));
    const QImage image(QString::fromStdString(path("startup.bmp")));
    EXPECT_EQ(image.depth(), 1);
    expectPicture(image, 16, 8, diagonal, 8);

    bitmap.kind = bkOperatorLogo;
    expectPicture(
        bitmapimage(bitmap), 16, 8, [](int, int) { return true; }, 8);

    bitmap.width = 0;
    EXPECT_FALSE(drawbin(path("none.bmp"), bitmap));
}

TEST_F(Bitmaps, RowAndStripeDataRoundTrip) {
    for (const QSize size : {QSize(16, 16), QSize(84, 48), QSize(10, 13), QSize(35, 21)}) {
        GSMBitmap bitmap;
        pictureintobitmap(picture(size.width(), size.height(), kChecks), bitmap);
        bitmap.kind = bkOperatorLogo;
        expectPicture(bitmapimage(bitmap), size.width(), size.height(), kChecks, size.height());
        // Drawing addresses full stripes of 8 rows, so a last partial stripe,
        // which reading packs without gaps, only matches when the height is a
        // multiple of 8.
        bitmap.kind = bkStartupLogo;
        expectPicture(bitmapimage(bitmap), size.width(), size.height(), kChecks,
                      size.height() / 8 * 8);
    }
}

TEST(StretchRect, ModesAndRounding) {
    const QPoint none(0, 0);
    // Proportional, exactly as wide as the target but lower: the whole target.
    EXPECT_EQ(stretchrect({72, 14}, {72, 10}, fmProportional, none, none, false),
              (StretchRect{0, 0, 72, 14}));
    // Proportional, the width decides: 144 x 14 into 72 x 14 gives half height, centred.
    EXPECT_EQ(stretchrect({72, 14}, {144, 14}, fmProportional, none, none, false),
              (StretchRect{0, 4, 72, 10}));  // (14 - 7) / 2 = 3.5 rounds to 4
    // The height decides: 10 x 28 into 72 x 14 gives 5 x 14 in the middle.
    EXPECT_EQ(stretchrect({72, 14}, {10, 28}, fmProportional, none, none, false),
              (StretchRect{34, 0, 38, 14}));  // 33.5 -> 34, 38.5 -> 38
    // Automatic: a smaller picture is centred, a larger one fitted proportionally.
    EXPECT_EQ(stretchrect({72, 14}, {5, 5}, fmAutomatic, none, none, false),
              (StretchRect{34, 4, 38, 10}));  // 33.5 -> 34, 4.5 -> 4, 38.5 -> 38, 9.5 -> 10
    EXPECT_EQ(stretchrect({72, 14}, {144, 14}, fmAutomatic, none, none, false),
              stretchrect({72, 14}, {144, 14}, fmProportional, none, none, false));
    EXPECT_EQ(stretchrect({72, 14}, {5, 5}, fmCentred, none, none, false),
              stretchrect({72, 14}, {5, 5}, fmMiddle, none, none, false));
    // Stretched with shift and zoom; keep proportions scales the vertical zoom.
    EXPECT_EQ(stretchrect({72, 14}, {20, 10}, fmStretched, {3, -2}, {2, 1}, false),
              (StretchRect{1, -3, 77, 13}));
    EXPECT_EQ(stretchrect({72, 14}, {20, 10}, fmStretched, {3, -2}, {2, 1}, true),
              (StretchRect{1, -4, 77, 14}));
    // An empty picture fills the target.
    EXPECT_EQ(stretchrect({72, 14}, {0, 0}, fmCentred, none, none, true),
              (StretchRect{0, 0, 72, 14}));
}

TEST_F(Bitmaps, StretchbmpWritesOrDraws) {
    ASSERT_TRUE(picture(4, 2, [](int, int) {
                    return true;
                }).save(QString::fromStdString(path("black.bmp"))));
    std::string result;
    ASSERT_TRUE(stretchbmp(path("black.bmp"), {8, 4}, QImage::Format_Mono, fmCentred, {0, 0},
                           {0, 0}, false, nullptr, {}, result));
    EXPECT_TRUE(result.ends_with("/bmp_stretch.bmp"));
    const QImage written(QString::fromStdString(result));
    expectPicture(
        written, 8, 4, [](int x, int y) { return x >= 2 && x < 6 && y >= 1 && y < 3; }, 4);

    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    std::string untouched = "none";
    {
        QPainter painter(&canvas);
        ASSERT_TRUE(stretchbmp(path("black.bmp"), {8, 4}, QImage::Format_Mono, fmStretched, {0, 0},
                               {0, 0}, false, &painter, QRect(5, 6, 1, 1), untouched));
    }
    EXPECT_EQ(untouched, "none");
    expectPicture(
        canvas.copy(5, 6, 8, 4), 8, 4, [](int, int) { return true; }, 4);
    EXPECT_EQ(qGray(canvas.pixel(4, 6)), 255);
    EXPECT_EQ(qGray(canvas.pixel(5, 10)), 255);

    // A file that does not load counts as an empty picture: a white target.
    ASSERT_TRUE(stretchbmp(path("missing.bmp"), {8, 4}, QImage::Format_Mono, fmCentred, {0, 0},
                           {0, 0}, false, nullptr, {}, result));
    expectPicture(
        QImage(QString::fromStdString(result)), 8, 4, [](int, int) { return false; }, 4);
    EXPECT_FALSE(stretchbmp(path("black.bmp"), {0, 4}, QImage::Format_Mono, fmCentred, {0, 0},
                            {0, 0}, false, nullptr, {}, result));
}
