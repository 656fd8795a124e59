// The logo window and the logo editor in the program running against the
// simulated Nokia 3310 and 6110: drawing, sending directly and as smart
// messages, reading back; the screenshots of the README come from here
// (CORVINA_SCREENSHOT_DIR).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

#include "codecs/bitmaps/monochrome.h"
#include "corvina/common/tgruppenwahlform.h"
#include "corvina/logos/logobitmaps.h"
#include "corvina/logos/picturefiles.h"
#include "corvina/logos/pixelgrid.h"
#include "corvina/logos/tempfaengerform.h"
#include "corvina/logos/tlogoeditorform.h"
#include "corvina/logos/tlogoform.h"
#include "corvina/logos/tpicturesmsform.h"
#include "corvina/logos/tpreview.h"
#include "corvina/settings/thaupteinstellungsform.h"
#include "phonelib/api/status.h"
#include "phonesim/nokia61xx/smartpictures.h"
#include "tests/corvina/e2e/logowindowprogram.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using namespace testing_support;

// True when the one-bit picture and the simulator's picture have the same
// size and the same black pixels.
bool samePixels(const QImage& picture, const phonesim::Picture& kept) {
    if (picture.width() != kept.width || picture.height() != kept.height) return false;
    const QImage mono = tools::monochrome(picture);
    for (int y = 0; y < kept.height; ++y) {
        for (int x = 0; x < kept.width; ++x) {
            if (tools::isblack(mono, x, y) != kept.black(x, y)) return false;
        }
    }
    return true;
}

bool samePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() && tools::monochrome(a).convertToFormat(QImage::Format_RGB32) ==
                                       tools::monochrome(b).convertToFormat(QImage::Format_RGB32);
}

int blackPixels(const QImage& picture) {
    const QImage mono = tools::monochrome(picture);
    int count = 0;
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) count += tools::isblack(mono, x, y);
    return count;
}

class LogoWindow : public LogoWindowProgram {
  protected:
    void useModel(const QString& code, const QString& mnc) {
        sim.editFixture([&](phonesim::Fixture& f) {
            f = phonesim::Fixture::forModel(code);
            f.network.mcc = QStringLiteral("262");
            f.network.mnc = mnc;
        });
    }
    void setOperator(const QString& country, const QString& net) {
        TSettings settings = readSettings();
        settings.operatorCountry = country;
        settings.operatorNet = net;
        settings.smsCentre = QStringLiteral("+491722270333");
        writeSettings(settings);
    }
    QMessageBox* messageBox(QWidget* owner, const char* name) {
        QMessageBox* box = nullptr;
        waitFor([&] {
            box = owner->findChild<QMessageBox*>(name);
            return box && box->isVisible();
        });
        return box;
    }
    // The editor and its preview window side by side in one picture.
    void screenshotBeside(QWidget* left, QWidget* right, const QString& name) {
        const QPixmap a = left->grab();
        const QPixmap b = right->grab();
        QPixmap both(a.width() + b.width() + 12, std::max(a.height(), b.height()));
        both.fill(QColor(0x55, 0x5a, 0x60));
        QPainter painter(&both);
        painter.drawPixmap(0, 0, a);
        painter.drawPixmap(a.width() + 12, 0, b);
        painter.end();
        const QString folder = qEnvironmentVariable("CORVINA_SCREENSHOT_DIR", dir.path());
        EXPECT_TRUE(both.save(QDir(folder).filePath(name), "PNG"));
    }
    QString samples(const char* name) {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .filePath(QStringLiteral("logos/") + QLatin1String(name));
    }
};

