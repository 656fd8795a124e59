// The simulated phone as a device in infrared range, for a PC on the same
// machine: a folder "$XDG_RUNTIME_DIR/corvina-ir/<device id>" ("corvina-ir-
// <uid>" in the temporary folder when there is no runtime folder) that
// holds a listening socket per service the phone offers, named after the
// service ("IrDA:IrCOMM" for AT commands, "Nokia:PhoNet" for FBUS in PhoNet
// framing). The device is in range while a socket accepts connections.
//
// The infrared folder and the device folder are made private (mode 0700);
// a folder of another user, or a link in its place, is refused.
#pragma once

#include <QString>

namespace phonesim {

inline const QString kIrCommService = QStringLiteral("IrDA:IrCOMM");
inline const QString kPhoNetService = QStringLiteral("Nokia:PhoNet");

class InfraredDevice {
  public:
    InfraredDevice() = default;
    InfraredDevice(const InfraredDevice&) = delete;
    InfraredDevice& operator=(const InfraredDevice&) = delete;
    // Removes the device folder (its sockets are closed by then).
    ~InfraredDevice();

    // A device id is 1 to 32 letters, digits, '-', '_' or '.', not
    // beginning with '.'.
    static bool validId(const QString& id);
    // The infrared folder shared by all devices of the user.
    static QString infraredFolder();

    // Makes the private device folder; false with a reason on failure.
    bool create(const QString& id, QString* error);
    // Where the socket of a service goes.
    QString servicePath(const QString& service) const;

  private:
    QString folder_;
};

}  // namespace phonesim
