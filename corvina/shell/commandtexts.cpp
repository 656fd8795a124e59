#include "corvina/shell/commandtexts.h"

#include "corvina/language/language.h"

namespace corvina {

QString commandText(CommandText text) {
    switch (text) {
        case CommandText::Upload:
            return tx("hauptoberflaeche_61", "Upload");
        case CommandText::Delete:
            return tx("hauptoberflaeche_38", "Löschen");
        case CommandText::StartUp:
            return tx("hauptoberflaeche_58", "StartUp");
        case CommandText::Group:
            return tx("hauptoberflaeche_39", "Gruppe");
        case CommandText::Operator:
            return tx("hauptoberflaeche_40", "Betreiber");
        case CommandText::PicSms:
            return tx("hauptoberflaeche_59", "Pic-SMS");
        case CommandText::Logos:
            return tx("hauptoberflaeche_41", "Logos");
        case CommandText::Ringtones:
            return tx("hauptoberflaeche_42", "Ruftöne");
        case CommandText::LogoEditor:
            return tx("hauptoberflaeche_43", "Logo-Editor");
        case CommandText::Send:
            return tx("hauptoberflaeche_45", "Senden");
        case CommandText::Download:
            return tx("hauptoberflaeche_60", "Download");
        case CommandText::DeleteSms:
            return tx("hauptoberflaeche_46", "SMS löschen");
        case CommandText::New:
            return tx("hauptoberflaeche_48", "Neu");
        case CommandText::Load:
            return tx("hauptoberflaeche_50", "Laden");
        case CommandText::Save:
            return tx("hauptoberflaeche_51", "Speichern");
        case CommandText::Compact:
            return tx("hauptoberflaeche_53", "Verdichten");
        case CommandText::ReadOutlook:
            return tx("hauptoberflaeche_56", "Outlook auslesen");
        case CommandText::RingtoneEditor:
            return tx("hauptoberflaeche_57", "Rufton-Editor");
        case CommandText::Print:
            return tx("hauptoberflaeche_62", "Drucken");
    }
    return {};
}

}  // namespace corvina
