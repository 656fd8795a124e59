#include "phonelib/frames/atlines.h"

#include <QByteArray>

#include "phonelib/api/status.h"

namespace phonelib {

uint8_t AtLineAssembler::cmsErrorStatus(const std::string& code) {
    if (code == "304") return stInvalidPdu;
    if (code == "320") return stMemoryFailure;
    if (code == "321") return stInvalidIndex;
    if (code == "322") return stMemoryFull;
    if (code == "330") return stNoServiceCentre;
    if (code == "331") return stNoNetwork;
    return stSmsError;
}

void AtLineAssembler::OnReceiveData(const uint8_t* data, size_t size) {
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = data[i];
        switch (b) {
            case 0x08:
            case 0x0A:
                break;
            case 0x0D:
                lineComplete();
                break;
            case '>':
                lines_.push_back("NOWSENDPDU");
                dispatch_();
                current_.clear();
                break;
            default:
                current_.push_back(static_cast<char>(b));
        }
    }
}

void AtLineAssembler::lineComplete() {
    const std::string line = std::move(current_);
    current_.clear();
    if (!line.empty()) lines_.push_back(line);
    dispatch_();
    if (QByteArray::fromStdString(line).toUpper().contains("+CMS ERROR")) {
        lines_.push_back("ERROR");
        // The code follows the prefix, its colon and one blank.
        constexpr size_t kCodeStart = 12;
        atStatus_ =
            cmsErrorStatus(line.size() > kCodeStart ? line.substr(kCodeStart) : std::string());
        dispatch_();
    } else {
        atStatus_ = stDone;
    }
}

}  // namespace phonelib
