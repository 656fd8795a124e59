#include "phonelib/drivers/request.h"

#include "phonelib/api/library.h"

namespace phonelib {

void send(const Request& request) {
    lib().frames.SendFbusMessage(request.type, request.body);
}

}  // namespace phonelib
