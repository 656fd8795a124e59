#include "corvina/settings/operatorlist.h"

#include <QFile>
#include <filesystem>

#include "codecs/tools/cp1252.h"
#include "codecs/tools/datafile.h"
#include "codecs/tools/filebytes.h"
#include "codecs/tools/operatortable.h"

namespace corvina {

namespace {

constexpr long long kMaxTableBytes = 16 * 1024 * 1024;
constexpr const char* kTableName = "netcode.csv";
constexpr const char* kTableHeader = "\"Code\",\"Operator\",\"Landeskennzahl\",\"Netzkennzahl\"";

QString cell(const std::vector<std::string>& row, size_t index) {
    return index < row.size() ? tools::fromCp1252(row[index]) : QString();
}

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        result += c;
        if (c == '"') result += '"';
    }
    return result + "\"";
}

}  // namespace

QString operatorTablePath() {
    return QFile::decodeName(QByteArray::fromStdString(tools::finddatafile(kTableName)));
}

QString userOperatorTablePath() {
    const std::filesystem::path folder = tools::userdatadirectory();
    if (folder.empty()) return {};
    return QFile::decodeName(QByteArray::fromStdString((folder / kTableName).string()));
}

std::vector<OperatorEntry> readOperatorList(const QString& path) {
    std::vector<OperatorEntry> entries;
    const auto bytes = tools::readfilebytes(QFile::encodeName(path).toStdString(), kMaxTableBytes);
    if (!bytes) return entries;
    const auto table = tools::parseoperatortable(*bytes);
    for (size_t row = 1; row < table.size(); ++row) {
        if (table[row].empty()) continue;
        entries.push_back(
            {cell(table[row], 0), cell(table[row], 1), cell(table[row], 2), cell(table[row], 3)});
    }
    return entries;
}

QByteArray operatorTableLine(const QString& name, int country, int net) {
    const std::string code = std::to_string(country) + (net < 10 ? "0" : "") + std::to_string(net);
    std::string line = quoted(code) + "," + quoted(tools::toCp1252(name)) + "," +
                       quoted(std::to_string(country)) + "," + quoted(std::to_string(net));
    return QByteArray::fromStdString(line);
}

bool appendOperator(const QString& from, const QString& to, const QString& name, int country,
                    int net) {
    if (to.isEmpty()) return false;
    std::string bytes = std::string(kTableHeader) + "\r\n";
    if (!from.isEmpty()) {
        auto table = tools::readfilebytes(QFile::encodeName(from).toStdString(), kMaxTableBytes);
        if (!table) return false;
        bytes = std::move(*table);
    }
    const std::string lineEnd = bytes.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    if (!bytes.empty() && bytes.back() != '\n') bytes += lineEnd;
    bytes += operatorTableLine(name, country, net).toStdString() + lineEnd;
    const std::string target = QFile::encodeName(to).toStdString();
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(target).parent_path(), error);
    return !error && tools::writefileatomically(target, bytes);
}

}  // namespace corvina
