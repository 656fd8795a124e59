#include "phonesim/engine/family.h"

#include <QStringList>

#include "phonesim/nokia61xx/requests.h"
#include "phonesim/nokia7110/requests.h"

namespace phonesim {

PhoneFamily familyOf(const QString& modelCode) {
    static const QStringList family7110 = {QStringLiteral("NSE-5"), QStringLiteral("NPE-3"),
                                           QStringLiteral("NHM-3"), QStringLiteral("NPE-4"),
                                           QStringLiteral("NHM-7")};
    if (family7110.contains(modelCode)) {
        return {nokia7110::dispatchRequest, nokia7110::statusMessages, nokia7110::storeArrival};
    }
    return {[](nokia61xx::Phone& phone, const Message& request) {
                return nokia61xx::dispatchRequest(phone, request);
            },
            nullptr, nokia61xx::storeArrival};
}

}  // namespace phonesim
