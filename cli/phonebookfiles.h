// corvina-cli phonebook export|import: a memory of the phone to and from the
// phonebook files of the program (.kvf, .csv, .vcf, a contacts folder).
#pragma once

#include <QStringList>

#include "cli/session.h"

namespace cli {

int phonebookFiles(Session& session, const QStringList& arguments);

}  // namespace cli
