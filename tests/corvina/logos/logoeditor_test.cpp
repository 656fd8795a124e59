// The logo editor: drawing, undo and redo, fitting and types, asking before
// edits are dropped, and scanning from the SANE test device.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "codecs/bitmaps/monochrome.h"
#include "corvina/logos/logoediting.h"
#include "corvina/logos/picturefiles.h"
#include "corvina/logos/pixelgrid.h"
#include "corvina/logos/scanner.h"
#include "corvina/logos/tlogoeditorform.h"
#include "corvina/logos/tlogoform.h"
#include "corvina/logos/tpreview.h"
#include "corvina/settings/settingsrecord.h"
#include "corvina/shell/tgesamtform.h"
#include "tests/corvina/waitfor.h"

namespace corvina {
namespace {

using testing_support::waitFor;

QSize size3310(uint8_t kind) {
    return logoSize(11, kind, true);
}

int blackPixels(const QImage& picture) {
    const QImage mono = tools::monochrome(picture);
    int count = 0;
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) count += tools::isblack(mono, x, y);
    return count;
}

void stroke(LogoEditing& editing, QPoint from, QPoint to, bool black = true) {
    editing.press(from, black);
    editing.move(to);
    editing.release();
}

TEST(LogoEditing, UndoRestoresStepByStepAndRedoComesBackUntilANewStep) {
    LogoEditing editing(size3310);
    editing.open({}, lkOperator, {});
    const QImage start = editing.picture();
    stroke(editing, {0, 0}, {71, 0});
    stroke(editing, {0, 5}, {71, 5});
    const QImage two = editing.picture();
    stroke(editing, {0, 9}, {71, 9});
    EXPECT_EQ(blackPixels(editing.picture()), 216);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(editing.undo());
    EXPECT_EQ(editing.picture(), start);
    EXPECT_FALSE(editing.undo()) << "a fourth undo changes nothing";
    EXPECT_EQ(editing.picture(), start);

    EXPECT_TRUE(editing.redo());
    EXPECT_TRUE(editing.redo());
    EXPECT_EQ(editing.picture(), two);
    // A stroke after an undo, then undo: the state just before that stroke,
    // and nothing left to redo.
    stroke(editing, {3, 0}, {3, 13});
    EXPECT_FALSE(editing.canRedo());
    EXPECT_TRUE(editing.undo());
    EXPECT_EQ(editing.picture(), two);
}

TEST(LogoEditing, ToolsStayInsideThePictureAndFillWithoutRecursion) {
    LogoEditing editing(size3310);
    editing.open({}, lkOperator, {});
    EXPECT_FALSE(editing.press({72, 3}, true)) << "a click outside the picture";
    EXPECT_FALSE(editing.press({-1, 0}, true));
    EXPECT_FALSE(editing.canUndo());
    editing.setTool(DrawTool::Rectangle);
    stroke(editing, {2, 2}, {10, 8});
    EXPECT_EQ(blackPixels(editing.picture()), 2 * 9 + 2 * 5);
    editing.setTool(DrawTool::Fill);
    editing.press({5, 5}, true);
    editing.release();
    EXPECT_EQ(blackPixels(editing.picture()), 9 * 7);
    editing.setTool(DrawTool::FilledEllipse);
    stroke(editing, {20, 0}, {40, 13});
    const int withEllipse = blackPixels(editing.picture());
    EXPECT_GT(withEllipse, 63 + 150);
    editing.setTool(DrawTool::Text);
    editing.setText(QStringLiteral("Hi"));
    stroke(editing, {45, 0}, {45, 0});
    EXPECT_GT(blackPixels(editing.picture()), withEllipse);
    for (QRgb pixel : {editing.picture().pixel(46, 4), editing.picture().pixel(0, 0)})
        EXPECT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << "no grey";

    // A fill of a large picture runs without deep recursion.
    LogoEditing big([](uint8_t) { return QSize(1000, 1000); });
    big.open({}, lkOperator, {});
    big.setTool(DrawTool::Fill);
    big.press({500, 500}, true);
    EXPECT_EQ(blackPixels(big.picture()), 1000 * 1000);
}

TEST(LogoEditing, FittingStopsOnceDrawnAndTypesChangeTheSize) {
    QTemporaryDir dir;
    QImage source(200, 100, QImage::Format_RGB32);
    source.fill(Qt::white);
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 100; ++y) source.setPixel(x, y, qRgb(0, 0, 0));
    const QString bmp = dir.filePath("bild.bmp");
    ASSERT_TRUE(source.save(bmp, "BMP"));
    LogoEditing editing(size3310);
    ASSERT_TRUE(editing.open(bmp, lkOperator, {tools::fmStretched, {}, {}}).isEmpty());
    EXPECT_EQ(editing.size(), QSize(72, 14));
    EXPECT_FALSE(editing.edited());
    const QImage stretched = editing.picture();
    EXPECT_TRUE(editing.changeFit(tools::fmProportional));
    EXPECT_NE(editing.picture(), stretched);
    stroke(editing, {1, 1}, {1, 1});
    const QImage drawn = editing.picture();
    EXPECT_FALSE(editing.changeFit(tools::fmStretched)) << "after drawing the fit does nothing";
    EXPECT_EQ(editing.picture(), drawn);

