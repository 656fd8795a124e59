// What the logo editor does, without its widgets: the picture of the logo
// size, the drawing tools, the source file and fit, and undo and redo in
// memory.
//
// Each drawing (press to release), "Neues Bild", loading a file, a change of
// the logo type, a scan and a picture from the phone is one undo step. A new
// step after an undo drops the steps that could have been redone.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "corvina/logos/drawing.h"
#include "corvina/logos/logokinds.h"

namespace corvina {

class LogoEditing {
  public:
    // The logo size of a kind for the phone in use.
    using SizeOfKind = std::function<QSize(uint8_t kind)>;

    explicit LogoEditing(SizeOfKind sizeOf);

    const QImage& picture() const { return picture_; }  // black and white RGB32
    QImage oneBit() const;
    uint8_t kind() const { return kind_; }
    QSize size() const { return picture_.size(); }
    const QString& sourceFile() const { return source_; }
    const FitSettings& fit() const { return fit_; }
    // Drawn on since the picture was last fitted from a file: the fit mode
    // then no longer applies.
    bool edited() const { return edited_; }
    // Changed since it was last opened, loaded or saved.
    bool modified() const { return modified_; }
    void markSaved() { modified_ = false; }

    // The logo window opens the editor: the file fitted into the size of the
    // kind (an empty picture without a file), with a history of its own.
    // Returns the reason when the file cannot be read; the picture then
    // stays.
    QString open(const QString& file, uint8_t kind, const FitSettings& fit);
    // "Neues Bild": a white picture; counts as edited.
    void newPicture();
    // "Laden": the file fitted with the current fit mode; not edited.
    QString load(const QString& file);
    // Another logo type: an edited picture is stretched into the new size,
    // an unedited one fitted anew from its file.
    void changeKind(uint8_t kind);
    // Another fit mode: ignored (false) once drawn on or without a file.
    bool changeFit(uint8_t mode);
    // A scanned image stretched onto the whole picture and made black and
    // white.
    void applyScan(const QImage& scan);
    // A logo read from the phone, fitted into the size.
    void applyPhonePicture(const QImage& logo);

    // The drawing tools. A press outside the picture is ignored (false).
    void setTool(DrawTool tool) { tool_ = tool; }
    DrawTool tool() const { return tool_; }
    void setText(const QString& text) { text_ = text; }
    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }
    bool press(QPoint pixel, bool black);
    void move(QPoint pixel);
    void release();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();

  private:
    struct State {
        QImage picture;
        uint8_t kind = lkOperator;
        bool edited = false;
    };
    State current() const;
    void restore(const State& state);
    void step();
    QString fitFrom(const QString& file, QSize size);

    SizeOfKind sizeOf_;
    QImage picture_;
    uint8_t kind_ = lkOperator;
    QString source_;
    FitSettings fit_;
    bool edited_ = false;
    bool modified_ = false;
    std::vector<State> undo_, redo_;

    DrawTool tool_ = DrawTool::Pen;
    QString text_ = QStringLiteral("Text");
    QFont font_;
    bool drawing_ = false;
    bool black_ = true;
    QPoint start_, last_;
    QImage snapshot_;
};

}  // namespace corvina
