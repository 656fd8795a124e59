// corvina-cli logo: operator, start-up and caller-group logos and picture
// images between files (NOL, NGG, BMP, JPEG) and the phone.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/models.h"
#include "cli/output.h"
#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/pictureimport.h"
#include "codecs/tools/filebytes.h"
#include "phonelib/api/phonelib.h"
#include "phonelib/api/status.h"

namespace cli {

namespace {

constexpr const char* kUsage =
    "logo get operator|startup|group N|screensaver DATEI.nol|bmp | logo set operator CODE DATEI | "
    "logo set startup|group N|picture PLATZ DATEI [--text TEXT] | logo delete [CODE]  "
    "(Siemens: logo get|set operator|screensaver DATEI, logo delete [screensaver])";

// The ringtone number a caller group gets with its logo, as the program sends it.
constexpr int32_t kGroupRingtone = 51;

// Fills both pixel layouts from whichever the bitmap holds: start-up logos
// travel as stripes, all other kinds as rows.
bool fillBothLayouts(GSMBitmap& bitmap) {
    if (bitmap.size <= 0 || bitmap.size >= tools::kPictureBytesLimit) return false;
    GSMBitmap drawn = bitmap;
    const QImage image = tools::bitmapimage(drawn);
    if (image.isNull()) return false;
    tools::pictureintobitmap(image, bitmap);
    return true;
}

int readLogoFile(const QString& file, uint8_t kind, GSMBitmap& bitmap, bool at = false) {
    const uint8_t result = tools::readgsmbitmap(file.toStdString(), bitmap);
    if (result != tools::lfRead) {
        printError("Die Datei " + file.toStdString() +
                   (result == tools::lfCannotOpen ? " kann nicht geöffnet werden."
                    : result == tools::lfNotALogo ? " ist keine Logo- oder Bilddatei."
                                                  : " ist beschädigt oder zu groß."));
        return 1;
    }
    // Siemens phones take the picture file itself.
    if (at) {
        bitmap.kind = kind;
        return 0;
    }
    // A file read as a picture keeps no kind of its own; rows are its layout.
    bitmap.kind = bkCallerGroupLogo;
    if (!fillBothLayouts(bitmap)) {
        printError("Das Bild in " + file.toStdString() + " ist leer oder zu groß für ein Logo.");
        return 1;
    }
    bitmap.kind = kind;
    return 0;
}

int saveLogoFile(const QString& file, GSMBitmap bitmap) {
    const bool nol = file.endsWith(QStringLiteral(".nol"), Qt::CaseInsensitive);
    // A bitmap the phone delivered as a file (Siemens) is kept as it came.
    const auto delivered = bitmap.pictureFile.empty()
                               ? std::nullopt
                               : tools::readfilebytes(bitmap.pictureFile, 1 << 20);
    if (!nol && delivered && delivered->starts_with("BM")) {
        if (tools::writefileatomically(file.toStdString(), *delivered)) return 0;
        printError("Die Datei " + file.toStdString() + " kann nicht geschrieben werden.");
        return 1;
    }
    if (nol && bitmap.kind == bkStartupLogo) {
        fillBothLayouts(bitmap);
        bitmap.kind = bkOperatorLogo;
    }
    const bool saved = nol ? tools::savenol(file.toStdString(), bitmap)
                           : tools::drawbin(file.toStdString(), bitmap);
    if (!saved) {
        printError("Die Datei " + file.toStdString() + " kann nicht geschrieben werden.");
        return 1;
    }
    return 0;
}

int getLogo(const QStringList& arguments) {
    const QStringList kinds = {"operator", "startup", "group", "screensaver"};
    if (arguments.size() < 2) return usageError(kUsage);
    const auto kind = choiceArgument(arguments[0], "Logo", kinds);
    if (!kind) return 2;
    GSMBitmap bitmap;
    QString file = arguments[1];
    switch (*kind) {
        case 0:
            bitmap.kind = bkOperatorLogo;
            break;
        case 1:
            bitmap.kind = bkStartupLogo;
            break;
        case 3:
            bitmap.kind = bkScreensaver;
            break;
        default: {
            if (arguments.size() < 3) return usageError(kUsage);
            const auto group = numberArgument(arguments[1], "Die Gruppe", 0, 4);
            if (!group) return 2;
            bitmap.kind = bkCallerGroupLogo;
            bitmap.groupIndex = *group;
            file = arguments[2];
        }
    }
    const uint8_t status = phonelib::GetBitmap(bitmap);
    if (status != phonelib::stDone) return failed("Logo nicht gelesen", status);
    if (bitmap.size <= 0) {
        printError("Das Telefon hat kein solches Logo.");
        return 1;
    }
    if (const int error = saveLogoFile(file, bitmap)) return error;
    printRecord({"Logo", kinds[*kind].toStdString(),
                 std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height),
                 phoneText(file)});
    return 0;
}

// Siemens phones: the operator logo (index 0) or the screensaver (index 2),
// from a bitmap, JPEG or NOL file.
int setSiemensLogo(const QStringList& arguments) {
    const QStringList kinds = {"operator", "screensaver"};
    if (arguments.size() != 2) return usageError(kUsage);
    const auto kind = choiceArgument(arguments[0], "Logo", kinds);
    if (!kind) return 2;
    GSMBitmap bitmap;
    const uint8_t logoKind = *kind == 0 ? bkOperatorLogo : bkScreensaver;
    if (const int error = readLogoFile(arguments[1], logoKind, bitmap, true)) return error;
    const uint8_t status = phonelib::Sendbitmap(bitmap);
    if (status != phonelib::stDone) return failed("Logo nicht gesendet", status);
    printRecord({"Logo gesendet", kinds[*kind].toStdString(),
                 std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height)});
    return 0;
}

