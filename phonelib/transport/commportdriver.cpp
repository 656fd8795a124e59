#include "phonelib/transport/commportdriver.h"

#include <poll.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QSerialPort>
#include <algorithm>
#include <cerrno>

namespace phonelib {

namespace {

// Enable with QT_LOGGING_RULES="corvina.serial.debug=true".
Q_LOGGING_CATEGORY(serialLog, "corvina.serial", QtInfoMsg)

constexpr int32_t kBaudTable[] = {0,     110,   300,   600,   1200,  2400,   4800,   9600,
                                  14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};

int32_t clampBufferSize(int32_t size) {
    return std::clamp(size, 128, 8192);
}

}  // namespace

TCommPortDriver::TCommPortDriver() : serial_(std::make_unique<QSerialPort>()) {
    connect(serial_.get(), &QSerialPort::readyRead, this, [this] { deliverReceived(); });
    // A hung-up or vanished device keeps reporting read errors (end of file,
    // EIO) until it is closed.
    connect(serial_.get(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) {
                if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError) linkEnded();
            });
}

TCommPortDriver::~TCommPortDriver() {
    Close();
}

int32_t TCommPortDriver::baudOfIndex(uint8_t index) {
    return index < std::size(kBaudTable) ? kBaudTable[index] : 0;
}

void TCommPortDriver::setPort(uint8_t port) {
    if (IsOpen()) return;
    port_ = port;
    if (port != pnCustom) portName_ = "/dev/ttyS" + std::to_string(port - 1);
}

void TCommPortDriver::setPortName(const std::string& name) {
    if (IsOpen()) return;
    portName_ = name;
    port_ = pnCustom;
}

