// The logo editor: a one-bit picture of exactly the logo size, drawn on an
// enlarged pixel grid with eight tools, undo and redo, loading, saving,
// scanning, reading a logo from the phone and sending ("Übertragen", which
// the logo window carries out). The preview window shows the picture at its
// true size.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "corvina/logos/logoediting.h"
#include "records/typendefinitionen.h"

namespace corvina {

class CallSequence;
class PixelGrid;
class Scanner;
class Tgruppenwahlform;
class Tpreview;

class Tlogoeditorform : public QWidget {
    Q_OBJECT

  public:
    // What the editor needs to know of the phone and the settings.
    struct Context {
        uint8_t modelNumber = 24;
        bool largePictureMessages = true;
        QString operatorCode;  // written into NOL files
        QString folder;        // where the save dialog starts
    };

    // `getBitmap` reads a logo from the phone (tests replace it).
    explicit Tlogoeditorform(QWidget* parent = nullptr,
                             std::function<uint8_t(GSMBitmap&)> getBitmap = {});
    ~Tlogoeditorform() override;

    void setContext(const Context& context);
    // Opens the editor on the file (empty: a new picture) with the kind and
    // fit; asks first whether changes to the current picture are to be saved.
    void openFile(const QString& file, uint8_t kind, const FitSettings& fit);
    // Before the program ends: when the picture has unsaved changes, asks
    // whether to save them and calls `proceed` once the user has decided
    // (not when he cancels). False when there is nothing to ask.
    bool holdForChanges(std::function<void()> proceed);

    // Saves the picture by the file's extension: ".bmp" and ".png" one-bit,
    // ".nol" with the operator code of the settings. Reports a failure.
    bool saveTo(const QString& path);
    // Takes a scanned image (also what the scanner delivers).
    void takeScan(const QImage& image, const QString& error, bool cancelled);

    LogoEditing& editing() { return editing_; }
    PixelGrid* grid() const { return grid_; }
    Tpreview* preview() const { return preview_; }
    Scanner* scanner() const { return scanner_; }
    QComboBox* typeList() const { return types_; }
    QComboBox* fitList() const { return fits_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* redoButton() const { return redo_; }
    QAction* toolAction(DrawTool tool) const;
    QAction* scanAction() const { return scanAction_; }
    QAction* phoneAction() const { return phoneAction_; }
    Tgruppenwahlform* groupDialog() const { return groups_; }

  signals:
    // "Übertragen": the picture (one-bit) to send as a logo of the kind.
    void transferRequested(const QImage& picture, uint8_t kind);
    // A message for the user (what went wrong, what was done).
    void statusText(const QString& text);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* buildToolBar();
    QWidget* buildChoices();
    QWidget* buildButtons();
    void fillTypes();
    void refresh();
    void selectKind(uint8_t kind);
    void askToSave(std::function<void()> then);
    void chooseSaveFile(std::function<void()> then);
    void loadClicked();
    void scanClicked();
    void phoneClicked();
    void readFromPhone(GSMBitmap request);
    void takePhonePicture(const GSMBitmap& bitmap, uint8_t status);
    void report(const QString& title, const QString& text);

    LogoEditing editing_;
    Context context_;
    std::function<uint8_t(GSMBitmap&)> getBitmap_;
    PixelGrid* grid_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    Tpreview* preview_ = nullptr;
    Scanner* scanner_ = nullptr;
    CallSequence* calls_ = nullptr;
    Tgruppenwahlform* groups_ = nullptr;
    QComboBox* types_ = nullptr;
    QComboBox* fits_ = nullptr;
    QLineEdit* text_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* info_ = nullptr;  // size, file, "*" for unsaved changes
    QList<QAction*> tools_;
    QAction* scanAction_ = nullptr;
    QAction* phoneAction_ = nullptr;
    bool updating_ = false;
    bool scanning_ = false;  // from "Bild einscannen" until the image or the cancel
};

}  // namespace corvina
