// A phone behind the profile window's library calls, for the families the
// simulator does not offer: it keeps each profile as the phone's codes and
// reads them back through the decoding tables of its family, written here
// independently of the program's code tables.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "corvina/profiles/profilelibrary.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace corvina::testing {

using phonelib::ProfileFamily;

inline int32_t lookUp(const std::map<int32_t, int32_t>& table, int32_t code) {
    const auto found = table.find(code);
    return found == table.end() ? -1 : found->second;
}

// Phone codes -> the values GetProfile reports.
inline TProfile decodeNokia61xx(const TProfile& c) {
    TProfile v = c;
    v.keypadTones = lookUp({{0xFF, 0}, {0x00, 1}, {0x01, 2}, {0x02, 3}}, c.keypadTones);
    v.ringingMode =
        lookUp({{0x01, 0}, {0x06, 1}, {0x05, 2}, {0x02, 3}, {0x07, 4}, {0x04, 5}}, c.ringingMode);
    v.volume = c.volume >= 6 && c.volume <= 10 ? c.volume - 5 : -1;
    v.warningTones = lookUp({{0xFF, 0}, {0x04, 1}}, c.warningTones);
    return v;
}

inline TProfile decodeNokia7110(const TProfile& c) {
    TProfile v = c;
    v.ringingMode = lookUp({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {5, 5}}, c.ringingMode);
    v.volume = c.volume >= 0 && c.volume <= 4 ? c.volume + 1 : -1;
    return v;
}

// The Siemens phone keeps what the AT commands set: ringtone and volume
// (AT^SRTC, volume 0 for a rising ring), the earpiece level (AT^SNFV), the
// silent or single-beep mode (AT+CALM) and vibration. A rising ring is taken
// to set AT+CALM=0 as a plain ring does; the write order of the AT driver
// alone would leave an earlier single-beep mode in place.
struct SiemensState {
    int32_t tone = 0;
    int32_t volume = 3;
    int32_t calm = 0;
    uint16_t earpiece = 2;
    int32_t vibration = 0;
};

inline TProfile readSiemens(const SiemensState& s) {
    TProfile v;
    v.ringtoneNumber = s.tone + 1;
    v.ringtoneName = std::to_string(s.tone + 1);
    v.volume = s.volume >= 1 && s.volume <= 4 ? s.volume : -1;
    v.ringingMode = v.volume > 0 ? 0 : 1;
    if (s.calm == 2) v.ringingMode = 3;
    if (s.calm == 1) v.ringingMode = 5;
    v.earpieceVolume = s.earpiece;
    v.vibration = s.vibration;
    return v;
}

inline void writeSiemens(const TProfile& c, SiemensState& s) {
    s.tone = c.ringtoneNumber;
    s.volume = c.ringingMode == 1 ? 0 : c.volume;
    s.earpiece = c.earpieceVolume;
    s.calm = c.ringingMode == 3 ? 2 : c.ringingMode == 5 ? 1 : 0;
    if (c.vibration >= 0) s.vibration = c.vibration;
}

struct FakeProfilePhone {
    ProfileFamily family = ProfileFamily::Nokia61xx;
    uint8_t modelId = 14;
    int profiles = 7;
    std::vector<TProfile> codes;  // Nokia: the phone's codes per profile
    SiemensState siemens;
    std::vector<std::string> groups = {"VIP", "VIP 2", "Familie", "Kollegen", "Freunde"};
    std::map<int32_t, std::string> ringtones = {{20, "Ring A"}, {35, "Ring B"}, {120, "Ring C"}};
    std::set<int32_t> failingReads;      // GetProfile answers 3
    std::set<int32_t> unansweredWrites;  // SetProfile answers 3 (and keeps the write)
    std::vector<TProfile> written;       // every SetProfile, as codes
    int reads = 0;

    FakeProfilePhone(ProfileFamily f = ProfileFamily::Nokia61xx, uint8_t model = 14)
        : family(f), modelId(model) {
        TProfile standard;
        standard.keypadTones = family == ProfileFamily::Nokia61xx ? 0x00 : 1;
        standard.lights = 1;
        standard.ringingMode = family == ProfileFamily::Nokia61xx ? 0x01 : 0;
        standard.ringtoneNumber = 20;
        standard.volume = family == ProfileFamily::Nokia61xx ? 0x08 : 2;
        standard.messageTone = 1;
        standard.warningTones = family == ProfileFamily::Nokia61xx ? 0x04 : 1;
        standard.callerGroups = 0xFF;
        for (int n = 0; n < 7; ++n) {
            TProfile p = standard;
            p.profileNumber = n;
            p.standardNameIndex = static_cast<uint16_t>(n);
            codes.push_back(p);
        }
    }

    std::string groupNamesOf(int32_t mask) const {
        if (mask == 0xFF) return family == ProfileFamily::Nokia7110 ? "Alle Anrufe" : "-";
        std::string text;
        for (int g = 0; g < 5; ++g) {
            if (mask & (1 << g)) text += (text.empty() ? "" : ", ") + groups[g];
        }
        return text.empty() ? "-" : text;
    }

    uint8_t getProfile(TProfile& p) {
        ++reads;
        const int32_t n = p.profileNumber;
        if (n >= profiles || (family == ProfileFamily::Siemens && n > 0)) {
            return phonelib::stNotAvailable;
        }
        if (failingReads.contains(n)) return phonelib::stNoAnswer;
        if (family == ProfileFamily::Siemens) {
            p = readSiemens(siemens);
        } else {
            const TProfile& c = codes[static_cast<size_t>(n)];
            p = family == ProfileFamily::Nokia61xx ? decodeNokia61xx(c) : decodeNokia7110(c);
            const auto tone = ringtones.find(c.ringtoneNumber);
            p.ringtoneName =
                tone != ringtones.end() ? tone->second : std::to_string(c.ringtoneNumber);
            p.callerGroupNames = groupNamesOf(c.callerGroups);
        }
        p.profileNumber = n;
        return phonelib::stDone;
    }

    uint8_t setProfile(const TProfile& c) {
        written.push_back(c);
        if (family == ProfileFamily::Siemens) {
            writeSiemens(c, siemens);
        } else {
            codes.at(static_cast<size_t>(c.profileNumber)) = c;
        }
        return unansweredWrites.contains(c.profileNumber) ? phonelib::stNoAnswer : phonelib::stDone;
    }

    ProfileLibrary library() {
        ProfileLibrary lib;
        lib.family = [this] { return family; };
        lib.modelId = [this] { return modelId; };
        lib.modelCode = [] { return std::string("TEST"); };
        lib.downloadGroupnames = [this] {
            return family == ProfileFamily::Siemens ? phonelib::stNotAvailable : phonelib::stDone;
        };
        lib.groupName = [this](int32_t i) { return groups.at(static_cast<size_t>(i)); };
        lib.getProfile = [this](TProfile& p) { return getProfile(p); };
        lib.setProfile = [this](const TProfile& c) { return setProfile(c); };
        lib.phoneCodes = &phonelib::ProfilePhoneCodes;
        lib.ringtoneName = [this](int32_t n, const std::string&) {
            const auto tone = ringtones.find(n);
            return tone != ringtones.end() ? tone->second : std::to_string(n);
        };
        return lib;
    }
};

}  // namespace corvina::testing
