// Operator and start-up logos through gnokii and gammu: the fixture's logos
// read pixel for pixel, the peers' uploads kept by the phone, and uploads
// through our library read back identical by the peers.
#include <QImage>

#include "phonelib/api/library.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"
#include "phonelib/transport/commportdriver.h"
#include "tests/phonesim/peer/peersession.h"
#include "tests/support/notificationrecorder.h"

namespace peer_test {
namespace {

using phonesim::Picture;

// The picture as both peers draw it: '#' black, ' ' white, a line per row.
QString drawn(const Picture& picture) {
    QString text;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            text += picture.black(x, y) ? QLatin1Char('#') : QLatin1Char(' ');
        text += QLatin1Char('\n');
    }
    return text;
}

// A picture unlike the fixture's: a frame and a staircase.
Picture stairs(int width, int height) {
    Picture picture{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool frame = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            picture.pixels.push_back(frame || (x / 4) % height == y ? 1 : 0);
        }
    }
    return picture;
}

QImage imageOf(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_Mono);
    image.setColorCount(2);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) image.setPixel(x, y, picture.black(x, y) ? 1 : 0);
    }
    return image;
}

class Logos : public PeerTest {
  protected:
    // What the peer draws of the phone's operator or start-up logo.
    QString readLogo(bool operatorLogo) {
        if (gnokii()) {
            const QString file = this->file(
                QStringLiteral("read%1.%2").arg(++reads_).arg(operatorLogo ? "nol" : "nlm"));
            const PeerRun r =
                run({QStringLiteral("--getlogo"),
                     operatorLogo ? QStringLiteral("op") : QStringLiteral("startup"), file});
            EXPECT_EQ(r.exitCode, 0) << r.describe();
            EXPECT_FALSE(r.stalled()) << r.describe();
            return run({QStringLiteral("--viewlogo"), file}).output;
        }
        const PeerRun r =
            run({QStringLiteral("getbitmap"),
                 operatorLogo ? QStringLiteral("OPERATOR") : QStringLiteral("STARTUP")});
        EXPECT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.stalled()) << r.describe();
        return r.output;
    }

    // The peer uploads the picture as the operator logo of 262 01, or as
    // the start-up logo.
    PeerRun upload(bool operatorLogo, const Picture& picture) {
        const QString file = this->file(QStringLiteral("upload%1.bmp").arg(++reads_));
        EXPECT_TRUE(imageOf(picture).save(file, "BMP"));
        if (gnokii()) {
            return operatorLogo
                       ? run({QStringLiteral("--setlogo"), QStringLiteral("op"), file,
                              QStringLiteral("262 01")})
                       : run({QStringLiteral("--setlogo"), QStringLiteral("startup"), file});
        }
        return operatorLogo ? run({QStringLiteral("setbitmap"), QStringLiteral("OPERATOR"), file,
                                   QStringLiteral("262 01")})
                            : run({QStringLiteral("setbitmap"), QStringLiteral("STARTUP"), file});
    }

  private:
    int reads_ = 0;
};

using OperatorLogoRead = Logos;
using OperatorLogoUpload = Logos;
using StartupLogoRead = Logos;
using StartupLogoUpload = Logos;
using LibraryUploads = Logos;

TEST_P(OperatorLogoRead, PixelForPixel) {
    ASSERT_TRUE(fixture.data.operatorLogo);
    EXPECT_TRUE(readLogo(true).contains(drawn(fixture.data.operatorLogo->picture)));
}

TEST_P(OperatorLogoUpload, PhoneKeepsItAndReadsBackIdentical) {
    const Picture picture = stairs(72, 14);
    const PeerRun r = upload(true, picture);
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    const auto kept = phone->fixture().data.operatorLogo;
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->networkCode, QStringLiteral("26201"));
    EXPECT_EQ(kept->picture, picture);
    EXPECT_TRUE(readLogo(true).contains(drawn(picture)));
}

TEST_P(StartupLogoRead, PixelForPixel) {
    ASSERT_TRUE(fixture.data.startupLogo);
    EXPECT_TRUE(readLogo(false).contains(drawn(*fixture.data.startupLogo)));
}

TEST_P(StartupLogoUpload, PhoneKeepsItAndReadsBackIdentical) {
    const Picture picture = stairs(84, 48);
    const PeerRun r = upload(false, picture);
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.stalled()) << r.describe();
    const auto kept = phone->fixture().data.startupLogo;
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, picture);
    EXPECT_TRUE(readLogo(false).contains(drawn(picture)));
}

// Our library uploads both logos; the peer reads them back.
TEST_P(LibraryUploads, ReadBackIdenticalThroughThePeer) {
    const Picture op = stairs(72, 14);
    const Picture startup = stairs(84, 48);
    using namespace phonelib;
    GSMBitmap opLogo;
    opLogo.kind = bkOperatorLogo;
    opLogo.width = 72;
    opLogo.height = 14;
    opLogo.size = 126;
    opLogo.networkCode = "26201";
    GSMBitmap startupLogo;
    startupLogo.kind = bkStartupLogo;
    startupLogo.width = 84;
    startupLogo.height = 48;
    startupLogo.size = 504;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 84; ++x) {
            if (y < 14 && x < 72 && op.black(x, y))
                opLogo.rowData[(y * 72 + x) / 8] |= 0x80 >> (x % 8);
            // Stripes: pixel (x, y) is bit y mod 8 of byte (y div 8) * width + x.
            if (startup.black(x, y)) startupLogo.stripeData[(y / 8) * 84 + x] |= 1 << (y % 8);
        }
    }

    phone = std::make_unique<phonesim::Simulator>(fixture);
    const QString device = phone->startPty();
    ASSERT_FALSE(device.isEmpty());
    phonelib::setTickPeriod(100);
    testing_support::NotificationRecorder host;
    ASSERT_EQ(phonelib::initport(&host, device.toStdString(), phonelib::ckFbusCable, 0), stDone);
    EXPECT_EQ(Sendbitmap(opLogo), stDone);
    EXPECT_EQ(Sendbitmap(startupLogo), stDone);
    // Uploads are fire-and-forget: wait until the phone has confirmed both.
    EXPECT_TRUE(phone->waitForRequest(0x05, phonesim::Millis(3000), 2));
    phonelib::lib().runJob([] {
        auto& library = phonelib::lib();
        library.serialPort().Close();
        library.setHost(nullptr);
        library.restoreLoadState();
    });
    phone->stop();

    EXPECT_TRUE(readLogo(true).contains(drawn(op)));
    EXPECT_TRUE(readLogo(false).contains(drawn(startup)));
}

PEER_TEST_SUITE(OperatorLogoRead);
PEER_TEST_SUITE(OperatorLogoUpload);
PEER_TEST_SUITE(StartupLogoRead);
PEER_TEST_SUITE(StartupLogoUpload);
PEER_TEST_SUITE(LibraryUploads);

}  // namespace
}  // namespace peer_test
