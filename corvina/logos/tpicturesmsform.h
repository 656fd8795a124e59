// The slot dialog: "Bild 1" ... "Bild 4", the phone's picture or ringtone
// slot a send goes to. It opens without blocking.
#pragma once

#include <QDialog>
#include <QListWidget>

namespace corvina {

class Tpicturesmsform : public QDialog {
    Q_OBJECT

  public:
    explicit Tpicturesmsform(QWidget* parent = nullptr);

    // Opens with the first slot selected; with the caption "Rufton" for a
    // ringtone.
    void choose(bool ringtone);
    QListWidget* list() const { return list_; }

  signals:
    void chosen(int slot);  // 0..3
    void cancelled();

  private:
    void accept() override;
    void reject() override;

    QListWidget* list_ = nullptr;
};

}  // namespace corvina
