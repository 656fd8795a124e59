// The records of "contacts.dat" on any bytes (cut or padded with zeros to
// whole records): a record is read or refused, never read past; one that is
// read writes back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/phonebook/files/contactsfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    corvina::decodeContactRecord(input);  // of any length
    QByteArray bytes = input;
    const qsizetype whole = (bytes.size() + corvina::kContactRecordBytes - 1) /
                            corvina::kContactRecordBytes * corvina::kContactRecordBytes;
    bytes.append(QByteArray(whole - bytes.size(), '\0'));
    for (qsizetype at = 0; at < bytes.size(); at += corvina::kContactRecordBytes) {
        const auto record =
            corvina::decodeContactRecord(bytes.mid(at, corvina::kContactRecordBytes));
        if (!record) continue;
        const auto again = corvina::decodeContactRecord(corvina::encodeContactRecord(*record));
        if (!again || !(*again == *record)) std::abort();
    }
    return 0;
}
