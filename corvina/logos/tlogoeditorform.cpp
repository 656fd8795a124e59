#include "corvina/logos/tlogoeditorform.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QSaveFile>
#include <QShortcut>
#include <QStandardItemModel>
#include <QToolBar>
#include <QVBoxLayout>

#include "codecs/bitmaps/logofile.h"
#include "codecs/tools/filebytes.h"
#include "corvina/common/callsequence.h"
#include "corvina/common/tgruppenwahlform.h"
#include "corvina/connection/modelnumbers.h"
#include "corvina/help/helpcontext.h"
#include "corvina/language/language.h"
#include "corvina/language/languageapply.h"
#include "corvina/logos/logobitmaps.h"
#include "corvina/logos/logosend.h"
#include "corvina/logos/picturefiles.h"
#include "corvina/logos/pixelgrid.h"
#include "corvina/logos/scanner.h"
#include "corvina/logos/tpreview.h"
#include "corvina/shell/messagebox.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace corvina {

namespace {

struct ToolEntry {
    DrawTool tool;
    const char* name;
    const char* caption;
};

constexpr ToolEntry kTools[] = {
    {DrawTool::Pen, "stift", "Stift"},
    {DrawTool::Line, "linie", "Linie"},
    {DrawTool::Ellipse, "kreis", "Kreis"},
    {DrawTool::FilledEllipse, "gefuelltkreis", "gefüllter Kreis"},
    {DrawTool::Rectangle, "rechteck", "Rechteck"},
    {DrawTool::FilledRectangle, "gefuelltrechteck", "gefülltes Rechteck"},
    {DrawTool::Fill, "fuellen", "Füllen"},
    {DrawTool::Text, "texteinfuegen", "Text einfügen"},
};

QAction* action(QWidget* owner, const char* name, const QString& text) {
    auto* a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

Tlogoeditorform::Tlogoeditorform(QWidget* parent, std::function<uint8_t(GSMBitmap&)> getBitmap)
    : QWidget(parent, Qt::Window),
      editing_([this](uint8_t kind) {
          return logoSize(context_.modelNumber, kind, context_.largePictureMessages);
      }),
      getBitmap_(getBitmap ? std::move(getBitmap) : &phonelib::GetBitmap) {
    setObjectName(QStringLiteral("Tlogoeditorform"));
    setWindowTitle(QStringLiteral("Logo-Editor"));
    setHelpPage(this, QStringLiteral("logoeditor"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildChoices());
    grid_ = new PixelGrid;
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("rasterflaeche"));
    scroll_->setWidget(grid_);
    scroll_->setWidgetResizable(false);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setMinimumSize(480, 260);
    layout->addWidget(scroll_, 1);
    layout->addWidget(buildButtons());
    preview_ = new Tpreview(this);
    scanner_ = new Scanner(this);
    calls_ = new CallSequence(this);
    groups_ = new Tgruppenwahlform(this);
    setHelpPage(groups_, QStringLiteral("logoeditor"));

    connect(grid_, &PixelGrid::pressed, this, [this](QPoint pixel, bool black) {
        editing_.setText(text_->text());
        if (editing_.press(pixel, black)) refresh();
    });
    connect(grid_, &PixelGrid::moved, this, [this](QPoint pixel) {
        editing_.move(pixel);
        refresh();
    });
    connect(grid_, &PixelGrid::released, this, [this] { editing_.release(); });
    connect(
        scanner_, &Scanner::devicesListed, this,
        [this](const QStringList& names, const QStringList& descriptions, const QString& error) {
            if (!scanning_) return;  // stopped while the devices were listed
            if (names.isEmpty()) {
                scanning_ = false;
                takeScan({}, {}, true);
                report(tx("logos_49", "Scanner"),
                       tx("logos_46", "Es wurde kein Scanner gefunden.") +
                           (error.isEmpty() ? QString() : QStringLiteral("\n") + error));
                return;
            }
            if (names.size() == 1) {
                scanner_->scan(names.front());
                return;
            }
            QStringList shown;
            for (int i = 0; i < names.size(); ++i)
                shown << names.at(i) + QStringLiteral(" – ") + descriptions.value(i);
            auto* dialog = new QInputDialog(this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->setWindowTitle(tx("logos_49", "Scanner"));
            dialog->setLabelText(tx("logos_50", "Scanner wählen:"));
            dialog->setComboBoxItems(shown);
            connect(dialog, &QInputDialog::textValueSelected, this,
                    [this, names, shown](const QString& text) {
                        scanner_->scan(names.value(shown.indexOf(text)));
                    });
            connect(dialog, &QInputDialog::rejected, this, [this] { takeScan({}, {}, true); });
            dialog->open();
        });
    connect(scanner_, &Scanner::scanned, this, &Tlogoeditorform::takeScan);
    connect(groups_, &Tgruppenwahlform::chosen, this, [this](int index, const QString&) {
        GSMBitmap request;
        request.kind = lkCallerGroup;
        request.groupIndex = index;
        readFromPhone(request);
    });

    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, [this] {
        if (editing_.undo()) refresh();
    });
    auto* redoKey = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")), this);
    connect(redoKey, &QShortcut::activated, this, [this] {
        if (editing_.redo()) refresh();
    });
    fillTypes();
    refresh();
    resize(720, 480);
}

Tlogoeditorform::~Tlogoeditorform() = default;

QWidget* Tlogoeditorform::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("werkzeuge"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* newPicture = action(this, "neuesbild", QStringLiteral("Neues Bild"));
    auto* load = action(this, "laden", QStringLiteral("Laden"));
    auto* save = action(this, "speichern", QStringLiteral("Speichern"));
    phoneAction_ = action(this, "vomhandy", QStringLiteral("Vom Handy laden"));
    auto* zoomIn = action(this, "vergroessern", QStringLiteral("+"));
    zoomIn->setToolTip(QStringLiteral("Vergrößern"));
    auto* zoomOut = action(this, "verkleinern", QStringLiteral("−"));
    zoomOut->setToolTip(QStringLiteral("Verkleinern"));
    bar->addActions({newPicture, load, save, phoneAction_});
    bar->addSeparator();
    bar->addActions({zoomIn, zoomOut});
    // The drawing tools have a row of their own.
    auto* toolRow = new QToolBar(this);
    toolRow->setObjectName(QStringLiteral("zeichenwerkzeuge"));
    toolRow->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* group = new QActionGroup(this);
    for (const ToolEntry& entry : kTools) {
        QAction* tool = action(this, entry.name, QString::fromUtf8(entry.caption));
        tool->setCheckable(true);
        tool->setData(static_cast<int>(entry.tool));
        group->addAction(tool);
        toolRow->addAction(tool);
        tools_ << tool;
        connect(tool, &QAction::triggered, this, [this, t = entry.tool] { editing_.setTool(t); });
    }
    tools_.front()->setChecked(true);
    bar->addSeparator();
    scanAction_ = action(this, "scannen", QStringLiteral("Bild einscannen"));
    bar->addAction(scanAction_);

    connect(newPicture, &QAction::triggered, this, [this] {
        editing_.newPicture();
        refresh();
    });
    connect(load, &QAction::triggered, this, [this] { askToSave([this] { loadClicked(); }); });
    connect(save, &QAction::triggered, this, [this] { chooseSaveFile({}); });
    connect(phoneAction_, &QAction::triggered, this, [this] { phoneClicked(); });
    connect(zoomIn, &QAction::triggered, this, [this] { grid_->setZoom(grid_->zoom() + 1); });
    connect(zoomOut, &QAction::triggered, this, [this] { grid_->setZoom(grid_->zoom() - 1); });
    connect(scanAction_, &QAction::triggered, this, [this] { scanClicked(); });
    // The buttons of the two rows take the actions' names, so that the
    // language file reaches their captions.
    for (QToolBar* row : {bar, toolRow}) {
        for (QAction* a : row->actions()) {
            if (QWidget* button = row->widgetForAction(a); button && !a->objectName().isEmpty())
                button->setObjectName(a->objectName());
        }
    }
    auto* rows = new QWidget(this);
    auto* layout = new QVBoxLayout(rows);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(toolRow);
    return rows;
}

QWidget* Tlogoeditorform::buildChoices() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(named(new QLabel(QStringLiteral("Typ:"), row), "typlabel"));
    types_ = named(new QComboBox(row), "logotyp");
    layout->addWidget(types_);
    layout->addWidget(named(new QLabel(QStringLiteral("Einpassen:"), row), "einpassenlabel"));
    fits_ = named(new QComboBox(row), "einpassen");
    for (uint8_t mode : {tools::fmCentred, tools::fmStretched, tools::fmProportional})
        fits_->addItem(fitModeName(mode), mode);
    layout->addWidget(fits_);
    layout->addSpacing(12);
    layout->addWidget(named(new QLabel(QStringLiteral("Texteingabe:"), row), "textlabel"));
    text_ = named(new QLineEdit(QStringLiteral("Text"), row), "texteingabe");
    markDynamic(text_);
    layout->addWidget(text_, 1);
    auto* font = named(new QPushButton(QStringLiteral("..."), row), "schriftart");
    font->setToolTip(QStringLiteral("Schriftart auswählen"));
    font->setMaximumWidth(32);
    layout->addWidget(font);
    connect(font, &QPushButton::clicked, this, [this] {
        auto* dialog = new QFontDialog(editing_.font(), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QFontDialog::fontSelected, this,
                [this](const QFont& chosen) { editing_.setFont(chosen); });
        dialog->open();
    });
    connect(types_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (updating_ || index < 0) return;
        editing_.changeKind(static_cast<uint8_t>(types_->itemData(index).toInt()));
        refresh();
    });
    connect(fits_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (updating_ || index < 0) return;
        if (editing_.changeFit(static_cast<uint8_t>(fits_->itemData(index).toInt()))) refresh();
    });
    return row;
}

