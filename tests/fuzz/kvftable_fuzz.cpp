// The table-file reader (.kvf, .wap, the temporary copies) on any bytes: it
// reads or refuses, never crashes; a file it reads saves and reads back to
// the same rows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/phonebook/files/kvftable.h"
#include "corvina/phonebook/tablefiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const corvina::TableFileRead read =
        corvina::KvfTable::decode(bytes, QStringLiteral("f.kvf"), corvina::kPhonebookBoldColumns);
    if (!read.ok()) return 0;
    corvina::rowsOfGrid(read.rows);
    // Written rows come back as they were, when Windows-1252 holds them all.
    if (!corvina::unencodableCharacters(read.rows).empty()) return 0;
    const QByteArray saved = corvina::KvfTable::encode({QStringLiteral("Nr.")}, read.rows);
    const corvina::TableFileRead again =
        corvina::KvfTable::decode(saved, QStringLiteral("f.kvf"), corvina::kPhonebookBoldColumns);
    if (!again.ok() || again.rows.size() != read.rows.size()) std::abort();
    return 0;
}
