// A small painted animation for the wait window: a phone on the left, the
// network (an antenna) or a computer on the right, and dots running
// between them.
#pragma once

#include <QTimer>
#include <QWidget>

namespace corvina {

class ActivityAnimation : public QWidget {
  public:
    enum class Peer { Network, Computer };

    explicit ActivityAnimation(QWidget* parent = nullptr);

    void setPeer(Peer peer);
    QSize sizeHint() const override { return {220, 64}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    Peer peer_ = Peer::Computer;
    QTimer timer_;
    int step_ = 0;
};

}  // namespace corvina
