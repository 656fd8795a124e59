// The splash window at start: the program's name fading in over a painted
// picture. It reports `shownLongEnough` once it has been up for 800 ms and
// its transition has ended.
#pragma once

#include <QElapsedTimer>
#include <QVariantAnimation>
#include <QWidget>

namespace corvina {

class Tsplash : public QWidget {
    Q_OBJECT

  public:
    explicit Tsplash(QWidget* parent = nullptr);

    void start();
    bool done() const { return done_; }
    QSize sizeHint() const override { return {420, 220}; }

  signals:
    void shownLongEnough();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void checkDone();

    QVariantAnimation fade_;
    bool minimumReached_ = false;
    bool done_ = false;
};

}  // namespace corvina