    editing.changeKind(lkStartup);
    EXPECT_EQ(editing.size(), QSize(84, 48));
    EXPECT_TRUE(editing.undo());
    EXPECT_EQ(editing.size(), QSize(72, 14));
    EXPECT_EQ(editing.kind(), lkOperator);
    EXPECT_EQ(editing.picture(), drawn);

    // A file that cannot be read leaves the picture as it was.
    const QString broken = dir.filePath("kaputt.nol");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("NOL\x00\x01\x00", 6);
    file.close();
    EXPECT_FALSE(editing.load(broken).isEmpty());
    EXPECT_EQ(editing.picture(), drawn);
}

class Editor : public ::testing::Test {
  protected:
    void SetUp() override {
        editor.setContext({11, true, QStringLiteral("26201"), dir.path()});
        editor.openFile({}, lkOperator, {});
    }
    void press(QPoint pixel) {
        const int z = editor.grid()->zoom();
        const QPoint at(pixel.x() * z + z / 2, pixel.y() * z + z / 2);
        QTest::mousePress(editor.grid(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(editor.grid(), Qt::LeftButton, {}, at);
    }
    QMessageBox* question() {
        QMessageBox* box = nullptr;
        waitFor([&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
            }
            return box != nullptr;
        });
        return box;
    }

    QTemporaryDir dir;
    Tlogoeditorform editor;
};

TEST_F(Editor, StrokesWithTheMouseAndTheUndoButtonAndAskBeforeDroppingEdits) {
    for (int x : {3, 10, 20}) press({x, 4});
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 3);
    EXPECT_EQ(blackPixels(editor.preview()->picture()), 3);
    for (int i = 0; i < 3; ++i) editor.undoButton()->click();
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 0);
    EXPECT_FALSE(editor.undoButton()->isEnabled()) << "grey when nothing is left to undo";
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 1) << "redo";

    // Opening another picture asks first; "Abbrechen" keeps the drawing.
    bool proceeded = false;
    ASSERT_TRUE(editor.holdForChanges([&] { proceeded = true; }));
    QMessageBox* box = question();
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Cancel)->click();
    EXPECT_FALSE(proceeded);
    EXPECT_TRUE(editor.editing().modified());
    // "Verwerfen" goes on.
    ASSERT_TRUE(editor.holdForChanges([&] { proceeded = true; }));
    question()->button(QMessageBox::Discard)->click();
    EXPECT_TRUE(proceeded);
    EXPECT_FALSE(editor.holdForChanges([] {})) << "nothing left to ask about";

    // Saved by extension: a one-bit BMP and a NOL with the settings' operator.
    press({0, 0});
    ASSERT_TRUE(editor.saveTo(dir.filePath("logo.nol")));
    ASSERT_TRUE(editor.saveTo(dir.filePath("logo.bmp")));
    const PictureResult nol = readPictureFile(dir.filePath("logo.nol"));
    const PictureResult bmp = readPictureFile(dir.filePath("logo.bmp"));
    ASSERT_TRUE(nol.ok() && bmp.ok());
    EXPECT_EQ(blackPixels(nol.image), 2);
    EXPECT_EQ(bmp.image.depth(), 1);
    EXPECT_FALSE(editor.holdForChanges([] {}));
}

