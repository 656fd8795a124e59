// Feeds arbitrary bytes to the reader of ".lng" language files, in UTF-8 or
// Windows-1252, and writes back what it read: every key it read is found
// again under its section, and the written file can be read once more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "corvina/language/languagefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto file = corvina::LanguageFile::parse(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (auto section = file.sections().begin(); section != file.sections().end(); ++section) {
        for (auto entry = section->begin(); entry != section->end(); ++entry) {
            if (file.value(section.key(), entry.key()) != entry.value()) std::abort();
        }
    }
    corvina::LanguageFile::parse(file.serialize());
    return 0;
}
