// The CSV import on any bytes: it reads or refuses naming a line, never
// crashes, never gives a row of other than 13 cells.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/phonebook/files/csvimport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const corvina::TableFileRead read = corvina::CsvImport::decode(bytes, QStringLiteral("f.csv"));
    if (!read.ok() && !read.error.contains(QStringLiteral("f.csv"))) std::abort();
    for (const corvina::TableCells& row : read.rows)
        if (row.size() != 13) std::abort();
    return 0;
}
