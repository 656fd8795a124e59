#include "corvina/logos/logokinds.h"

#include "corvina/connection/modelnumbers.h"
#include "corvina/language/language.h"

namespace corvina {

QSize logoSize(uint8_t model, uint8_t kind, bool largePictureMessage) {
    if (model == 1 || model == 2) return {101, 21};
    if (model >= 6 && model <= 8 && kind == lkScreensaver) return {101, 65};
    if (model >= 3 && model <= 9) return {101, 43};
    if (model == 0) return {97, 26};
    if (isNokia(model)) {
        switch (kind) {
            case lkOperator:
                return isNokia7110Family(model) ? QSize(78, 21) : QSize(72, 14);
            case lkStartup:
                if (model == 21) return {96, 65};
                return isNokia7110Family(model) ? QSize(96, 56) : QSize(84, 48);
            case lkPicture:
                return largePictureMessage ? QSize(72, 28) : QSize(72, 14);
            default:
                return {72, 14};
        }
    }
    return {72, 14};
}

bool kindOffered(uint8_t model, uint8_t kind) {
    if (isSiemens(model)) {
        if (kind == lkOperator) return true;
        return kind == lkScreensaver && lacksDivertsAndProfiles(model);
    }
    if (isNokia(model) || model == kNoModelYet) {
        return kind == lkOperator || kind == lkCallerGroup || kind == lkStartup ||
               kind == lkPicture;
    }
    return false;
}

QString fitModeName(uint8_t mode) {
    switch (mode) {
        case tools::fmCentred:
            return tx("logos_1", "zentriert");
        case tools::fmStretched:
            return tx("logos_2", "gestreckt");
        case tools::fmProportional:
            return tx("logos_3", "proportional");
        default:
            return tx("logos_4", "mittig");
    }
}

uint8_t nextFitMode(uint8_t mode) {
    return mode >= tools::fmMiddle ? uint8_t{tools::fmCentred} : static_cast<uint8_t>(mode + 1);
}

QString kindName(uint8_t kind) {
    switch (kind) {
        case lkStartup:
            return tx("logos_5", "Einschaltlogo");
        case lkCallerGroup:
            return tx("logos_6", "Gruppengrafik");
        case lkPicture:
            return tx("logos_7", "Picture-SMS");
        case lkScreensaver:
            return tx("logos_8", "Bildschirmschoner");
        default:
            return tx("logos_9", "Betreiberlogo");
    }
}

}  // namespace corvina
