// Objects: the address book ("vcf", vCards at index 0..capacity-1), the
// calendar ("vcs", vCalendars at location 1..capacity), logos ("bmp",
// Windows bitmaps, 0 the operator logo, 2 the screensaver) and ringtones
// ("mid", MIDI files), each as hex text cut into parts.
//
//   AT^SBNR=?                 ^SBNR: ("bmp",(0-3)),("mid",(0-4)),("vcf",(0-n)),("vcs",(1-m))
//   AT^SBNR="vcf",<i>         per part: ^SBNR: "vcf",<i>,<part>,<parts>, then a line of
//                             hex (176 bytes at most); an empty index answers OK alone
//   AT^SBNW="vcf",<i>,<part>,<parts>   "> ", then the part's hex and Ctrl-Z: OK; the
//                             object is kept when its last part has come
//   AT^SBNW="vcf",<i>,0[,0]   delete
//   AT^SDBR=?                 ^SDBR: (1-<address-book entries>)   (0) when empty
// The phone keeps a note's alarm as DALARM, whatever the PC wrote (AALARM).
// Errors: +CME ERROR 21 for an index outside the store, 4 for reading
// ringtones, 3 for parts out of order or data that is not hex.
#include <QByteArray>

#include "phonesim/siemens/atphone.h"
#include "phonesim/siemens/phonetext.h"

namespace phonesim::siemens {

namespace {

constexpr int kLogoSlots = 4;
constexpr int kRingtoneSlots = 5;
constexpr size_t kReadPartBytes = 176;

// Where the objects of a kind live, and which indices it has.
struct Store {
    std::map<int, QByteArray>* objects = nullptr;  // nullptr: ringtones, kept as a list
    int first = 0;
    int last = 0;
};

std::optional<Store> storeOf(AtPhone& phone, const std::string& kind) {
    auto& data = phone.fixture.siemens;
    if (kind == "vcf") return Store{&data.addressBook.objects, 0, data.addressBook.capacity - 1};
    if (kind == "vcs") return Store{&data.calendar.objects, 1, data.calendar.capacity};
    if (kind == "bmp") return Store{&data.logos, 0, kLogoSlots - 1};
    if (kind == "mid") return Store{nullptr, 0, kRingtoneSlots - 1};
    return std::nullopt;
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string rangeText(int first, int last) {
    return "(" + std::to_string(first) + "-" + std::to_string(last) + ")";
}

QByteArray stored(const std::string& kind, QByteArray object) {
    if (kind == "vcs") object.replace("\r\nAALARM:", "\r\nDALARM:");
    return object;
}

void keep(AtPhone& phone, const std::string& kind, int index, const QByteArray& object) {
    const auto store = storeOf(phone, kind);
    if (store->objects) {
        (*store->objects)[index] = stored(kind, object);
    } else {
        phone.fixture.siemens.ringtones.push_back(object);
    }
}

// Phones without an address book leave out its kind.
AtOutcome sizes(AtPhone& phone) {
    const auto& data = phone.fixture.siemens;
    std::string kinds = "^SBNR: (\"bmp\"," + rangeText(0, kLogoSlots - 1) + "),(\"mid\"," +
                        rangeText(0, kRingtoneSlots - 1) + ")";
    if (data.addressBook.capacity > 0) {
        kinds += ",(\"vcf\"," + rangeText(0, data.addressBook.capacity - 1) + ")";
    }
    return AtOutcome::ok({kinds + ",(\"vcs\"," + rangeText(1, data.calendar.capacity) + ")"});
}

AtOutcome partReceived(AtPhone& phone, const std::string& kind, int index, int part, int parts,
                       const std::string& data) {
    auto& collected = phone.link.objectParts[{kind, index}];
    if (part == 1) collected.clear();
    if (!isHexText(data) || static_cast<int>(collected.size()) != part - 1) {
        phone.link.objectParts.erase({kind, index});
        return AtOutcome::equipmentError(kNotAllowed);
    }
    collected.push_back(bytesOfHex(data));
    if (part < parts) return AtOutcome::ok();
    std::string object;
    for (const std::string& piece : collected) object += piece;
    phone.link.objectParts.erase({kind, index});
    keep(phone, kind, index, QByteArray::fromStdString(object));
    return AtOutcome::ok();
}

// The object a command names: its kind, store and index; nothing when the
// kind is unknown or the index outside its store.
struct Target {
    std::string kind;
    Store store;
    int index = 0;
};

std::optional<Target> targetOf(AtPhone& phone, const std::vector<AtArgument>& arguments) {
    const std::string kind = arguments.empty() ? std::string() : lower(arguments[0].text);
    const auto store = storeOf(phone, kind);
    const auto index = numberArgument(arguments, 1);
    if (!store || !index || *index < store->first || *index > store->last) return std::nullopt;
    return Target{kind, *store, *index};
}

}  // namespace

AtOutcome onReadObject(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return sizes(phone);
    if (command.form != AtCommand::Form::Set) return AtOutcome::plainError();
    const auto target = targetOf(phone, splitArguments(command.arguments));
    if (!target) return AtOutcome::equipmentError(kInvalidIndex);
    const auto& [kind, store, index] = *target;
    if (!store.objects) return AtOutcome::equipmentError(kNotSupported);
    const auto found = store.objects->find(index);
    if (found == store.objects->end()) return AtOutcome::ok();
    const std::string object = found->second.toStdString();
    const size_t parts = (object.size() + kReadPartBytes - 1) / kReadPartBytes;
    AtOutcome outcome;
    for (size_t part = 0; part < parts; ++part) {
        outcome.lines.push_back("^SBNR: \"" + kind + "\"," + std::to_string(index) + "," +
                                std::to_string(part + 1) + "," + std::to_string(parts));
        outcome.lines.push_back(hexText(object.substr(part * kReadPartBytes, kReadPartBytes)));
    }
    return outcome;
}

AtOutcome onWriteObject(AtPhone& phone, const AtCommand& command) {
    if (command.form == AtCommand::Form::Test) return sizes(phone);
    if (command.form != AtCommand::Form::Set) return AtOutcome::plainError();
    const auto arguments = splitArguments(command.arguments);
    const auto target = targetOf(phone, arguments);
    const auto part = numberArgument(arguments, 2);
    if (!target || !part) return AtOutcome::equipmentError(kInvalidIndex);
    const auto& [kind, store, index] = *target;
    if (*part == 0) {
        if (store.objects) store.objects->erase(index);
        return AtOutcome::ok();
    }
    const auto parts = numberArgument(arguments, 3);
    if (!parts || *part < 1 || *part > *parts) return AtOutcome::equipmentError(kNotAllowed);
    AtOutcome prompt;
    prompt.input = [&phone, kind = kind, index = index, part = *part,
                    parts = *parts](const std::string& data) {
        return partReceived(phone, kind, index, part, parts, data);
    };
    return prompt;
}

AtOutcome onAddressBookUsed(AtPhone& phone, const AtCommand& command) {
    if (command.form != AtCommand::Form::Test) return AtOutcome::plainError();
    const int used = static_cast<int>(phone.fixture.siemens.addressBook.objects.size());
    return AtOutcome::ok({"^SDBR: " + (used == 0 ? std::string("(0)") : rangeText(1, used))});
}

}  // namespace phonesim::siemens
