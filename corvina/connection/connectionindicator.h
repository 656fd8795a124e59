// The connection picture of the main window: a lamp and "Verbunden" or
// "Nicht verbunden".
#pragma once

#include <QWidget>

namespace corvina {

class ConnectionIndicator : public QWidget {
  public:
    explicit ConnectionIndicator(QWidget* parent = nullptr);

    void setConnected(bool connected, const QString& text);
    bool connected() const { return connected_; }
    QString text() const { return text_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool connected_ = false;
    QString text_;
};

}  // namespace corvina