TEST_F(LogoWindow, ANewUserDrawsSendsReadsBackAndSendsPicturesOnA3310) {
    useModel(QStringLiteral("NHM-5"), QStringLiteral("01"));
    setOperator(QStringLiteral("262"), QStringLiteral("2"));
    Tlogoform* form = openLogos();
    ASSERT_NE(form, nullptr);

    // The samples, fitted to the 3310's operator logo.
    EXPECT_TRUE(form->shownFiles().contains(samples("corvina-betreiber.nol")));
    ASSERT_TRUE(waitFor([&] { return form->thumbnails().waiting() == 0; }));
    for (const QString& file : form->shownFiles()) {
        const PictureResult* made = form->thumbnails().find(file);
        ASSERT_NE(made, nullptr) << file.toStdString();
        EXPECT_EQ(made->image.size(), QSize(72, 14)) << file.toStdString();
    }
    EXPECT_TRUE(shell->statusText(Tgesamtform::StatusField::Middle).startsWith("Operator: 26202"));
    ASSERT_TRUE(form->selectFile(samples("corvina-betreiber.nol")));
    auto* tree = form->findChild<QTreeView*>("ordner");
    waitFor(
        [&] { return tree->currentIndex().data(QFileSystemModel::FilePathRole) == form->folder(); },
        5000);
    screenshot(shell.get(), "corvina-logos.png");

    // A logo drawn with the mouse: a frame and a diagonal.
    Tlogoeditorform* editor = form->editor();
    editor->openFile({}, lkOperator, {});
    ASSERT_TRUE(editor->isVisible());
    PixelGrid* grid = editor->grid();
    const int z = grid->zoom();
    const auto at = [z](int x, int y) { return QPoint(x * z + z / 2, y * z + z / 2); };
    editor->toolAction(DrawTool::Rectangle)->trigger();
    QTest::mousePress(grid, Qt::LeftButton, {}, at(1, 1));
    QTest::mouseMove(grid, at(70, 12));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at(70, 12));
    editor->toolAction(DrawTool::Pen)->trigger();
    QTest::mousePress(grid, Qt::LeftButton, {}, at(3, 3));
    for (int x = 4; x <= 60; x += 4) QTest::mouseMove(grid, at(x, 3 + (x * 7) / 60));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at(60, 10));
    const QImage drawn = editor->editing().oneBit();
    EXPECT_EQ(drawn.size(), QSize(72, 14));
    EXPECT_GT(blackPixels(drawn), 150);
    EXPECT_TRUE(samePixels(editor->preview()->picture(), drawn));
    editor->resize(860, 420);
    editor->grid()->setZoom(10);
    screenshotBeside(editor, editor->preview(), "corvina-logos-editor.png");

    // Sent as operator logo of 26202 while the phone is in 26201: a warning,
    // then the logo goes out and comes back pixel for pixel.
    const SendOutcome sent =
        finish([&] { editor->findChild<QPushButton*>("uebertragen")->click(); },
               [&] { messageBox(form, "operatorwarnung")->button(QMessageBox::Ok)->click(); });
    ASSERT_TRUE(sent.success()) << sent.text.toStdString();
    EXPECT_EQ(sent.operatorCode, "26202");
    const auto logo = sim.fixture().data.operatorLogo;
    ASSERT_TRUE(logo.has_value());
    EXPECT_EQ(logo->networkCode, "26202");
    EXPECT_TRUE(samePixels(drawn, logo->picture));
    GSMBitmap back;
    back.kind = bkOperatorLogo;
    ASSERT_EQ(phonelib::GetBitmap(back), 1);
    EXPECT_TRUE(samePixels(pictureFromBitmap(back), drawn));
    editor->close();

    // The start-up logo, 84 x 48.
    form->setKind(lkStartup);
    ASSERT_TRUE(form->selectFile(samples("sonnenaufgang-start.bmp")));
    ASSERT_TRUE(finish([&] { form->sendCurrent(); }).success());
    const QImage startup = fitPictureFile(samples("sonnenaufgang-start.bmp"), {84, 48}, {}).image;
    ASSERT_TRUE(sim.fixture().data.startupLogo.has_value());
    EXPECT_TRUE(samePixels(startup, *sim.fixture().data.startupLogo));

    // A group logo: the library reads no caller groups of a 3310, so the
    // group gets the usual ringtone.
    form->setKind(lkCallerGroup);
    ASSERT_TRUE(form->selectFile(samples("familie-gruppe.ngg")));
    const SendOutcome group =
        finish([&] { form->sendCurrent(); },
               [&] {
                   ASSERT_TRUE(waitFor([&] { return form->groupDialog()->isVisible(); }));
                   form->groupDialog()->list()->setCurrentRow(1);
                   form->groupDialog()->findChild<QPushButton*>("ok")->click();
               });
    ASSERT_TRUE(group.success()) << group.text.toStdString();
    EXPECT_EQ(sim.fixture().phonebook.callerGroups.at(1).ringtone, 51);
    EXPECT_EQ(sim.fixture().phonebook.callerGroups.at(1).logo.width, 72);

    // A picture into "Bild 4".
    form->setKind(lkPicture);
    ASSERT_TRUE(form->selectFile(samples("telefon-bild.bmp")));
    const SendOutcome picture =
        finish([&] { form->sendCurrent(); },
               [&] {
                   ASSERT_TRUE(waitFor([&] { return form->slotDialog()->isVisible(); }));
                   form->slotDialog()->list()->setCurrentRow(3);
                   form->slotDialog()->findChild<QPushButton*>("ok")->click();
               });
    ASSERT_TRUE(picture.success());
    const auto pictures = sim.fixture().data.pictures;
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures.front().slot, 3);
    EXPECT_TRUE(samePixels(fitPictureFile(samples("telefon-bild.bmp"), {72, 28}, {}).image,
                           pictures.front().picture));

    // By message: an operator logo for "0177…" goes to 26203; a picture
    // message carries its text.
    form->setKind(lkOperator);
    ASSERT_TRUE(form->selectFile(samples("noten-betreiber.bmp")));
    Tempfaengerform* dialog = form->recipientDialog();
    const SendOutcome byMessage =
        finish([&] { form->sendByMessage(); },
               [&] {
                   ASSERT_TRUE(dialog->isVisible());
                   EXPECT_FALSE(dialog->sendButton()->isEnabled());
                   QTest::keyClicks(dialog->recipient(), QStringLiteral("0177 1234567"));
                   EXPECT_EQ(dialog->chosenCode(), "26203");
                   EXPECT_TRUE(dialog->sendButton()->isEnabled());
                   dialog->sendButton()->click();
               });
    ASSERT_TRUE(byMessage.success()) << byMessage.text.toStdString();
    form->setKind(lkPicture);
    ASSERT_TRUE(form->selectFile(samples("smileys-bild.png")));
    const SendOutcome pictureMessage =
        finish([&] { form->sendByMessage(); },
               [&] {
                   dialog->text()->setText(QStringLiteral("Grüße vom Meer"));
                   dialog->resize(420, dialog->height());
                   screenshot(dialog, "corvina-logos-message.png");
                   dialog->sendButton()->click();
               });
    ASSERT_TRUE(pictureMessage.success()) << pictureMessage.text.toStdString();
    const auto received = sim.fixture().messages.received;
    ASSERT_EQ(received.size(), 2u);
    const auto operatorLogo = phonesim::nokia61xx::readSmartPicture(received.at(0));
    ASSERT_TRUE(operatorLogo.has_value());
    EXPECT_EQ(operatorLogo->networkCode, "26203");
    EXPECT_EQ(received.at(0).number, "01771234567");
    EXPECT_TRUE(samePixels(fitPictureFile(samples("noten-betreiber.bmp"), {72, 14}, {}).image,
                           operatorLogo->picture));
    const auto message = phonesim::nokia61xx::readSmartPicture(received.at(1));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, QStringLiteral("Grüße vom Meer"));
    EXPECT_TRUE(samePixels(fitPictureFile(samples("smileys-bild.png"), {72, 28}, {}).image,
                           message->picture));

    // The phone hangs up: a send is never reported as a success.
    form->setKind(lkOperator);
    sim.faults().hangUp();
    const SendOutcome lost =
        finish([&] { form->sendCurrent(); },
               [&] {
                   if (auto* box = form->findChild<QMessageBox*>("operatorwarnung"))
                       box->button(QMessageBox::Ok)->click();
               });
    EXPECT_FALSE(lost.success());
    ASSERT_TRUE(waitFor([&] { return !shell->showsConnected(); }));
    const SendOutcome after = finish([&] { form->sendCurrent(); });
    EXPECT_FALSE(after.success());
    EXPECT_EQ(after.status, phonelib::stNotConnected);
    EXPECT_TRUE(after.text.contains("kein Mobiltelefon verbunden"));
}

