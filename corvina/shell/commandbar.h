// The ten command buttons on the right of the main window. The active
// module puts its captions and actions on them.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>

namespace corvina {

class CommandBar : public QWidget {
  public:
    static constexpr int kButtons = 10;

    explicit CommandBar(QWidget* parent = nullptr);

    // Shows button `index` (0 = top) with the caption; a click runs the action.
    void bind(int index, const QString& caption, std::function<void()> action);
    // Shows button `index` as one choice of a group (checkable, ticked when
    // `checked`); the action keeps the group's ticks in order.
    void bindChoice(int index, const QString& caption, bool checked, std::function<void()> action);
    void setChecked(int index, bool checked);
    // The tooltip of a bound button.
    void setHint(int index, const QString& hint);
    void setButtonEnabled(int index, bool enabled);
    // Hides every button and forgets the actions.
    void clear();

    QPushButton* button(int index) const { return buttons_.at(index); }

  private:
    std::array<QPushButton*, kButtons> buttons_{};
    std::array<std::function<void()>, kButtons> actions_;
};

}  // namespace corvina
