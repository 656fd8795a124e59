#include "phonelib/drivers/siemens/vcard.h"

#include <algorithm>
#include <array>

#include "phonelib/drivers/siemens/vobjectlines.h"

namespace phonelib::siemens {

namespace {

constexpr std::array<int32_t, 5> kNumberSlots = {ntHome, ntWork, ntMobile, ntFax, ntGeneral};
constexpr std::array<int32_t, 4> kTextSlots = {ttPostal, ttEmail, ttUrl, ttCompany};

std::string numberOf(const TPhoneBookEntry& entry, int32_t type) {
    for (const auto& number : entry.numbers) {
        if (number.type == type && !number.number.empty()) return number.number;
    }
    return {};
}

std::string textOf(const TPhoneBookEntry& entry, int32_t type) {
    for (const auto& text : entry.texts) {
        if (text.type == type && !text.text.empty()) return text.text;
    }
    return {};
}

// The postal-address text: street, postal code and city (split at the
// first blank), country, one per line.
std::string addressLine(const std::string& postal) {
    const std::vector<std::string> lines = splitLines(postal);
    const std::string street = lines.size() > 0 ? lines[0] : std::string();
    const std::string place = lines.size() > 1 ? lines[1] : std::string();
    const std::string country = lines.size() > 2 ? lines[2] : std::string();
    const size_t blank = place.find(' ');
    const std::string code = place.substr(0, blank);
    std::string city = blank == std::string::npos ? std::string() : place.substr(blank + 1);
    city.erase(0, city.find_first_not_of(' ') == std::string::npos ? city.size()
                                                                   : city.find_first_not_of(' '));
    if (street.empty() && city.empty() && code.empty() && country.empty()) return {};
    return ";;" + street + ";" + city + ";;" + code + ";" + country;
}

std::string postalText(std::string_view value) {
    if (value.substr(0, 2) == ";;") value.remove_prefix(2);
    const std::vector<std::string> parts = splitAt(value, ';');
    const auto part = [&](size_t i) { return i < parts.size() ? parts[i] : std::string(); };
    const std::string street = part(0), city = part(1), code = part(3), country = part(4);
    std::string place;
    if (!code.empty() || !city.empty()) place = code + " " + city;
    return street + "\r\n" + place + "\r\n" + country;
}

// "family;given;…" as "family, given"; one part alone stays as it is.
std::string nameOf(std::string_view value) {
    const std::vector<std::string> parts = splitAt(value, ';');
    const std::string family = parts.empty() ? std::string() : parts[0];
    const std::string given = parts.size() > 1 ? parts[1] : std::string();
    if (given.empty()) return family;
    if (family.empty()) return given;
    return family + ", " + given;
}

}  // namespace

std::string writevcard(const TPhoneBookEntry& entry, const std::string& groupName) {
    VObjectWriter card;
    card.line("BEGIN:VCARD");
    card.line("VERSION:1.0");
    card.line("REV:20010101T000000");
    card.optional("CATEGORIES:", groupName);
    card.line("FN:" + entry.name);
    const size_t split = entry.name.find(", ");
    card.line(split == std::string::npos
                  ? "N:" + entry.name + ";"
                  : "N:" + entry.name.substr(0, split) + ";" + entry.name.substr(split + 2));
    card.optional("ADR:", addressLine(textOf(entry, ttPostal)));
    card.optional("ORG:", textOf(entry, ttCompany));
    // A general number without a home number of its own would be lost: the
    // phone reads the home number back as the general one.
    const std::string home = numberOf(entry, ntHome);
    card.optional("TEL;HOME:", home.empty() ? numberOf(entry, ntGeneral) : home);
    card.optional("TEL;WORK:", numberOf(entry, ntWork));
    card.optional("TEL;CELL:", numberOf(entry, ntMobile));
    card.optional("TEL;FAX:", numberOf(entry, ntFax));
    card.optional("EMAIL;INTERNET:", textOf(entry, ttEmail));
    card.optional("URL:", textOf(entry, ttUrl));
    card.line("END:VCARD");
    return card.text();
}

void parsevcard(std::string_view text, TPhoneBookEntry& entry) {
    entry.numbers.clear();
    for (const int32_t type : kNumberSlots) entry.numbers.push_back(TNumberItem{{}, type, 0});
    entry.texts.clear();
    for (const int32_t type : kTextSlots) entry.texts.push_back(TTextItem{{}, type, 0});
    entry.group.groupName.clear();
    entry.name.clear();
    if (text.empty()) {
        entry.empty = 1;
        entry.numberCount = entry.textCount = 0;
        return;
    }
    entry.empty = 0;
    entry.numberCount = static_cast<int32_t>(kNumberSlots.size());
    entry.textCount = static_cast<int32_t>(kTextSlots.size());
    auto& home = entry.numbers[0];
    auto& work = entry.numbers[1];
    auto& mobile = entry.numbers[2];
    auto& fax = entry.numbers[3];
    auto& general = entry.numbers[4];

    for (const auto& [key, value] : keyedLines(text)) {
        if (key == "FN") {
            if (entry.name.empty()) entry.name = value;
        } else if (key == "N") {
            entry.name = nameOf(value);
        } else if (key == "TEL;HOME") {
            home.number = value;
            general.number = value;
            general.isDefault = 1;
        } else if (key == "TEL;WORK") {
            work.number = value;
        } else if (key == "TEL;FAX") {
            fax.number = value;
        } else if (key == "TEL;CELL") {
            mobile.number = value;
            if (!general.isDefault) mobile.isDefault = 1;
        } else if (key == "ADR") {
            entry.texts[0].text = postalText(value);
        } else if (key == "EMAIL;INTERNET") {
            entry.texts[1].text = value;
        } else if (key == "URL") {
            entry.texts[2].text = value;
        } else if (key == "ORG") {
            entry.texts[3].text = value;
        } else if (key == "CATEGORIES") {
            entry.group.groupName = value;
        }
    }
}

bool isBlankAddressEntry(const TPhoneBookEntry& entry) {
    const bool noNumber = std::all_of(entry.numbers.begin(), entry.numbers.end(),
                                      [](const TNumberItem& n) { return n.number.empty(); });
    const bool noText = std::all_of(entry.texts.begin(), entry.texts.end(),
                                    [](const TTextItem& t) { return t.text.empty(); });
    return entry.name.size() <= 2 && noNumber && noText;
}

}  // namespace phonelib::siemens
