// The three keep-alive procedures, one per phone family. The tick calls the
// installed one every period. Each pings the phone, judges from the reply
// flag whether it answered since the previous cycle, and tells the host about
// a lost or returned link once per change.
#pragma once

namespace phonelib::keepalive {

// Nokia 61xx/51xx/3210: the link is lost after the third unanswered cycle.
void nokia61xx();
// Nokia 7110/62xx: one unanswered cycle declares the loss; pings even while
// an operation runs.
void nokia7110();
// Siemens AT phones: one unanswered cycle declares the loss.
void siemensAt();

}  // namespace phonelib::keepalive