QWidget* Tlogoeditorform::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    undo_ = named(new QPushButton(QStringLiteral("Rückgängig"), row), "rueckgaengig");
    undo_->setToolTip(QStringLiteral("Letzte Operation rückgängig machen"));
    redo_ = named(new QPushButton(QStringLiteral("Wiederholen"), row), "wiederholen");
    redo_->setToolTip(QStringLiteral("Rückgängig gemachte Operation wiederholen"));
    auto* transfer = named(new QPushButton(QStringLiteral("Übertragen"), row), "uebertragen");
    transfer->setToolTip(QStringLiteral("Zum Handy übertragen"));
    auto* close = named(new QPushButton(QStringLiteral("Schließen"), row), "schliessen");
    close->setToolTip(QStringLiteral("Editor schließen"));
    status_ = new QLabel(row);
    info_ = new QLabel(row);
    layout->addWidget(undo_);
    layout->addWidget(redo_);
    layout->addWidget(info_);
    layout->addWidget(status_, 1);
    layout->addWidget(transfer);
    layout->addWidget(close);
    connect(undo_, &QPushButton::clicked, this, [this] {
        if (editing_.undo()) refresh();
    });
    connect(redo_, &QPushButton::clicked, this, [this] {
        if (editing_.redo()) refresh();
    });
    connect(transfer, &QPushButton::clicked, this,
            [this] { emit transferRequested(editing_.oneBit(), editing_.kind()); });
    connect(close, &QPushButton::clicked, this, [this] { this->close(); });
    return row;
}

