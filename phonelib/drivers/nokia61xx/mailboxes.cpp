#include "phonelib/drivers/nokia61xx/mailboxes.h"

namespace phonelib::nokia {

Mailboxes& mailboxes() {
    static Mailboxes boxes;
    return boxes;
}

}  // namespace phonelib::nokia
