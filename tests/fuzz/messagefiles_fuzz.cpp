// The template and recipient-list readers on any bytes: they keep the good
// records and name the damaged ones, never crash or read past the input;
// what they kept is written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/messages/messagefiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto templates = corvina::templatesOf(bytes, QStringLiteral("vorlagen.smo"));
    const auto again =
        corvina::templatesOf(corvina::templateBytes(templates.records), QStringLiteral("x"));
    if (!again.damage.isEmpty() || again.records.size() != templates.records.size()) std::abort();

    const auto lists = corvina::recipientListsOf(bytes, QStringLiteral("empfaenger.emp"));
    corvina::recipientListBytes(lists.records);
    return 0;
}
