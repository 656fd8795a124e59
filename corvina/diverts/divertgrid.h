// What the divert window knows of the twelve call diverts (three call
// classes by four reasons) and of the three no-reply delays.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <cstdint>

namespace corvina {

constexpr int kCallClasses = 3;  // voice, data, fax
constexpr int kReasons = 4;      // all calls, busy, not reachable, no reply
constexpr int kNoReply = 3;
constexpr int32_t kDefaultDelay = 5;

// Unknown until read; after a failed read it is unknown again.
enum class DivertState { Unknown, Inactive, Active };

struct DivertCell {
    DivertState state = DivertState::Unknown;
    QString number;  // while active

    bool operator==(const DivertCell&) const = default;
};

struct DivertKey {
    int callClass = 0;
    int reason = 0;

    bool operator==(const DivertKey&) const = default;
};

// The delays the no-reply lists offer: 5 to 30 seconds in steps of 5.
QList<int32_t> standardDelays();

class DivertGrid {
  public:
    const DivertCell& cell(int callClass, int reason) const;
    void setCell(int callClass, int reason, DivertCell cell);

    // The delay of the class's no-reply divert: 5 s until one is read or
    // chosen, never nothing.
    int32_t delay(int callClass) const;
    void setDelay(int callClass, int32_t seconds);
    // The standard delays, and the class's own when it is none of them.
    QList<int32_t> delayChoices(int callClass) const;

  private:
    std::array<std::array<DivertCell, kReasons>, kCallClasses> cells_{};
    std::array<int32_t, kCallClasses> delays_{kDefaultDelay, kDefaultDelay, kDefaultDelay};
};

}  // namespace corvina
