// The commands of corvina-cli. Each gets the open session and its own
// arguments and returns the process exit status.
#pragma once

#include <QStringList>

#include "cli/session.h"

namespace cli {

using Command = int (*)(Session& session, const QStringList& arguments);

struct CommandEntry {
    const char* name;
    const char* usage;
    Command run;
};

int identify(Session& session, const QStringList& arguments);
int phonebook(Session& session, const QStringList& arguments);
int addressbook(Session& session, const QStringList& arguments);
int groups(Session& session, const QStringList& arguments);
int speeddial(Session& session, const QStringList& arguments);
int sms(Session& session, const QStringList& arguments);
int smsc(Session& session, const QStringList& arguments);
int logo(Session& session, const QStringList& arguments);
int ringtone(Session& session, const QStringList& arguments);
int profile(Session& session, const QStringList& arguments);
int divert(Session& session, const QStringList& arguments);
int calendar(Session& session, const QStringList& arguments);
int wap(Session& session, const QStringList& arguments);

}  // namespace cli
