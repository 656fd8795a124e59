// Connection set-up: open the link the connection kind names, wake the
// phone, put it into its protocol, ask for its model and bind the driver
// procedures of its family.
#include <algorithm>

#include "phonelib/api/keepalive.h"
#include "phonelib/api/library.h"
#include "phonelib/api/loadtimeslots.h"
#include "phonelib/api/modelgroups.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/drivers/nokia61xx/procedures.h"
#include "phonelib/drivers/siemens/atdriver.h"
#include "phonelib/drivers/siemens/atengine.h"
#include "phonelib/transport/commportdriver.h"
#include "phonelib/transport/infraredlink.h"

namespace phonelib {

namespace {

constexpr int32_t kFbusBaud = 115200;
constexpr int32_t kDefaultAtBaud = 19200;
constexpr int kWakeUpBytes = 33;
constexpr int32_t kWakeUpTicks = 5;

void openSerial(Library& library, const std::string& port, int32_t baud) {
    auto& serial = library.serialPort();
    serial.Close();
    serial.setBaudRateValue(baud);
    serial.setPortName(port);
    serial.setHwFlow(hfNONE);
    serial.Open();
    library.setTransport(&serial);
}

// Busy, tick running, then the 0x55 bytes that wake an FBUS phone. False when
// they could not be written within five ticks.
bool wakeFbusPhone(Library& library) {
    library.state.Busy = true;
    library.startTick();
    library.state.TickCount = 0;
    for (int i = 0; i < kWakeUpBytes; ++i) {
        library.serialPort().WriteByte(0x55);
        if (library.state.TickCount > kWakeUpTicks) return false;
    }
    return true;
}

// AT phones: echo on, extended errors, character set and message format,
// then the model query.
void identifyAtPhone(Library& library, uint8_t kind, int32_t baud, const std::string& port) {
    auto& state = library.state;
    siemens::forgetSelectedMemory();
    library.table.Dispatch = siemens::Dispatch;
    if (kind == ckAtCable) {
        library.receiveWithAt();
        openSerial(library, port, baud == 0 ? kDefaultAtBaud : baud);
    }
    state.Busy = true;
    library.startTick();
    if (kind == ckAtCable) {
        state.TickCount = 0;
        library.processEventsUntil([&] { return state.TickCount > 1; });
        library.serialPort().SetDtr(true);
        library.serialPort().SetRts(true);
    }
    state.TickCount = 0;
    state.ReplyState = 0;
    library.sleepScaled(1000);

    siemens::atsend("ATE1\r");
    state.TickCount = 0;
    state.ReplyState = 0;
    library.processEventsUntil([&] {
        const auto& lines = library.atLines;
        return state.TickCount > 1 || state.ReplyState == 1 ||
               std::find(lines.begin(), lines.end(), "OK") != lines.end();
    });

    // Extended error reports; names in the GSM alphabet, messages as PDUs and
    // announced when they come in ("+CMTI"), whatever another program left set.
    for (const char* setting :
         {"AT+CMEE=1\r", "AT+CSCS=\"GSM\"\r", "AT+CMGF=0\r", "AT+CNMI=1,1\r"}) {
        siemens::atsend(setting);
        state.ReplyState = 0;
        library.waitForReply(2);
    }

    siemens::atsend("AT+CGMM\r");
    state.ReplyState = 0;
    if (library.waitForReply(2) != stNoAnswer && state.AtStatus == 1) state.Connected = true;
}

// FBUS phones: wake-up, then the 0xD1 identification, tried twice.
uint8_t identifyFbusPhone(Library& library, uint8_t kind, const std::string& port) {
    auto& state = library.state;
    if (kind == ckFbusCable || kind == ckDlr3Cable) {
        library.receiveWithFbus();
        openSerial(library, port, kFbusBaud);
        auto& serial = library.serialPort();
        if (kind == ckFbusCable) {
            serial.SetRts(false);
            serial.SetDtr(true);
        } else {
            // The DLR-3 cable is switched into FBUS mode by AT commands.
            library.sleepScaled(500);
            serial.WriteText("AT&F\r");
            library.sleepScaled(300);
            serial.WriteText("AT*NOKIAFBUS\r");
            library.sleepScaled(300);
            serial.SetRts(false);
            serial.SetDtr(false);
        }
        if (!wakeFbusPhone(library)) return stNoAnswer;
    } else {
        // Over infrared the socket is open; the identification's time limit
        // needs the tick too.
        library.startTick();
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        state.ReplyState = 0;
        library.frames.SendFbusMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00});
        if (library.waitForReply(2) != stNoAnswer) break;
        state.ReplyState = stNoAnswer;
    }
    return state.ReplyState;
}

