// The WAP link catalogue "wap links.csv" on any bytes: lines are read or
// skipped and named, never a crash; no display name is longer than 100.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/phonebook/files/wapcatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const corvina::WapCatalogueRead read =
        corvina::WapCatalogue::decode(bytes, QStringLiteral("wap links.csv"));
    for (const corvina::WapCategory& category : read.categories)
        for (const corvina::WapLink& link : category.links)
            if (link.name.size() > corvina::WapCatalogue::kMaxNameLength) std::abort();
    return 0;
}
