// The phones in infrared range.
//
// Linux has no infrared socket family any more, so the infrared link talks
// to local stream sockets instead: every device in range is a folder in the
// user's private infrared folder, "$XDG_RUNTIME_DIR/corvina-ir/<device id>"
// ("corvina-ir-<uid>" in the temporary folder when there is no runtime
// folder), holding one socket per service it offers, named after the
// service ("IrDA:IrCOMM", "Nokia:PhoNet"). A device is in range while one of
// its sockets accepts connections. The folder is trusted only when it is a
// real folder of the user's that nobody else may enter.
#pragma once

#include <string>
#include <vector>

namespace phonelib {

constexpr const char* kIrCommService = "IrDA:IrCOMM";
constexpr const char* kPhoNetService = "Nokia:PhoNet";

struct InfraredScan {
    // Device ids in range, in a stable order (by name); empty when none.
    std::vector<std::string> devices;
    // Why the folder cannot be trusted (it is then not searched); empty
    // when it is safe or does not exist.
    std::string refusal;
};

// The private infrared folder, whether it exists or not.
std::string infraredFolder();

// The full name of a service socket of a device.
std::string infraredServicePath(const std::string& deviceId, const std::string& service);

// Lists the devices in range. Finding out touches every device socket with a
// connection that is closed at once, without a byte.
InfraredScan scanInfrared();

}  // namespace phonelib
