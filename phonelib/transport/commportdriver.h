// The serial port driver: opens a serial device, applies the line settings,
// writes with an output time-out, controls DTR and RTS and hands every chunk
// of received bytes to its handler as soon as it arrives.
//
// The end of the link — the other side hangs up, end of file, an I/O error,
// a USB adapter pulled out — closes the port and is reported once to the
// link-ended handler; from then on the port counts as closed and Open()
// opens it afresh.
//
// A port is a device path (/dev/ttyS0, /dev/ttyUSB0, /dev/ttyACM0 or a
// pseudo-terminal). Port numbers n >= 1 stand for "/dev/ttyS" + (n - 1).
// The driver belongs to the library thread: create, use and destroy it there.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "phonelib/api/porterror.h"
#include "phonelib/transport/transport.h"

class QSerialPort;

namespace phonelib {

enum PortNumber : uint8_t { pnCustom = 0, pnCOM1 = 1, pnCOM16 = 16 };
enum BaudRateIndex : uint8_t {
    brCustom = 0,
    br110,
    br300,
    br600,
    br1200,
    br2400,
    br4800,
    br9600,
    br14400,
    br19200,
    br38400,
    br56000,
    br57600,
    br115200,
    br128000,
    br256000
};
enum DataBitsIndex : uint8_t { db5BITS = 0, db6BITS, db7BITS, db8BITS };
enum StopBitsIndex : uint8_t { sb1BITS = 0, sb1HALFBITS, sb2BITS };
enum ParityIndex : uint8_t { ptNONE = 0, ptODD, ptEVEN, ptMARK, ptSPACE };
enum HwFlowIndex : uint8_t { hfNONE = 0, hfNONERTSON, hfRTSCTS };
enum SwFlowIndex : uint8_t { sfNONE = 0, sfXONXOFF };

class TCommPortDriver : public QObject, public Transport {
    Q_OBJECT

  public:
    TCommPortDriver();
    ~TCommPortDriver() override;

    // --- Properties (changing a line setting while open applies it at once;
    // port name and buffer sizes cannot change while open) ---
    uint8_t Port() const { return port_; }
    void setPort(uint8_t port);
    const std::string& PortName() const { return portName_; }
    void setPortName(const std::string& name);
    uint8_t BaudRate() const { return baudRate_; }
    void setBaudRate(uint8_t index);
    int32_t BaudRateValue() const { return baudRateValue_; }
    void setBaudRateValue(int32_t value);
    uint8_t DataBits() const { return dataBits_; }
    void setDataBits(uint8_t bits);
    uint8_t StopBits() const { return stopBits_; }
    void setStopBits(uint8_t bits);
    uint8_t Parity() const { return parity_; }
    void setParity(uint8_t parity);
    uint8_t HwFlow() const { return hwFlow_; }
    void setHwFlow(uint8_t flow);
    uint8_t SwFlow() const { return swFlow_; }
    void setSwFlow(uint8_t flow);
    int32_t InBufSize() const { return inBufSize_; }
    void setInBufSize(int32_t size);
    int32_t OutBufSize() const { return outBufSize_; }
    void setOutBufSize(int32_t size);
    int16_t PacketSize() const { return packetSize_; }
    uint16_t PollingDelay() const { return pollingDelay_; }
    void setPollingDelay(uint16_t milliseconds);
    bool EnableDTROnOpen() const { return enableDtrOnOpen_; }
    void setEnableDTROnOpen(bool enable) { enableDtrOnOpen_ = enable; }
    uint16_t OutputTimeout() const { return outputTimeout_; }
    void setOutputTimeout(uint16_t milliseconds) { outputTimeout_ = milliseconds; }
    bool CheckLineStatus() const { return checkLineStatus_; }
    void setCheckLineStatus(bool check) { checkLineStatus_ = check; }
    void setOnReceiveData(ReceiveHandler handler) { onReceiveData_ = std::move(handler); }
    void setOnLinkEnded(std::function<void()> handler) { onLinkEnded_ = std::move(handler); }

    // Baud rate of a table index; 0 for brCustom or an unknown index.
    static int32_t baudOfIndex(uint8_t index);

    // --- Operations ---
    bool Open();
    void Close();
    bool IsOpen() const;
    // Writes with the output time-out and returns the count written.
    int32_t Write(const uint8_t* data, int32_t count);
    bool WriteByte(uint8_t b);
    bool WriteText(const std::string& text);
    void SetDtr(bool on);
    void SetRts(bool on);
    bool Purge(bool input, bool output);

    int64_t write(const uint8_t* data, size_t size) override;

    // Bytes that left and arrived since the driver was created.
    uint64_t bytesWritten() const { return bytesWritten_; }
    uint64_t bytesRead() const { return bytesRead_; }

    PortOpenError lastOpenError() const { return lastOpenError_; }
    const std::string& lastOpenErrorText() const { return lastOpenErrorText_; }

  private:
    bool applySettings();
    void deliverReceived();
    void linkEnded();
    void closeDevice();
    bool anyModemLineActive() const;
    void modemLineRefused(const char* line);

    std::unique_ptr<QSerialPort> serial_;
    uint8_t port_ = 2;
    std::string portName_ = "/dev/ttyS1";
    uint8_t baudRate_ = br9600;
    int32_t baudRateValue_ = 9600;
    uint8_t dataBits_ = db8BITS;
    uint8_t stopBits_ = sb1BITS;
    uint8_t parity_ = ptNONE;
    uint8_t hwFlow_ = hfNONERTSON;
    uint8_t swFlow_ = sfNONE;
    int32_t inBufSize_ = 2048;
    int32_t outBufSize_ = 2048;
    int16_t packetSize_ = -1;
    uint16_t pollingDelay_ = 50;
    bool enableDtrOnOpen_ = true;
    uint16_t outputTimeout_ = 500;
    bool checkLineStatus_ = false;
    ReceiveHandler onReceiveData_;
    std::function<void()> onLinkEnded_;
    // The link has ended; the device itself is closed a moment later, out
    // of the port's own signal that noticed it.
    bool ended_ = false;
    bool modemLinesNoted_ = false;
    uint64_t bytesWritten_ = 0;
    uint64_t bytesRead_ = 0;
    PortOpenError lastOpenError_ = PortOpenError::None;
    std::string lastOpenErrorText_;
};

}  // namespace phonelib
