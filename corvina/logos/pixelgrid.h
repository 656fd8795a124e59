// The enlarged pixel grid of the logo editor: each pixel of the picture as
// a square of `zoom` screen pixels; what lies outside the picture is grey.
// Mouse positions are handed on as picture pixels.
#pragma once

#include <QImage>
#include <QWidget>

namespace corvina {

class PixelGrid : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMinZoom = 2;
    static constexpr int kMaxZoom = 15;

    explicit PixelGrid(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void setZoom(int zoom);  // kept within 2..15
    int zoom() const { return zoom_; }
    QSize sizeHint() const override;
    // The picture pixel under a point of the widget.
    QPoint pixelAt(QPoint position) const;

  signals:
    void pressed(QPoint pixel, bool black);  // left button black, right white
    void moved(QPoint pixel);
    void released();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    int zoom_ = 9;
    bool dragging_ = false;
};

}  // namespace corvina
