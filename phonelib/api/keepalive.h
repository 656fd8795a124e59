// The three keep-alive procedures, one per phone family. The tick calls the
// installed one every period. Each pings the phone, judges from the reply
// flag whether it answered since the previous cycle, and tells the host about
// a lost or returned link once per change.
//
// A family brings two procedures: the keep-alive cycle (slot KeepAlive) and
// its ping alone (KeepAliveProbe), which the link watch sends when requests
// of a transfer go unanswered. A driver with a keep-alive of its own sets
// both and announces changes with declareLinkLost and declareLinkUp.
#pragma once

namespace phonelib::keepalive {

// Nokia 61xx/51xx/3210: the link is lost after the third unanswered cycle.
void nokia61xx();
// Nokia 7110/62xx: one unanswered cycle declares the loss; pings even while
// an operation runs.
void nokia7110();
// Siemens AT phones: one unanswered cycle declares the loss.
void siemensAt();

// The keep-alive request of each family, sent once.
void pingNokia61xx();
void pingNokia7110();
void pingSiemensAt();

// LinkLost and LinkUp for a lost link (also stopping infrared traffic) or a
// returned one, with notification 0x465 or 0x466 to the host.
void declareLinkLost();
void declareLinkUp();

}  // namespace phonelib::keepalive
