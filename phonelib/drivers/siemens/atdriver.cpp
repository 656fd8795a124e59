#include "phonelib/drivers/siemens/atdriver.h"

namespace phonelib::siemens {

AtDriver& atdriver() {
    static AtDriver driver;
    return driver;
}

void forgetSelectedMemory() {
    atdriver().selectedMemory = kNoMemory;
}

}  // namespace phonelib::siemens