void Tlogoeditorform::fillTypes() {
    updating_ = true;
    types_->clear();
    std::vector<uint8_t> kinds{lkStartup, lkOperator, lkCallerGroup, lkPicture};
    if (lacksDivertsAndProfiles(context_.modelNumber)) kinds.push_back(lkScreensaver);
    for (uint8_t kind : kinds) {
        types_->addItem(kindName(kind), kind);
        // Types the phone lacks stay in the list, greyed.
        if (!kindOffered(context_.modelNumber, kind)) {
            if (auto* model = qobject_cast<QStandardItemModel*>(types_->model()))
                model->item(types_->count() - 1)->setEnabled(false);
        }
    }
    updating_ = false;
    selectKind(editing_.kind());
}

void Tlogoeditorform::selectKind(uint8_t kind) {
    updating_ = true;
    types_->setCurrentIndex(types_->findData(kind));
    fits_->setCurrentIndex(fits_->findData(editing_.fit().mode));
    updating_ = false;
}

void Tlogoeditorform::setContext(const Context& context) {
    const bool phoneChanged = context.modelNumber != context_.modelNumber ||
                              context.largePictureMessages != context_.largePictureMessages;
    context_ = context;
    if (phoneChanged) fillTypes();
}

void Tlogoeditorform::refresh() {
    grid_->setPicture(editing_.picture());
    preview_->showPicture(editing_.oneBit());
    undo_->setEnabled(editing_.canUndo());
    redo_->setEnabled(editing_.canRedo());
    // Once drawn on, the picture is no longer a fit of its file.
    fits_->setEnabled(!editing_.edited() && !editing_.sourceFile().isEmpty());
    selectKind(editing_.kind());
    const QSize size = editing_.size();
    QString about = QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
    if (!editing_.sourceFile().isEmpty())
        about += QStringLiteral(" – ") + QFileInfo(editing_.sourceFile()).fileName();
    if (editing_.modified()) about += QStringLiteral(" *");
    info_->setText(about);
}

