#include "corvina/phonebook/softwarenotice.h"

#include "corvina/language/language.h"

namespace corvina {

namespace {

constexpr uint8_t kNokia3310 = 11;
constexpr double kFullPhonebookVersion = 4.24;

}  // namespace

std::optional<QString> phonebookSoftwareNotice(uint8_t modelNumber, const QString& version) {
    if (modelNumber != kNokia3310) return std::nullopt;
    QString number = version;
    number.remove(QLatin1Char('v')).remove(QLatin1Char('V'));
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok);
    if (!ok || value >= kFullPhonebookVersion) return std::nullopt;
    return tx("telefonbuch_110",
              "Die Software-Versionen Ihres 3310 unterstützt vollständigen "
              "Download/Upload des Telefonbuchs. Es wird z.B. nur die Nummer "
              "und nicht der Name downgeloaded!") +
           "\n\n" +
           tx("telefonbuch_111",
              "Sollte der Download nicht korrekt erfolgen müssen Sie Ihr Handy "
              "updaten lassen!") +
           '\n' + tx("telefonbuch_112", "Momentane Softwareversion: ") + version + '\n' +
           tx("telefonbuch_113", "Benötigte Softwareversion: >=4.24") + '\n' +
           tx("telefonbuch_114",
              "Führen Sie bei Problemen mit dem Download auf keinen Fall einen "
              "Upload durch, da sonst die Daten in Ihrem Handy gelöscht werden!");
}

}  // namespace corvina
