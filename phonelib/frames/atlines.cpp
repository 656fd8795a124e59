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

uint8_t AtLineAssembler::cmeErrorStatus(const std::string& code) {
    bool ok = false;
    switch (QByteArray::fromStdString(code).trimmed().toInt(&ok)) {
        case 20:  // memory full
            return stMemoryFull;
        case 21:  // invalid index
            return stInvalidIndex;
        case 22:  // not found
            return stEmptyLocation;
        case 23:  // memory failure
            return stMemoryFailure;
        case 24:  // text string too long
        case 26:  // dial string too long
            return stTooLong;
        case 30:  // no network service
            return stNoNetwork;
        default:  // not allowed, not supported, SIM problems, unknown, a verbose text
            return stRefused;
    }
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
                if (!current_.empty()) {
                    current_.push_back('>');
                    break;
                }
                lines_.push_back("NOWSENDPDU");
                dispatch_();
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
    const QByteArray upper = QByteArray::fromStdString(line).toUpper();
    const bool messageError = upper.contains("+CMS ERROR");
    if (!messageError && !upper.contains("+CME ERROR")) {
        atStatus_ = stDone;
        return;
    }
    lines_.push_back("ERROR");
    // The code follows the prefix, its colon and one blank.
    constexpr size_t kCodeStart = 12;
    const std::string code = line.size() > kCodeStart ? line.substr(kCodeStart) : std::string();
    atStatus_ = messageError ? cmsErrorStatus(code) : cmeErrorStatus(code);
    dispatch_();
}

}  // namespace phonelib
