#include "phonelib/transport/commportdriver.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include "tests/support/pseudoterminal.h"

using namespace phonelib;

namespace {

TEST(CommPortDriver, Defaults) {
    TCommPortDriver port;
    EXPECT_EQ(port.Port(), 2);
    EXPECT_EQ(port.PortName(), "/dev/ttyS1");
    EXPECT_EQ(port.BaudRate(), br9600);
    EXPECT_EQ(port.BaudRateValue(), 9600);
    EXPECT_EQ(port.DataBits(), db8BITS);
    EXPECT_EQ(port.StopBits(), sb1BITS);
    EXPECT_EQ(port.Parity(), ptNONE);
    EXPECT_EQ(port.HwFlow(), hfNONERTSON);
    EXPECT_EQ(port.SwFlow(), sfNONE);
    EXPECT_EQ(port.InBufSize(), 2048);
    EXPECT_EQ(port.OutBufSize(), 2048);
    EXPECT_EQ(port.PacketSize(), -1);
    EXPECT_EQ(port.PollingDelay(), 50);
    EXPECT_TRUE(port.EnableDTROnOpen());
    EXPECT_EQ(port.OutputTimeout(), 500);
    EXPECT_FALSE(port.CheckLineStatus());
    EXPECT_FALSE(port.IsOpen());
}

TEST(CommPortDriver, PortNumbersAndNames) {
    TCommPortDriver port;
    port.setPort(3);
    EXPECT_EQ(port.PortName(), "/dev/ttyS2");
    port.setPortName("/dev/ttyUSB0");
    EXPECT_EQ(port.Port(), pnCustom);
    EXPECT_EQ(port.PortName(), "/dev/ttyUSB0");
    port.setPort(pnCustom);
    EXPECT_EQ(port.PortName(), "/dev/ttyUSB0");
}

TEST(CommPortDriver, ClampsAndBaudTable) {
    TCommPortDriver port;
    port.setPollingDelay(1);
    EXPECT_EQ(port.PollingDelay(), 5);
    port.setInBufSize(10);
    port.setOutBufSize(100000);
    EXPECT_EQ(port.InBufSize(), 128);
    EXPECT_EQ(port.OutBufSize(), 8192);
    port.setBaudRate(br115200);
    EXPECT_EQ(port.BaudRateValue(), 115200);
    port.setBaudRateValue(19200);
    EXPECT_EQ(port.BaudRate(), brCustom);
    EXPECT_EQ(TCommPortDriver::baudOfIndex(br256000), 256000);
    EXPECT_EQ(TCommPortDriver::baudOfIndex(200), 0);
}

TEST(CommPortDriver, ClosedPortDoesNothing) {
    TCommPortDriver port;
    const uint8_t b = 0x55;
    EXPECT_EQ(port.Write(&b, 1), 0);
    EXPECT_FALSE(port.WriteByte(b));
    EXPECT_FALSE(port.WriteText("AT\r"));
    EXPECT_FALSE(port.Purge(true, true));
    port.SetDtr(true);
    port.SetRts(true);
}

TEST(CommPortDriver, MissingDeviceFailsWithItsReason) {
    TCommPortDriver port;
    port.setPortName("/dev/corvina-no-such-port");
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(port.lastOpenError(), PortOpenError::NotFound);
    EXPECT_FALSE(port.lastOpenErrorText().empty());
}

}  // namespace

namespace {

using testing_support::PseudoTerminal;

TEST(CommPortDriverOnAPseudoTerminal, WritesAndDeliversReceivedBytes) {
    PseudoTerminal pty;
    TCommPortDriver port;
    std::string received;
    port.setOnReceiveData([&](const uint8_t* data, size_t size) {
        received.append(reinterpret_cast<const char*>(data), size);
    });
    port.setPortName(pty.slave());
    port.setBaudRateValue(115200);
    port.setHwFlow(hfNONE);
    ASSERT_TRUE(port.Open()) << port.lastOpenErrorText();
    EXPECT_TRUE(port.Open());  // already open: nothing happens

    EXPECT_TRUE(port.WriteText("AT&F\r"));
    QDeadlineTimer deadline(5000);
    std::string atMaster;
    while (atMaster.size() < 5 && !deadline.hasExpired()) {
        QThread::msleep(1);
        atMaster += pty.read();
    }
    EXPECT_EQ(atMaster, "AT&F\r");

    ASSERT_TRUE(pty.write("OK\r\n"));
    while (received.size() < 4 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(received, "OK\r\n");
    port.Close();
    EXPECT_FALSE(port.IsOpen());
}

TEST(CommPortDriverOnAPseudoTerminal, WriteThatMakesNoProgressReturnsAShortCount) {
    PseudoTerminal pty;
    TCommPortDriver port;
    port.setPortName(pty.slave());
    port.setOutputTimeout(50);
    ASSERT_TRUE(port.Open());
    // Nobody reads the other end: the terminal's buffer fills up.
    const std::vector<uint8_t> data(1 << 20, 0x55);
    const int32_t written = port.Write(data.data(), static_cast<int32_t>(data.size()));
    EXPECT_GT(written, 0);
    EXPECT_LT(written, static_cast<int32_t>(data.size()));
}

TEST(CommPortDriverOnAPseudoTerminal, HangUpEndsTheLinkOnceAndClosesThePort) {
    TCommPortDriver port;
    int ended = 0;
    port.setOnLinkEnded([&] { ++ended; });
    const auto runEvents = [](int milliseconds) {
        QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    };

    // Noticed by a write ...
    PseudoTerminal first;
    port.setPortName(first.slave());
    ASSERT_TRUE(port.Open());
    first.hangUp();
    EXPECT_FALSE(port.WriteText("AT\r"));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(port.IsOpen());
    runEvents(200);  // the device keeps reporting its end until it is closed
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(port.IsOpen());

    // ... or by the receive path alone; a closed port opens again.
    PseudoTerminal second;
    port.setPortName(second.slave());
    ASSERT_TRUE(port.Open()) << port.lastOpenErrorText();
    ASSERT_TRUE(port.WriteText("AT\r"));
    second.hangUp();
    QDeadlineTimer deadline(5000);
    while (ended < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(ended, 2);
    EXPECT_FALSE(port.IsOpen());
    runEvents(200);
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(port.Write(reinterpret_cast<const uint8_t*>("x"), 1), 0);
}

}  // namespace