void TCommPortDriver::setBaudRate(uint8_t index) {
    baudRate_ = index;
    if (index != brCustom && baudOfIndex(index) > 0) baudRateValue_ = baudOfIndex(index);
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setBaudRateValue(int32_t value) {
    baudRateValue_ = value;
    baudRate_ = brCustom;
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setDataBits(uint8_t bits) {
    dataBits_ = std::min<uint8_t>(bits, db8BITS);
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setStopBits(uint8_t bits) {
    stopBits_ = std::min<uint8_t>(bits, sb2BITS);
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setParity(uint8_t parity) {
    parity_ = std::min<uint8_t>(parity, ptSPACE);
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setHwFlow(uint8_t flow) {
    hwFlow_ = std::min<uint8_t>(flow, hfRTSCTS);
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setSwFlow(uint8_t flow) {
    swFlow_ = std::min<uint8_t>(flow, sfXONXOFF);
    if (IsOpen()) applySettings();
}

void TCommPortDriver::setInBufSize(int32_t size) {
    if (!IsOpen()) inBufSize_ = clampBufferSize(size);
}

void TCommPortDriver::setOutBufSize(int32_t size) {
    if (!IsOpen()) outBufSize_ = clampBufferSize(size);
}

void TCommPortDriver::setPollingDelay(uint16_t milliseconds) {
    pollingDelay_ = std::max<uint16_t>(milliseconds, 5);
}

bool TCommPortDriver::IsOpen() const {
    return serial_->isOpen() && !ended_;
}

bool TCommPortDriver::Open() {
    if (IsOpen()) return true;
    closeDevice();  // a port whose link ended may still wait to be closed
    serial_->setPortName(QString::fromStdString(portName_));
    if (!serial_->open(QIODevice::ReadWrite)) {
        switch (serial_->error()) {
            case QSerialPort::DeviceNotFoundError:
                lastOpenError_ = PortOpenError::NotFound;
                break;
            case QSerialPort::PermissionError:
                // Also what a port in use by another program reports: tell
                // the two apart by asking for access ourselves.
                lastOpenError_ = ::access(portName_.c_str(), R_OK | W_OK) != 0 && errno == EACCES
                                     ? PortOpenError::PermissionDenied
                                     : PortOpenError::Busy;
                break;
            default:
                lastOpenError_ = PortOpenError::Other;
        }
        lastOpenErrorText_ = serial_->errorString().toStdString();
        serial_->clearError();
        return false;
    }
    if (!applySettings()) {
        lastOpenError_ = PortOpenError::Other;
        lastOpenErrorText_ = serial_->errorString().toStdString();
        serial_->close();
        serial_->clearError();
        return false;
    }
    lastOpenError_ = PortOpenError::None;
    lastOpenErrorText_.clear();
    modemLinesNoted_ = false;
    SetDtr(enableDtrOnOpen_);
    SetRts(hwFlow_ == hfNONERTSON);
    return true;
}

void TCommPortDriver::Close() {
    // After the end of the link the close is already on its way; closing
    // here could happen inside the port's own signal.
    if (IsOpen()) closeDevice();
}

void TCommPortDriver::closeDevice() {
    if (serial_->isOpen()) serial_->close();
    serial_->clearError();
    ended_ = false;
}

void TCommPortDriver::linkEnded() {
    if (ended_ || !serial_->isOpen()) return;
    ended_ = true;
    qCDebug(serialLog, "%s: link ended: %s", portName_.c_str(), qPrintable(serial_->errorString()));
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (ended_) closeDevice();
        },
        Qt::QueuedConnection);
    if (onLinkEnded_) onLinkEnded_();
}

bool TCommPortDriver::applySettings() {
    static constexpr QSerialPort::Parity kParity[] = {
        QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
        QSerialPort::MarkParity, QSerialPort::SpaceParity};
    static constexpr QSerialPort::StopBits kStopBits[] = {
        QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    if (hwFlow_ == hfRTSCTS) {
        flow = QSerialPort::HardwareControl;
    } else if (swFlow_ == sfXONXOFF) {
        flow = QSerialPort::SoftwareControl;
    }
    const bool ok = serial_->setBaudRate(baudRateValue_) &&
                    serial_->setDataBits(static_cast<QSerialPort::DataBits>(dataBits_ + 5)) &&
                    serial_->setParity(kParity[parity_]) &&
                    serial_->setStopBits(kStopBits[stopBits_]) && serial_->setFlowControl(flow);
    if (!ok) return false;
    serial_->clear();
    return true;
}

void TCommPortDriver::deliverReceived() {
    if (ended_) return;
    const QByteArray data = serial_->readAll();
    bytesRead_ += static_cast<uint64_t>(data.size());
    if (data.isEmpty() || !onReceiveData_) return;
    onReceiveData_(reinterpret_cast<const uint8_t*>(data.constData()),
                   static_cast<size_t>(data.size()));
}

bool TCommPortDriver::anyModemLineActive() const {
    const auto lines = serial_->pinoutSignals();
    return lines & (QSerialPort::ClearToSendSignal | QSerialPort::DataSetReadySignal |
                    QSerialPort::RingIndicatorSignal | QSerialPort::DataCarrierDetectSignal);
}

int32_t TCommPortDriver::Write(const uint8_t* data, int32_t count) {
    if (!IsOpen() || count <= 0) return 0;
    // Written straight to the device so that the count is what really left:
    // a write that makes no progress for the output time-out gives up.
    const int fd = static_cast<int>(serial_->handle());
    int32_t total = 0;
    QDeadlineTimer noProgress(outputTimeout_);
    while (total < count) {
        if (checkLineStatus_ && !anyModemLineActive()) break;
        const ssize_t n = ::write(fd, data + total, static_cast<size_t>(count - total));
        if (n > 0) {
            total += static_cast<int32_t>(n);
            noProgress.setRemainingTime(outputTimeout_);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
            // EIO, ENXIO, ENODEV: the device has hung up or gone.
            linkEnded();
            break;
        }
        const auto remaining = noProgress.remainingTime();
        if (remaining <= 0) break;
        pollfd pfd{fd, POLLOUT, 0};
        ::poll(&pfd, 1, static_cast<int>(remaining));
    }
    bytesWritten_ += static_cast<uint64_t>(total);
    return total;
}

bool TCommPortDriver::WriteByte(uint8_t b) {
    return Write(&b, 1) == 1;
}

bool TCommPortDriver::WriteText(const std::string& text) {
    const auto count = static_cast<int32_t>(text.size());
    return Write(reinterpret_cast<const uint8_t*>(text.data()), count) == count;
}

int64_t TCommPortDriver::write(const uint8_t* data, size_t size) {
    return Write(data, static_cast<int32_t>(size));
}

void TCommPortDriver::modemLineRefused(const char* line) {
    // A pseudo-terminal has no modem lines; the link works without them, so
    // this is noted once per opening and otherwise ignored.
    if (!modemLinesNoted_) {
        qCDebug(serialLog, "%s: %s not set: %s", portName_.c_str(), line,
                qPrintable(serial_->errorString()));
        modemLinesNoted_ = true;
    }
    serial_->clearError();
}

void TCommPortDriver::SetDtr(bool on) {
    if (!IsOpen()) return;
    if (!serial_->setDataTerminalReady(on)) modemLineRefused("DTR");
}

void TCommPortDriver::SetRts(bool on) {
    if (!IsOpen() || hwFlow_ == hfRTSCTS) return;
    if (!serial_->setRequestToSend(on)) modemLineRefused("RTS");
}

bool TCommPortDriver::Purge(bool input, bool output) {
    if (!IsOpen()) return false;
    QSerialPort::Directions directions;
    if (input) directions |= QSerialPort::Input;
    if (output) directions |= QSerialPort::Output;
    return serial_->clear(directions);
}

}  // namespace phonelib
