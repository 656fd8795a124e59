// The drawing tools of the logo editor on a black-and-white picture.
//
// The editor keeps its picture as 32-bit RGB holding only black and white,
// so that QPainter can draw on it without antialiasing; drawing never
// leaves any other colour.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace corvina {

enum class DrawTool {
    Pen,              // "Stift"
    Line,             // "Linie"
    Ellipse,          // "Kreis"
    FilledEllipse,    // "gefüllter Kreis"
    Rectangle,        // "Rechteck"
    FilledRectangle,  // "gefülltes Rechteck"
    Fill,             // "Füllen"
    Text,             // "Text einfügen"
};

// The picture in the editor's form (black and white RGB32).
QImage editablePicture(const QImage& picture);
// The editor's picture as a one-bit image.
QImage oneBitPicture(const QImage& editable);

// A line from a to b, both ends included.
void drawLine(QImage& picture, QPoint a, QPoint b, bool black);
// The shape of the tool (line, ellipse or rectangle, outlined or filled)
// within the rectangle spanned by the two corners.
void drawShape(QImage& picture, DrawTool tool, QPoint from, QPoint to, bool black);
// The text with its top-left corner at the point, without antialiasing,
// on a transparent background.
void drawText(QImage& picture, QPoint at, const QString& text, const QFont& font, bool black);
// Fills the area of the point's colour around it (four neighbours), without
// recursion, so that any picture size is safe.
void floodFill(QImage& picture, QPoint seed, bool black);

}  // namespace corvina
