#include "corvina/profiles/profilebook.h"

#include <memory>

#include "codecs/tools/cp1252.h"
#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr int kCallerGroups = 5;

}  // namespace

void copySettings(const TProfile& from, TProfile& to) {
    const TProfile target = to;
    to = from;
    to.profileNumber = target.profileNumber;
    to.name = target.name;
    to.standardNameIndex = target.standardNameIndex;
    to.extraText = target.extraText;
    to.extraValue = target.extraValue;
}

ProfileBook::ProfileBook(ProfileLibrary library, QObject* parent)
    : QObject(parent), library_(std::move(library)) {
    readGroupNames();
}

void ProfileBook::readGroupNames() {
    groupNames_.clear();
    for (int group = 0; group < kCallerGroups; ++group) {
        groupNames_ << tools::fromCp1252(library_.groupName(group));
    }
}

void ProfileBook::read() {
    aborted_ = false;
    family_ = library_.family();
    modelId_ = library_.modelId();
    modelCode_ = library_.modelCode();
    calls_.add(library_.downloadGroupnames, [this](uint8_t status) {
        readGroupNames();
        rows_.clear();
        emit groupNamesRead(status);
        emit listCleared();
        if (!aborted_) readProfile(0);
    });
}

void ProfileBook::readProfile(int32_t number) {
    auto profile = std::make_shared<TProfile>();
    profile->profileNumber = number;
    calls_.add([this, profile] { return library_.getProfile(*profile); },
               [this, number, profile](uint8_t status) {
                   if (status == phonelib::stNotAvailable) {
                       emit readFinished();
                       return;
                   }
                   storeRow(number, status, *profile);
                   emit rowRead(static_cast<int>(rows_.size()) - 1);
                   // Without a phone every further read would fail the same way.
                   if (aborted_ || status == phonelib::stNotConnected) return;
                   if (number + 1 < kMaxProfiles) {
                       readProfile(number + 1);
                   } else {
                       emit readFinished();
                   }
               });
}

void ProfileBook::storeRow(int32_t number, uint8_t status, TProfile profile) {
    // The AT driver reads the one profile a Siemens phone has, without name.
    if (status == phonelib::stDone && family_ == phonelib::ProfileFamily::Siemens) {
        profile.name = tools::toCp1252(tx("profiledit2_7", "Allgemein"));
    }
    ProfileRow row{number + 1, status, std::move(profile)};
    const auto index = static_cast<size_t>(number);
    if (index < rows_.size()) {
        rows_[index] = std::move(row);
    } else if (index == rows_.size()) {
        rows_.push_back(std::move(row));
    }
}

void ProfileBook::write(int row, const TProfile& values) {
    aborted_ = false;
    ProfileWrite result;
    result.row = row;
    TProfile profile = values;
    profile.profileNumber = row;  // rows list the profiles from number 0 on
    auto codes = std::make_shared<TProfile>();
    result.uncoded = library_.phoneCodes(family_, profile, *codes);
    if (result.uncoded) {
        emit writeFinished(result);
        return;
    }
    calls_.add([this, codes] { return library_.setProfile(*codes); },
               [this, result](uint8_t status) mutable {
                   result.written = status;
                   if (aborted_) {
                       emit writeFinished(result);
                       return;
                   }
                   // Read back what the phone holds now, whether or not the
                   // write was confirmed: a half-written profile shows as it is.
                   auto reread = std::make_shared<TProfile>();
                   reread->profileNumber = result.row;
                   calls_.add([this, reread] { return library_.getProfile(*reread); },
                              [this, result, reread](uint8_t status) mutable {
                                  result.reread = status;
                                  storeRow(result.row, status, *reread);
                                  emit rowRead(result.row);
                                  emit writeFinished(result);
                              });
               });
}

void ProfileBook::copy(int from, int to) {
    TProfile values = rows_.at(static_cast<size_t>(to)).profile;
    copySettings(rows_.at(static_cast<size_t>(from)).profile, values);
    write(to, values);
}

void ProfileBook::abort() {
    aborted_ = true;
    calls_.cancel();
}

}  // namespace corvina
