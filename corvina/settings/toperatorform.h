// "Operator hinzufügen": adds an operator to the end of the operator table.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

namespace corvina {

class Toperatorform : public QDialog {
  public:
    explicit Toperatorform(QWidget* parent = nullptr);

  protected:
    void accept() override;

  private:
    QLineEdit* name_;
    QSpinBox* country_;
    QSpinBox* net_;
};

}  // namespace corvina
