// A phone as the phonebook window's library calls see it, for tests: any
// memory (the address book and entries with many numbers and texts too),
// its capacity, locations it will not give or take, forced answers, the
// IMEI and the caller-group names. Dialogs answer from a script.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "corvina/common/userdialogs.h"
#include "corvina/phonebook/phonebookcalls.h"
#include "phonelib/api/status.h"

namespace corvina::testing_phonebook {

struct FakePhonebook {
    std::map<uint8_t, std::map<int, TPhoneBookEntry>> memories;
    std::map<uint8_t, int> capacity{{memSim, 250}, {memPhone, 200}, {memAddressBook, 500}};
    bool reportsUsed = true;
    std::set<int> refusedReads;  // locations of any memory
    std::set<int> refusedWrites;
    std::map<int, uint8_t> writeStatus;  // forced answers to writes by location
    std::string imei = "490154203237518";
    std::vector<std::string> groupNames{"Familie", "VIP", "Freunde", "Kollegen", "Andere", "Keine"};
    std::vector<TPhoneBookEntry> writes;  // in order
    std::vector<int> reads;               // locations, in order
    // Runs before every read and write; a status other than 0 is answered instead.
    std::function<uint8_t(bool write, int location)> interfere;

    std::map<int, TPhoneBookEntry>& memory(uint8_t code) { return memories[code]; }

    PhonebookCalls calls() {
        PhonebookCalls c;
        c.groups.download = [] { return uint8_t{phonelib::stDone}; };
        c.groups.groupName = [this](int32_t i) {
            return i >= 0 && i < int32_t(groupNames.size()) ? groupNames[size_t(i)]
                                                            : std::string("-");
        };
        c.groupIndex = [this](const std::string& name) {
            if (name.empty() || name == " ") return int32_t{-1};
            int32_t found = 0;
            for (int32_t i = 0; i < int32_t(groupNames.size()); ++i) {
                if (groupNames[size_t(i)] == name) found = i;
            }
            return found;
        };
        c.capacity = [this](TCapacity& cap) {
            if (!capacity.count(cap.memory)) return uint8_t{phonelib::stNoAnswer};
            const int used = static_cast<int>(memory(cap.memory).size());
            cap.used = reportsUsed ? used : -1;
            cap.free = capacity[cap.memory] - used;
            cap.total = reportsUsed ? cap.used + cap.free : capacity[cap.memory];
            return uint8_t{phonelib::stDone};
        };
        c.phoneInfos = [this](TPhoneInfo& info) {
            info.modelCode = "NSE-3";
            info.serialNumber = imei;
            return uint8_t{phonelib::stDone};
        };
        c.read = [this](TPhoneBookEntry& e) {
            reads.push_back(e.location);
            if (interfere) {
                if (const uint8_t forced = interfere(false, e.location)) return forced;
            }
            if (refusedReads.count(e.location)) return uint8_t{phonelib::stNoAnswer};
            const auto& m = memory(e.memory);
            const auto it = m.find(e.location);
            if (it == m.end()) {
                e.empty = 1;
            } else {
                const uint8_t memoryCode = e.memory;
                const int32_t location = e.location;
                e = it->second;
                e.memory = memoryCode;
                e.location = location;
                e.empty = 0;
            }
            return uint8_t{phonelib::stDone};
        };
        c.write = [this](const TPhoneBookEntry& e) {
            if (interfere) {
                if (const uint8_t forced = interfere(true, e.location)) return forced;
            }
            if (refusedWrites.count(e.location)) return uint8_t{phonelib::stNoAnswer};
            if (const auto it = writeStatus.find(e.location); it != writeStatus.end())
                return it->second;
            writes.push_back(e);
            const bool clears =
                e.name.empty() && (e.numbers.empty() || e.numbers[0].number.empty());
            if (clears) {
                memory(e.memory).erase(e.location);
            } else {
                memory(e.memory)[e.location] = e;
            }
            return uint8_t{phonelib::stDone};
        };
        return c;
    }

    std::vector<int> writtenLocations() const {
        std::vector<int> locations;
        for (const auto& e : writes) locations.push_back(e.location);
        return locations;
    }
};

inline TPhoneBookEntry entry(const std::string& name, std::vector<TNumberItem> numbers,
                             std::vector<TTextItem> texts = {}, const std::string& group = {}) {
    TPhoneBookEntry e;
    e.name = name;
    e.numbers = std::move(numbers);
    e.numberCount = int32_t(e.numbers.size());
    e.texts = std::move(texts);
    e.textCount = int32_t(e.texts.size());
    e.group.groupName = group;
    return e;
}

inline TPhoneBookEntry simEntry(const std::string& name, const std::string& number,
                                const std::string& group = "Keine") {
    return entry(name, {{number, 0, 1}}, {}, group);
}

struct ScriptedDialogs {
    std::deque<Answer> answers;
    std::vector<Question> asked;
    std::vector<Question> told;

    UserDialogs dialogs() {
        return {[this](const Question& q, std::function<void(Answer)> reply) {
                    asked.push_back(q);
                    if (answers.empty()) {
                        ADD_FAILURE() << "unexpected question: " << q.text.toStdString();
                        return reply(Answer::Cancel);
                    }
                    const Answer a = answers.front();
                    answers.pop_front();
                    reply(a);
                },
                [this](const Question& q) { told.push_back(q); }};
    }
    QString lastAsked() const { return asked.empty() ? QString() : asked.back().text; }
    QString lastTold() const { return told.empty() ? QString() : told.back().text; }
};

}  // namespace corvina::testing_phonebook
