#include "cli/output.h"

#include <cstdio>

#include "codecs/tools/cp1252.h"

namespace cli {

void printRecord(std::initializer_list<std::string_view> fields) {
    printFields({fields.begin(), fields.size()});
}

void printFields(std::span<const std::string_view> fields) {
    std::string line;
    bool first = true;
    for (const auto field : fields) {
        if (!first) line += '\t';
        first = false;
        line += tools::fromCp1252(field).toStdString();
    }
    std::printf("%s\n", line.c_str());
}

void printError(const std::string& message) {
    std::fprintf(stderr, "corvina-cli: %s\n", message.c_str());
}

void printProgress(const std::string& message) {
    std::fprintf(stderr, "\r%s", message.c_str());
    std::fflush(stderr);
}

}  // namespace cli
