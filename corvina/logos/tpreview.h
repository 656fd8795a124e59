// The preview of the logo editor: the picture at its true size, and at
// twice its size on a drawing of the phone's screen. A tool window that
// stays on top of the editor.
#pragma once

#include <QImage>
#include <QWidget>

namespace corvina {

class Tpreview : public QWidget {
    Q_OBJECT

  public:
    explicit Tpreview(QWidget* parent = nullptr);

    void showPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

}  // namespace corvina