QAction* Tlogoeditorform::toolAction(DrawTool tool) const {
    for (QAction* a : tools_) {
        if (a->data().toInt() == static_cast<int>(tool)) return a;
    }
    return nullptr;
}

void Tlogoeditorform::report(const QString& title, const QString& text) {
    showMessage(this, QMessageBox::Warning, title, text);
    emit statusText(text);
}

void Tlogoeditorform::openFile(const QString& file, uint8_t kind, const FitSettings& fit) {
    askToSave([this, file, kind, fit] {
        const QString problem = editing_.open(file, kind, fit);
        if (!problem.isEmpty()) {
            report(tx("logos_52", "Bild nicht darstellbar"),
                   tx("logos_53", "Die Datei \"%1\" kann nicht bearbeitet werden: ")
                           .arg(QFileInfo(file).fileName()) +
                       problem);
        }
        refresh();
        show();
        raise();
        activateWindow();
    });
}

void Tlogoeditorform::askToSave(std::function<void()> then) {
    if (!editing_.modified()) {
        then();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Question, tx("logos_54", "Logo-Editor"),
                                tx("logos_55",
                                   "Das Bild wurde geändert. Sollen die Änderungen "
                                   "gespeichert werden?"),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                isVisible() ? this : parentWidget());
    box->setObjectName(QStringLiteral("speichernfrage"));
    box->button(QMessageBox::Save)->setText(tx("logos_56", "Speichern"));
    box->button(QMessageBox::Discard)->setText(tx("logos_57", "Verwerfen"));
    box->button(QMessageBox::Cancel)->setText(tx("logos_58", "Abbrechen"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, box, then](int) {
        const auto answer = box->standardButton(box->clickedButton());
        if (answer == QMessageBox::Discard) {
            editing_.markSaved();
            then();
        } else if (answer == QMessageBox::Save) {
            chooseSaveFile(then);
        }
    });
    box->open();
}

bool Tlogoeditorform::holdForChanges(std::function<void()> proceed) {
    if (!editing_.modified()) return false;
    show();
    raise();
    askToSave(std::move(proceed));
    return true;
}

void Tlogoeditorform::chooseSaveFile(std::function<void()> then) {
    const QString name =
        editing_.sourceFile().isEmpty()
            ? QStringLiteral("logo.bmp")
            : QFileInfo(editing_.sourceFile()).completeBaseName() + QStringLiteral(".bmp");
    auto* dialog = new QFileDialog(
        this, tx("logos_59", "Bild speichern"), QDir(context_.folder).filePath(name),
        tx("logos_60", "Bitmap (*.bmp);;PNG-Bild (*.png);;Betreiberlogo (*.nol)"));
    dialog->setObjectName(QStringLiteral("speicherndialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("bmp"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this, then](const QString& path) {
        if (saveTo(path) && then) then();
    });
    dialog->open();
}

