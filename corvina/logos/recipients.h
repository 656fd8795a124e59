// The recipient and the operator of a logo sent as a smart message.
#pragma once

#include <QString>

#include "corvina/settings/operatorlist.h"

namespace corvina {

// The German network a mobile number belongs to by its prefix, as an
// operator code: 0160/0170/0171/0175 → 26201, 0162/0172/0173/0174 → 26202,
// 0177/0178 → 26203, 0176/0179 → 26207, also after "+49" or "0049". Empty
// for any other number.
QString operatorCodeForNumber(const QString& number);

// The typed number without blanks, slashes and dashes, in the form the
// library sends ("00" becomes "+"); empty when it is no usable number.
QString usableRecipient(const QString& typed);

// The code text an operator logo carries: the table's own code text, or
// (for a row without one) the country code and the network code with at
// least two digits.
QString operatorCodeText(const OperatorEntry& entry);

}  // namespace corvina
