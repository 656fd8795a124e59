// The profiles of the connected phone as the profile window keeps them:
// reading the list, writing one profile and reading it back, and copying
// one profile's settings to another. No widgets; tests drive it with a fake
// library.
#pragma once

#include <QObject>
#include <QStringList>
#include <optional>
#include <vector>

#include "corvina/common/callsequence.h"
#include "corvina/profiles/profilelibrary.h"
#include "phonelib/api/status.h"

namespace corvina {

struct ProfileRow {
    int number = 0;      // 1 to 7, as listed
    uint8_t status = 0;  // of the last read
    TProfile profile;    // the program's values; meaningful when read()

    bool read() const { return status == phonelib::stDone; }
};

// How a write went.
struct ProfileWrite {
    int row = -1;
    std::optional<phonelib::ProfileSetting> uncoded;  // a value without code: nothing sent
    uint8_t written = 0;                              // SetProfile's status
    uint8_t reread = 0;                               // GetProfile's status afterwards

    bool done() const { return !uncoded && written == phonelib::stDone; }
};

// The settings of a profile (everything but its number and name) copied
// from one profile to another.
void copySettings(const TProfile& from, TProfile& to);

class ProfileBook : public QObject {
    Q_OBJECT

  public:
    static constexpr int kMaxProfiles = 7;

    explicit ProfileBook(ProfileLibrary library = ProfileLibrary::library(),
                         QObject* parent = nullptr);

    // What the phone is, as asked at the start of the last read.
    phonelib::ProfileFamily family() const { return family_; }
    uint8_t modelId() const { return modelId_; }
    const std::string& modelCode() const { return modelCode_; }
    const ProfileLibrary& library() const { return library_; }

    const std::vector<ProfileRow>& rows() const { return rows_; }
    // The names of caller groups 0 to 4: the phone's after a read, else
    // the program's defaults.
    const QStringList& groupNames() const { return groupNames_; }
    bool busy() const { return calls_.running(); }
    CallSequence& calls() { return calls_; }

    // DownloadGroupnames, then GetProfile for profiles 0 to 6, up to the
    // first one the model does not have.
    void read();
    // Turns the values into the phone's codes, writes them to the profile
    // of the row and reads that profile again. Nothing is sent when a value
    // has no code.
    void write(int row, const TProfile& values);
    // Writes the settings of one row's profile, not its name, to another's.
    void copy(int from, int to);
    // Ends what is running after the call in flight (the link went away).
    void abort();

  signals:
    void listCleared();
    void groupNamesRead(uint8_t status);
    void rowRead(int row);
    void readFinished();
    void writeFinished(const corvina::ProfileWrite& result);

  private:
    void readProfile(int32_t number);
    void storeRow(int32_t number, uint8_t status, TProfile profile);
    void readGroupNames();

    ProfileLibrary library_;
    CallSequence calls_;
    phonelib::ProfileFamily family_ = phonelib::ProfileFamily::None;
    uint8_t modelId_ = 0;
    std::string modelCode_;
    std::vector<ProfileRow> rows_;
    QStringList groupNames_;
    bool aborted_ = false;
};

}  // namespace corvina