TEST(EditorInTheProgram, TheProgramAsksBeforeItEndsWithUnsavedEdits) {
    openSettingsStore()->clear();
    Tgesamtform::Options options;
    options.splash = false;
    options.search.listPorts = [] { return QStringList{}; };
    Tgesamtform shell(std::move(options));
    QSignalSpy finished(&shell, &Tgesamtform::shutdownFinished);
    shell.selectModule(Module::Logos);
    auto* form = qobject_cast<Tlogoform*>(shell.moduleWindow(Module::Logos));
    ASSERT_NE(form, nullptr);
    Tlogoeditorform* editor = form->editor();
    editor->openFile({}, lkOperator, {});
    ASSERT_TRUE(editor->editing().press({1, 1}, true));
    editor->editing().release();

    const auto answer = [&](QMessageBox::StandardButton button) {
        QMessageBox* box = nullptr;
        EXPECT_TRUE(
            waitFor([&] { return (box = editor->findChild<QMessageBox*>("speichernfrage")); }));
        if (box) box->button(button)->click();
        QCoreApplication::processEvents();
    };
    shell.quitProgram();
    answer(QMessageBox::Cancel);
    EXPECT_EQ(finished.size(), 0) << "cancelled: the program goes on";
    EXPECT_TRUE(editor->editing().modified());
    shell.quitProgram();
    answer(QMessageBox::Discard);
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }));
}

// The SANE "test" backend, configured through SANE_CONFIG_DIR. The
// configuration folder is read once per program, so each test writes its
// own files into the one folder before its first scan.
class Scanning : public Editor {
  protected:
    static QString configFolder() {
        static QTemporaryDir folder;
        static bool set = [] {
            qputenv("SANE_CONFIG_DIR", folder.path().toLocal8Bit());
            return true;
        }();
        (void)set;
        return folder.path();
    }
    void configure(const QByteArray& backends, const QByteArray& testConf) {
        const QString folder = configFolder();
        QFile dll(folder + "/dll.conf");
        ASSERT_TRUE(dll.open(QIODevice::WriteOnly));
        dll.write(backends);
        dll.close();
        QFile test(folder + "/test.conf");
        ASSERT_TRUE(test.open(QIODevice::WriteOnly));
        test.write("number_of_devices 1\n" + testConf);
    }
    bool scanned() {
        return waitFor([&] { return !editor.scanner()->busy(); }, 30000);
    }
};

TEST_F(Scanning, SolidBlackFromTheTestDeviceMakesAnAllBlackPictureInOneStep) {
    configure("test\n", "test-picture \"Solid black\"\n");
    editor.scanAction()->trigger();
    ASSERT_TRUE(scanned());
    ASSERT_TRUE(waitFor([&] { return blackPixels(editor.editing().oneBit()) == 72 * 14; }));
    EXPECT_TRUE(editor.editing().undo());
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 0);
    EXPECT_FALSE(editor.editing().undo()) << "one undo step";
}

TEST_F(Scanning, WithoutAScannerTheUserIsToldAndNothingChanges) {
    configure("", "");
    editor.scanAction()->trigger();
    ASSERT_TRUE(scanned());
    QMessageBox* box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = editor.findChild<QMessageBox*>()) != nullptr; }));
    EXPECT_TRUE(box->text().contains("kein Scanner")) << box->text().toStdString();
    EXPECT_FALSE(editor.editing().canUndo());
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 0);
}

TEST_F(Scanning, ACancelledScanChangesNothing) {
    configure("test\n", "test-picture \"Solid black\"\n");
    // Stopped while the devices are being listed: no scan follows.
    editor.scanAction()->trigger();
    editor.scanAction()->trigger();  // "Scannen abbrechen"
    EXPECT_EQ(editor.scanAction()->text(), "Bild einscannen");
    ASSERT_TRUE(scanned());
    QTest::qWait(100);
    EXPECT_FALSE(editor.scanner()->busy());
    EXPECT_FALSE(editor.editing().canUndo());
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 0);

    // Stopped before the device delivers: reported as cancelled, no image.
    std::optional<bool> cancelled;
    QImage image;
    QObject::connect(editor.scanner(), &Scanner::scanned,
                     [&](const QImage& i, const QString&, bool c) {
                         image = i;
                         cancelled = c;
                     });
    ASSERT_TRUE(editor.scanner()->scan());
    editor.scanner()->cancel();
    ASSERT_TRUE(waitFor([&] { return cancelled.has_value(); }));
    EXPECT_TRUE(*cancelled);
    EXPECT_TRUE(image.isNull());
    EXPECT_FALSE(editor.editing().canUndo());
    EXPECT_EQ(blackPixels(editor.editing().oneBit()), 0);
}

}  // namespace
}  // namespace corvina
