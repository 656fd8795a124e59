#include "corvina/diverts/divertgrid.h"

#include <algorithm>

namespace corvina {

namespace {

constexpr int32_t kDelayStep = 5;
constexpr int32_t kLongestDelay = 30;

}  // namespace

QList<int32_t> standardDelays() {
    QList<int32_t> delays;
    for (int32_t seconds = kDelayStep; seconds <= kLongestDelay; seconds += kDelayStep) {
        delays << seconds;
    }
    return delays;
}

const DivertCell& DivertGrid::cell(int callClass, int reason) const {
    return cells_.at(callClass).at(reason);
}

void DivertGrid::setCell(int callClass, int reason, DivertCell cell) {
    cells_.at(callClass).at(reason) = std::move(cell);
}

int32_t DivertGrid::delay(int callClass) const {
    return delays_.at(callClass);
}

void DivertGrid::setDelay(int callClass, int32_t seconds) {
    delays_.at(callClass) = seconds;
}

QList<int32_t> DivertGrid::delayChoices(int callClass) const {
    QList<int32_t> choices = standardDelays();
    const int32_t own = delay(callClass);
    if (!choices.contains(own)) {
        choices << own;
        std::ranges::sort(choices);
    }
    return choices;
}

}  // namespace corvina
