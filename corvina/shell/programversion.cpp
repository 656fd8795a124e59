#include "corvina/shell/programversion.h"

namespace corvina {

QString programVersionText() {
    return QStringLiteral("Corvina ") + QStringLiteral(CORVINA_VERSION);
}

}  // namespace corvina