TEST_F(LogoWindow, OnA6110WithoutOperatorInTheSettingsTheLogoTakesThePhonesNetwork) {
    useModel(QStringLiteral("NSE-3"), QStringLiteral("01"));
    Tlogoform* form = openLogos();
    EXPECT_TRUE(waitFor([&] {
        return shell->statusText(Tgesamtform::StatusField::Middle).startsWith("Operator: 26201");
    })) << shell->statusText(Tgesamtform::StatusField::Middle).toStdString();
    ASSERT_TRUE(form->selectFile(samples("corvina-betreiber.nol")));
    const SendOutcome sent = finish([&] { form->sendCurrent(); });
    ASSERT_TRUE(sent.success()) << sent.text.toStdString();
    EXPECT_EQ(form->findChild<QMessageBox*>("operatorwarnung"), nullptr) << "no mismatch warning";
    const auto logo = sim.fixture().data.operatorLogo;
    ASSERT_TRUE(logo.has_value());
    EXPECT_EQ(logo->networkCode, "26201");
    EXPECT_TRUE(samePixels(fitPictureFile(samples("corvina-betreiber.nol"), {72, 14}, {}).image,
                           logo->picture));

    // Removing it sends the empty logo.
    ASSERT_TRUE(finish([&] { form->removeLogo(); }).success());
    const phonesim::Picture removed = sim.fixture().data.operatorLogo->picture;
    EXPECT_EQ(std::count(removed.pixels.begin(), removed.pixels.end(), 1), 0);

    // Group 2 gets a logo and keeps its ringtone.
    const int ringtone = 0x22;
    sim.editFixture(
        [&](phonesim::Fixture& f) { f.phonebook.callerGroups.at(2).ringtone = ringtone; });
    form->setMode(Tlogoform::Mode::Logos);
    form->setKind(lkCallerGroup);
    ASSERT_TRUE(form->selectFile(samples("familie-gruppe.ngg")));
    const SendOutcome group =
        finish([&] { form->sendCurrent(); },
               [&] {
                   ASSERT_TRUE(waitFor([&] { return form->groupDialog()->isVisible(); }));
                   form->groupDialog()->list()->setCurrentRow(2);
                   screenshot(form->groupDialog(), "corvina-common-groupchoice.png");
                   form->groupDialog()->findChild<QPushButton*>("ok")->click();
               });
    ASSERT_TRUE(group.success()) << group.text.toStdString();
    const auto& kept = sim.fixture().phonebook.callerGroups.at(2);
    EXPECT_EQ(kept.ringtone, ringtone);
    EXPECT_TRUE(kept.logoOn);
    EXPECT_EQ(kept.logo.width, 72);

    // Ringtone mode lists the tunes and sends one; the 6110 has no slots.
    QFile tune(QDir(form->folder()).filePath("melodie.txt"));
    ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
    tune.write("Melodie:d=4,o=5,b=120:c,e,g,c6");
    tune.close();
    form->setMode(Tlogoform::Mode::Ringtones);
    EXPECT_EQ(form->shownFiles(), QStringList{tune.fileName()});
    ASSERT_TRUE(form->selectFile(tune.fileName()));
    const SendOutcome tuneSent = finish([&] { form->sendCurrent(); });
    ASSERT_TRUE(tuneSent.success()) << tuneSent.text.toStdString();
    ASSERT_TRUE(waitFor([&] { return !sim.fixture().data.ringtones.empty(); }));
    tune.remove();  // the logo folder outlives the test within this program
}