bool isInfrared(uint8_t kind) {
    return kind == ckAtInfrared || kind == ckFbusInfrared;
}

// The infrared socket to the device named by `port` (the first one in range
// when empty), with received bytes going to the assembler of the kind.
uint8_t openInfrared(Library& library, uint8_t kind, const std::string& port) {
    auto& infrared = library.infrared();
    const uint8_t status = infrared.OpenInfrared(kind, true, port);
    if (status != stDone) return status;
    library.setTransport(&infrared);
    if (kind == ckAtInfrared) {
        library.receiveWithAt();
    } else {
        library.receiveWithFbus();
    }
    return status;
}

uint8_t openAndIdentify(Library& library, uint8_t kind, const std::string& port, int32_t baud) {
    auto& state = library.state;
    state.ConnectionKind = kind;

    // Without an infrared socket nothing else is done.
    uint8_t status = isInfrared(kind) ? openInfrared(library, kind, port) : uint8_t{stDone};
    if (status == stDone && (kind == ckAtCable || kind == ckAtInfrared)) {
        identifyAtPhone(library, kind, baud, port);
        status = state.ReplyState;
    } else if (status == stDone) {
        status = identifyFbusPhone(library, kind, port);
    }
    if (status != stDone) {
        state.ModelId = kUnknownModel;
        return status;
    }

    const auto modelId = modelIdOfCode(state.ModelCode);
    if (!modelId) {
        // A phone that names no known model stays unidentified; its code is
        // kept so the host can name it.
        state.ModelId = kUnknownModel;
        state.Connected = false;
        return stNotAvailable;
    }
    state.ModelId = *modelId;
    if (kind != ckAtCable && kind != ckAtInfrared) {
        library.frames.SendFbusMessage(0x40, {0x00, 0x01, 0x64, 0x01});  // extended commands on
        state.Connected = true;
    }
    return status;
}

uint8_t connectionSetup(QObject* host, const std::string& port, uint8_t kind, int32_t baud) {
    auto& library = lib();
    auto& state = library.state;
    state.FrameStartByte = kind == ckFbusInfrared ? kPhoNetStartByte : kCableStartByte;
    library.serialPort().Close();
    if (!isInfrared(kind)) library.infrared().Close();  // an infrared set-up drains it itself
    library.fbusAssembler.reset();
    library.linkWatch.restart();
    state.Connected = false;
    state.LinkUp = false;
    state.LinkLost = false;
    library.setHost(host);
    library.stopTick();
    state.WaitLimit = 3;
    state.Busy = true;
    state.ModelCode.clear();
    const bool fbus = kind == ckFbusCable || kind == ckDlr3Cable || kind == ckFbusInfrared;
    if (fbus) {
        library.table.Dispatch = nokia::Dispatch;
        library.table.KeepAlive = keepalive::nokia61xx;
        library.table.KeepAliveProbe = keepalive::pingNokia61xx;
    } else {
        // The keep-alive of a 7110 connected before pings on every tick, also
        // while busy: its FBUS frames and cleared replies would spoil the AT
        // set-up. The AT keep-alive rests while the set-up runs.
        library.table.KeepAlive = keepalive::siemensAt;
        library.table.KeepAliveProbe = keepalive::pingSiemensAt;
    }

    const uint8_t status = openAndIdentify(library, kind, port, baud);

    // Procedures bound for a phone connected before must not serve this one.
    DriverTable fresh;
    fresh.Dispatch = library.table.Dispatch;
    fresh.getcalinfo = loadtime::getcalinfo;
    fresh.KeepAlive = library.table.KeepAlive;
    fresh.KeepAliveProbe = library.table.KeepAliveProbe;
    library.table = std::move(fresh);
    library.table.changeconnectionspeed = [](int32_t) { return uint8_t{stNotAvailable}; };
    if (state.ModelId != kUnknownModel) {
        if (fbus) {
            installNokiaProcedures(library.table, state.ModelId);
        } else {
            installAtProcedures(library.table);
        }
    }
    library.startTick();
    state.Busy = false;
    return status;
}

}  // namespace

uint8_t initport(QObject* host, const std::string& port, uint8_t kind, int32_t baud) {
    return lib().call([&] { return connectionSetup(host, port, kind, baud); });
}

}  // namespace phonelib
