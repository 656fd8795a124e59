#include "phonelib/drivers/nokia7110/mailboxes.h"

namespace phonelib::nokia7110 {

Mailboxes& mailboxes() {
    static Mailboxes boxes;
    return boxes;
}

}  // namespace phonelib::nokia7110