TEST_F(LogoWindow, WithoutAnyOperatorTheUserChoosesOneInTheSettingsAndTheSendGoesOn) {
    useModel(QStringLiteral("NSE-3"), QStringLiteral("00"));
    sim.editFixture([](phonesim::Fixture& f) { f.network.mcc = QStringLiteral("000"); });
    Tlogoform* form = openLogos();
    ASSERT_TRUE(form->selectFile(samples("noten-betreiber.bmp")));
    const SendOutcome sent =
        finish([&] { form->sendCurrent(); },
               [&] {
                   QMessageBox* box = nullptr;
                   ASSERT_TRUE(waitFor([&] {
                       for (auto* b : form->findChildren<QMessageBox*>())
                           if (b->isVisible() && b->text().contains("Operator angeben")) box = b;
                       return box != nullptr;
                   }));
                   box->button(QMessageBox::Ok)->click();
                   Thaupteinstellungsform& settings = shell->settingsDialog();
                   ASSERT_TRUE(waitFor([&] { return settings.isVisible(); }));
                   auto* operators =
                       settings.findChild<QWidget*>("betreiberseite")->findChild<QComboBox*>();
                   ASSERT_NE(operators, nullptr);
                   operators->setCurrentIndex(operators->findText("26202", Qt::MatchStartsWith));
                   screenshot(&settings, "corvina-settings-operator.png");
                   settings.findChild<QPushButton*>("okbutton")->click();
               });
    ASSERT_TRUE(sent.success()) << sent.text.toStdString();
    EXPECT_EQ(sent.operatorCode, "26202");
    ASSERT_TRUE(sim.fixture().data.operatorLogo.has_value());
    EXPECT_EQ(sim.fixture().data.operatorLogo->networkCode, "26202");
}

}  // namespace
}  // namespace corvina
