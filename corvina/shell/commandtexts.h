// The captions the modules put on the main window's command buttons.
#pragma once

#include <QString>

namespace corvina {

enum class CommandText {
    Upload,
    Delete,
    StartUp,
    Group,
    Operator,
    PicSms,
    Logos,
    Ringtones,
    LogoEditor,
    Send,
    Download,
    DeleteSms,
    New,
    Load,
    Save,
    Compact,
    ReadOutlook,
    RingtoneEditor,
    Print,
};

QString commandText(CommandText text);

}  // namespace corvina