int setLogo(QStringList arguments) {
    const auto text = takeOption(arguments, "--text");
    const QStringList kinds = {"operator", "startup", "group", "picture"};
    if (arguments.size() < 2) return usageError(kUsage);
    const auto kind = choiceArgument(arguments[0], "Logo", kinds);
    if (!kind) return 2;
    const bool withNumber = *kind != 1;
    if (arguments.size() < (withNumber ? 3 : 2)) return usageError(kUsage);
    const QString file = arguments[withNumber ? 2 : 1];
    GSMBitmap bitmap;
    switch (*kind) {
        case 0: {
            if (const int error = readLogoFile(file, bkOperatorLogo, bitmap)) return error;
            bitmap.networkCode = arguments[1].toStdString();
            std::string code = bitmap.networkCode;
            if (code.size() < 5 || code.size() > 6 || phonelib::formatnumber(code) != 1) {
                printError("Der Netzcode muss aus fünf oder sechs Ziffern bestehen: " +
                           bitmap.networkCode);
                return 2;
            }
            break;
        }
        case 1:
            if (const int error = readLogoFile(file, bkStartupLogo, bitmap)) return error;
            break;
        case 2: {
            const auto group = numberArgument(arguments[1], "Die Gruppe", 0, 4);
            if (!group) return 2;
            if (const int error = readLogoFile(file, bkCallerGroupLogo, bitmap)) return error;
            phonelib::DownloadGroupnames();
            bitmap.groupIndex = *group;
            phonelib::GetGroupname(*group, bitmap.groupName);
            bitmap.groupRingtone = kGroupRingtone;
            bitmap.groupLogoOn = 1;
            break;
        }
        default: {
            const auto slot = numberArgument(arguments[1], "Der Platz", 0, 255);
            if (!slot) return 2;
            if (const int error = readLogoFile(file, bkPictureMessage, bitmap)) return error;
            bitmap.location = *slot;
            bitmap.groupName = phoneText(text.value_or(QString()));  // 7110 family: its text
        }
    }
    const uint8_t status = phonelib::Sendbitmap(bitmap);
    if (status != phonelib::stDone) return failed("Logo nicht gesendet", status);
    printRecord({"Logo gesendet", kinds[*kind].toStdString(),
                 std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height)});
    return 0;
}

}  // namespace

int logo(Session& session, const QStringList& arguments) {
    if (arguments.value(0) == "get") return getLogo(arguments.mid(1));
    if (arguments.value(0) == "set") {
        return session.speaksAt() ? setSiemensLogo(arguments.mid(1)) : setLogo(arguments.mid(1));
    }
    if (arguments.value(0) == "delete" && session.speaksAt()) {
        const bool screensaver = arguments.value(1) == "screensaver";
        if (arguments.size() > 2 || (arguments.size() == 2 && !screensaver))
            return usageError(kUsage);
        const uint8_t status =
            phonelib::DeleteLogo({}, screensaver ? bkScreensaver : bkOperatorLogo);
        if (status != phonelib::stDone) return failed("Logo nicht gelöscht", status);
        printRecord(
            {cp1252(screensaver ? "Bildschirmschoner gelöscht" : "Betreiberlogo gelöscht")});
        return 0;
    }
    if (arguments.value(0) == "delete" && arguments.size() <= 2) {
        // Phones of the 7110 family delete the logo of one network: the one
        // named, else the one the phone is in.
        std::string code = arguments.value(1).toStdString();
        if (code.empty() && phonebookOf7110()) {
            TNetWorkInfo network;
            const uint8_t asked = phonelib::GetNetworkInfo(network);
            if (asked != phonelib::stDone) return failed("Das Netz ist nicht zu erfahren", asked);
            code = network.networkOperator.networkCode;
        }
        const uint8_t status = phonelib::DeleteLogo(code, bkOperatorLogo);
        if (status != phonelib::stDone) return failed("Logo nicht gelöscht", status);
        printRecord({cp1252("Betreiberlogo gelöscht"), code});
        return 0;
    }
    return usageError(kUsage);
}

}  // namespace cli
