#include "phonelib/api/keepalive.h"

#include "phonelib/api/library.h"
#include "phonelib/api/notification.h"
#include "phonelib/drivers/siemens/atengine.h"

namespace phonelib::keepalive {

void declareLinkLost() {
    auto& state = lib().state;
    state.LinkLost = true;
    state.LinkUp = false;
    state.SocketOpen = false;  // stops infrared traffic until the next set-up
    lib().post(nfLinkLost);
}

void declareLinkUp() {
    auto& state = lib().state;
    state.LinkUp = true;
    state.LinkLost = false;
    lib().post(nfLinkUp);
}

void pingNokia61xx() {
    lib().frames.SendFbusMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x00});
}

void pingNokia7110() {
    lib().frames.SendFbusMessage(0xD1, {0x00, 0x01, 0x00, 0x03, 0x01});
}

void pingSiemensAt() {
    siemens::atsend("AT+CGMM\r");  // lines left from a late answer must not pass for its echo
}

void nokia61xx() {
    auto& state = lib().state;
    if (state.Busy) return;
    if (state.ReplyState == 1) {
        if (!state.LinkUp) {
            state.MissCount = 0;
            declareLinkUp();
        }
    } else {
        // Counts unanswered cycles since the link last came up; an answer
        // while the link is up does not reset it.
        ++state.MissCount;
        if (state.MissCount > 2 && !state.LinkLost) declareLinkLost();
    }
    state.ReplyState = 0;
    pingNokia61xx();
    lib().frames.SendFbusMessage(0x04, {0x00, 0x01, 0x00, 0x01});
    lib().post(nfKeepAliveCycle);
}

void nokia7110() {
    auto& state = lib().state;
    if (!state.Busy) {
        if (state.ReplyState == 1) {
            if (!state.LinkUp) declareLinkUp();
        } else if (!state.LinkLost) {
            declareLinkLost();
        }
    }
    state.ReplyState = 0;
    pingNokia7110();
    lib().post(nfKeepAliveCycle);
}

void siemensAt() {
    auto& state = lib().state;
    if (state.Busy) return;
    if (state.ReplyState == 1) {
        if (!state.LinkUp) declareLinkUp();
    } else if (!state.LinkLost) {
        declareLinkLost();
    }
    state.ReplyState = 0;
    pingSiemensAt();
    lib().post(nfKeepAliveCycle);
}

}  // namespace phonelib::keepalive
