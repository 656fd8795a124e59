#include "codecs/tools/timestamps.h"

namespace tools {

namespace {

struct Timestamp {
    int64_t year = 0;
    int64_t month = 0;
    int64_t day = 0;
    int64_t hour = 0;
    int64_t minute = 0;
};

// The digits of text[start, start + length) as a number; other or missing
// characters count as 0.
int64_t field(std::string_view text, size_t start, size_t length) {
    int64_t value = 0;
    for (size_t i = start; i < start + length; ++i) {
        const char c = i < text.size() ? text[i] : '0';
        value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    }
    return value;
}

Timestamp parse(std::string_view text) {
    return {field(text, 0, 4), field(text, 4, 2), field(text, 6, 2), field(text, 8, 2),
            field(text, 10, 2)};
}

int64_t floordiv(int64_t a, int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Days from 1970-01-01 to the given Gregorian date; the day may lie outside
// its month and the month outside 1..12, both roll over into the neighbours.
int64_t daynumber(int64_t year, int64_t month, int64_t day) {
    year += floordiv(month - 1, 12);
    month -= floordiv(month - 1, 12) * 12;
    if (month <= 2) --year;
    const int64_t era = floordiv(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The Gregorian date of a day number of daynumber().
Timestamp datefromdaynumber(int64_t days) {
    days += 719468;
    const int64_t era = floordiv(days, 146097);
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    Timestamp date;
    date.day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    date.month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

int64_t minutenumber(const Timestamp& t) {
    return (daynumber(t.year, t.month, t.day) * 24 + t.hour) * 60 + t.minute;
}

}  // namespace

int daysinmonth(int month, int year) {
    switch (month) {
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
        default:
            return 31;
    }
}

int64_t timestampdiff(std::string_view a, std::string_view b) {
    return (minutenumber(parse(b)) - minutenumber(parse(a))) * 60;
}

std::string timestampadd(std::string_view timestamp, int64_t seconds) {
    const int64_t minutes = minutenumber(parse(timestamp)) + seconds / 60;
    Timestamp result = datefromdaynumber(floordiv(minutes, 24 * 60));
    const int64_t minuteOfDay = minutes - floordiv(minutes, 24 * 60) * 24 * 60;
    result.hour = minuteOfDay / 60;
    result.minute = minuteOfDay % 60;
    std::string text = std::to_string(result.year);
    for (const int64_t twoDigits : {result.month, result.day, result.hour, result.minute}) {
        if (twoDigits < 10) text.push_back('0');
        text += std::to_string(twoDigits);
    }
    return text;
}

}  // namespace tools
