// The library calls of the divert window; tests replace them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "records/typendefinitionen.h"

class QObject;

namespace corvina {

struct DivertLibrary {
    std::function<uint8_t(TDivert&)> getDiverts;
    std::function<uint8_t(const TDivert&)> setDiverts;
    // 0 international, 1 national, -1 not a usable number.
    std::function<int8_t(std::string& number)> formatNumber;
    // Before every query and write: which divert (call class + 1, reason
    // + 1), for the wait window.
    std::function<void(int type, int condition)> announce;

    // The library's calls; the announcements go to `host` (the main
    // window's connection state) as notification 0x46A.
    static DivertLibrary library(QObject* host);
};

}  // namespace corvina
