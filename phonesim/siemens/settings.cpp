// Call diverts and the settings of the active profile:
//
//   AT+CCFC=<reason>,2,,,<class>        +CCFC: 1,<class>,"<number>",<type>[,,,<time>]
//                                       or +CCFC: 0,<class> when not diverted
//   AT+CCFC=<reason>,3,"<number>",<type>,<class>,,,<time>   register
//   AT+CCFC=<reason>,4,,,<class>        erase
//   reasons 0 unconditional, 1 busy, 2 no reply, 3 not reachable;
//   classes 1 voice, 2 data, 4 fax (7 all three); the time only for no reply
//   AT^SRTC?  ^SRTC: <ringtone>,<volume>      AT^SRTC=?  ^SRTC: (0-<last>),(0-4)
//   AT^SNFV?  ^SNFV: <earpiece volume>        AT+CVIB?   +CVIB: <0|1>
//   AT+CALM?  +CALM: <0 normal|1 silent|2 single beep>; each also set with "="
// The network refuses diverts of the classes the fixture names (+CME ERROR 3);
// the S25 has no +CVIB and +CALM.
#include <algorithm>

#include "phonesim/siemens/atphone.h"

namespace phonesim::siemens {

namespace {

constexpr int kNoReply = 2;

// The fixture's reason codes: 0 all calls, 1 busy, 2 not reachable, 3 no reply.
int fixtureReason(int reason) {
    return reason == 2 ? 3 : reason == 3 ? 2 : reason;
}

std::vector<int> classesOf(int mask) {
    std::vector<int> classes;
    for (int bit = 0; bit < 3; ++bit) {
        if ((mask & (1 << bit)) != 0) classes.push_back(bit);
    }
    return classes;
}

std::string divertLine(const Divert* divert, int callClass, int reason) {
    const std::string mask = std::to_string(1 << callClass);
    if (!divert) return "+CCFC: 0," + mask;
    const std::string number = divert->number.toStdString();
    std::string line =
        "+CCFC: 1," + mask + ",\"" + number + "\"," + (number.starts_with('+') ? "145" : "129");
    if (reason == kNoReply) line += ",,," + std::to_string(divert->delay);
    return line;
}

// A setting read with "?" and written with "=" as one number in a range.
AtOutcome numberSetting(const AtCommand& command, const std::string& name, int& value, int low,
                        int high) {
    if (command.form == AtCommand::Form::Query) {
        return AtOutcome::ok({name + ": " + std::to_string(value)});
    }
    if (command.form == AtCommand::Form::Test) {
        return AtOutcome::ok(
            {name + ": (" + std::to_string(low) + "-" + std::to_string(high) + ")"});
    }
    const auto given = numberArgument(splitArguments(command.arguments), 0);
    if (command.form != AtCommand::Form::Set || !given || *given < low || *given > high) {
        return AtOutcome::equipmentError(kNotSupported);
    }
    value = *given;
    return AtOutcome::ok();
}

}  // namespace

AtOutcome onDivert(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return AtOutcome::ok({"+CCFC: (0-5)"});
    if (command.form != AtCommand::Form::Set) return AtOutcome::plainError();
    const auto arguments = splitArguments(command.arguments);
    const auto reason = numberArgument(arguments, 0);
    const auto mode = numberArgument(arguments, 1);
    if (!reason || !mode || *reason < 0 || *reason > 3)
        return AtOutcome::equipmentError(kNotSupported);
    auto& diverts = phone.fixture.data.diverts;
    const auto classes = classesOf(numberArgument(arguments, 4).value_or(7));
    for (const int callClass : classes) {
        if (std::find(diverts.refusedClasses.begin(), diverts.refusedClasses.end(), callClass) !=
            diverts.refusedClasses.end()) {
            return AtOutcome::equipmentError(kNotAllowed);
        }
    }
    const int stored = fixtureReason(*reason);
    const auto matching = [&](int callClass) {
        return [&, callClass](const Divert& d) {
            return d.callClass == callClass && d.reason == stored;
        };
    };
    AtOutcome outcome;
    for (const int callClass : classes) {
        auto& active = diverts.active;
        const auto found = std::find_if(active.begin(), active.end(), matching(callClass));
        switch (*mode) {
            case 2:
                outcome.lines.push_back(
                    divertLine(found == active.end() ? nullptr : &*found, callClass, *reason));
                break;
            case 3: {
                if (arguments.size() < 3 || arguments[2].text.empty()) {
                    return AtOutcome::equipmentError(kInvalidDialString);
                }
                Divert divert{callClass, stored, QString::fromStdString(arguments[2].text),
                              numberArgument(arguments, 7).value_or(0)};
                if (found == active.end()) {
                    active.push_back(divert);
                } else {
                    *found = divert;
                }
                break;
            }
            case 4:
                if (found != active.end()) active.erase(found);
                break;
            default:
                break;  // enable, disable: nothing kept
        }
    }
    return outcome;
}

AtOutcome onRingtone(AtPhone& phone, const AtCommand& command) {
    auto& profile = phone.fixture.siemens.profile;
    switch (command.form) {
        case AtCommand::Form::Query:
            return AtOutcome::ok({"^SRTC: " + std::to_string(profile.ringtone) + "," +
                                  std::to_string(profile.volume)});
        case AtCommand::Form::Test:
            return AtOutcome::ok({"^SRTC: (0-" + std::to_string(profile.ringtones) + "),(0-4)"});
        case AtCommand::Form::Set: {
            const auto arguments = splitArguments(command.arguments);
            const auto tone = numberArgument(arguments, 0);
            const auto volume = numberArgument(arguments, 1);
            if (!tone || !volume || *tone < 0 || *tone > profile.ringtones || *volume < 0 ||
                *volume > 4) {
                return AtOutcome::equipmentError(kNotSupported);
            }
            profile.ringtone = *tone;
            profile.volume = *volume;
            return AtOutcome::ok();
        }
        default:
            return AtOutcome::plainError();
    }
}

AtOutcome onEarpieceVolume(AtPhone& phone, const AtCommand& command) {
    return numberSetting(command, "^SNFV", phone.fixture.siemens.profile.earpiece, 0, 4);
}

AtOutcome onVibration(AtPhone& phone, const AtCommand& command) {
    if (phone.isS25()) return AtOutcome::plainError();
    int vibration = phone.fixture.siemens.profile.vibration ? 1 : 0;
    AtOutcome outcome = numberSetting(command, "+CVIB", vibration, 0, 1);
    phone.fixture.siemens.profile.vibration = vibration == 1;
    return outcome;
}

AtOutcome onAlertMode(AtPhone& phone, const AtCommand& command) {
    if (phone.isS25()) return AtOutcome::plainError();
    return numberSetting(command, "+CALM", phone.fixture.siemens.profile.alert, 0, 2);
}

}  // namespace phonesim::siemens
