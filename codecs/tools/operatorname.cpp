#include "codecs/tools/operatorname.h"

#include <fstream>
#include <iterator>
#include <mutex>
#include <system_error>

#include "codecs/tools/datafile.h"
#include "codecs/tools/operatortable.h"

namespace tools {

namespace {

constexpr const char* kTableName = "netcode.csv";

// The parsed table of one file, kept until the file changes.
struct CachedTable {
    std::mutex mutex;
    std::filesystem::path file;
    std::filesystem::file_time_type modified;
    uintmax_t size = 0;
    OperatorTable table;
};

CachedTable& cache() {
    static CachedTable cached;
    return cached;
}

// Brings the cache up to date with `file`; a file that cannot be read leaves
// an empty table. The caller holds the cache mutex.
void refresh(CachedTable& cached, const std::filesystem::path& file) {
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(file, error);
    const uintmax_t size = error ? 0 : std::filesystem::file_size(file, error);
    if (error) {
        cached.file.clear();
        cached.table.clear();
        return;
    }
    if (cached.file == file && cached.modified == modified && cached.size == size) return;
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    cached.table = in.bad() ? OperatorTable() : parseoperatortable(text);
    cached.file = file;
    cached.modified = modified;
    cached.size = size;
}

}  // namespace

std::filesystem::path findoperatortablefile() {
    return finddatafile(kTableName);
}

uint8_t GetOperatorname(TOperator& networkOperator, int32_t& row) {
    return GetOperatorname(networkOperator, row, findoperatortablefile());
}

uint8_t GetOperatorname(TOperator& networkOperator, int32_t& row,
                        const std::filesystem::path& tableFile) {
    CachedTable& cached = cache();
    std::lock_guard lock(cached.mutex);
    refresh(cached, tableFile);
    return findoperator(cached.table, networkOperator, row);
}

}  // namespace tools
