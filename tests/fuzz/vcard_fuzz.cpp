// The vCard reader on any bytes (versions 2.1 to 4.0, quoted-printable,
// charsets, folding): it reads or refuses, never crashes; every card read
// maps to the phonebook's fields, takes a merge and writes out again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/phonebook/files/contactcard.h"
#include "corvina/phonebook/files/vcard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    corvina::VCardRead read = corvina::VCardCodec::decode(bytes, QStringLiteral("f.vcf"));
    for (corvina::VCard& card : read.cards) {
        corvina::ContactFields contact = corvina::contactFromCard(card);
        corvina::cardMatches(card, contact);
        for (const QString& number : contact.general) corvina::normalisedContactNumber(number);
        contact.fax.append(QStringLiteral("+49 (0)30 1234"));
        corvina::mergeIntoCard(card, contact, QStringLiteral("20240101T000000Z"));
        const corvina::VCardRead again =
            corvina::VCardCodec::decode(card.encode(), QStringLiteral("f.vcf"));
        if (!again.ok()) std::abort();
    }
    return 0;
}