bool Tlogoeditorform::saveTo(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QImage picture = editing_.oneBit();
    bool saved = false;
    if (suffix == QLatin1String("nol")) {
        std::optional<GSMBitmap> bitmap = bitmapFromPicture(picture, lkOperator);
        if (bitmap) {
            bitmap->networkCode = context_.operatorCode.toStdString();
            const auto bytes = tools::nolbytes(*bitmap);
            saved =
                bytes && tools::writefileatomically(QFile::encodeName(path).toStdString(), *bytes);
        }
    } else {
        QSaveFile file(path);
        saved = file.open(QIODevice::WriteOnly) &&
                picture.save(&file, suffix == QLatin1String("png") ? "PNG" : "BMP") &&
                file.commit();
    }
    if (!saved) {
        report(tx("logos_61", "Fehler"),
               tx("logos_62", "Das Bild konnte nicht als \"%1\" gespeichert werden.").arg(path));
        return false;
    }
    editing_.markSaved();
    refresh();
    emit statusText(tx("logos_63", "Bild gespeichert: ") + path);
    return true;
}

void Tlogoeditorform::loadClicked() {
    auto* dialog =
        new QFileDialog(this, tx("logos_64", "Bild laden"), context_.folder,
                        tx("logos_65", "Bilder und Logos (%1)").arg(logoFileMask().join(' ')));
    dialog->setObjectName(QStringLiteral("ladendialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        const QString problem = editing_.load(path);
        if (!problem.isEmpty()) {
            report(tx("logos_52", "Bild nicht darstellbar"),
                   tx("logos_53", "Die Datei \"%1\" kann nicht bearbeitet werden: ")
                           .arg(QFileInfo(path).fileName()) +
                       problem);
        }
        refresh();
    });
    dialog->open();
}

void Tlogoeditorform::scanClicked() {
    if (scanning_) {
        scanning_ = false;
        scanner_->cancel();
        takeScan({}, {}, true);
        return;
    }
    if (scanner_->busy()) return;
    scanning_ = true;
    if (!scanner_->listDevices()) return;
    scanAction_->setText(tx("logos_66", "Scannen abbrechen"));
    status_->setText(tx("logos_67", "Scanner wird gesucht..."));
}

void Tlogoeditorform::takeScan(const QImage& image, const QString& error, bool cancelled) {
    scanning_ = false;
    scanAction_->setText(tx("logos_68", "Bild einscannen"));
    status_->clear();
    if (cancelled) {
        emit statusText(tx("logos_69", "Scannen abgebrochen."));
        return;
    }
    if (image.isNull()) {
        report(tx("logos_49", "Scanner"),
               tx("logos_70", "Es kam kein Bild vom Scanner.") +
                   (error.isEmpty() ? QString() : QStringLiteral("\n") + error));
        return;
    }
    editing_.applyScan(image);
    refresh();
}

void Tlogoeditorform::phoneClicked() {
    const uint8_t kind = editing_.kind();
    if (kind != lkOperator && kind != lkStartup && kind != lkCallerGroup) {
        report(
            tx("logos_71", "Vom Handy laden"),
            tx("logos_72", "Vom Handy lassen sich Betreiber-, Einschalt- und Gruppenlogos laden."));
        return;
    }
    if (kind == lkCallerGroup) {
        groups_->choose(CallerGroupList::Logos);
        return;
    }
    GSMBitmap request;
    request.kind = kind;
    readFromPhone(request);
}

void Tlogoeditorform::readFromPhone(GSMBitmap request) {
    auto bitmap = std::make_shared<GSMBitmap>(request);
    calls_->add([this, bitmap] { return getBitmap_(*bitmap); },
                [this, bitmap](uint8_t status) { takePhonePicture(*bitmap, status); });
}

void Tlogoeditorform::takePhonePicture(const GSMBitmap& bitmap, uint8_t status) {
    const QImage picture = status == phonelib::stDone ? pictureFromBitmap(bitmap) : QImage();
    if (picture.isNull()) {
        report(tx("logos_71", "Vom Handy laden"),
               status == phonelib::stDone
                   ? tx("logos_73", "Das Telefon hat kein solches Logo gespeichert.")
                   : sendFailureText(status, false));
        return;
    }
    editing_.applyPhonePicture(picture);
    refresh();
}

void Tlogoeditorform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Beside the editor, not over its grid.
    preview_->move(frameGeometry().topRight() + QPoint(8, 0));
    preview_->show();
    preview_->raise();
}

void Tlogoeditorform::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    preview_->hide();
}

void Tlogoeditorform::closeEvent(QCloseEvent* event) {
    // Closing only hides the editor; the picture and its history stay.
    scanner_->cancel();
    event->accept();
}

}  // namespace corvina
