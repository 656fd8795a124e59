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
    void setButtonEnabled(int index, bool enabled);
    // Hides every button and forgets the actions.
    void clear();

    QPushButton* button(int index) const { return buttons_.at(index); }

  private:
    std::array<QPushButton*, kButtons> buttons_{};
    std::array<std::function<void()>, kButtons> actions_;
};

}  // namespace corvina
