#include "codecs/tools/operatortable.h"

#include <charconv>
#include <optional>

namespace tools {

namespace {

// Reads one cell from `line` at `pos` up to the next comma outside quotes and
// moves `pos` past that comma.
std::string readcell(std::string_view line, size_t& pos) {
    std::string cell;
    bool quoted = pos < line.size() && line[pos] == '"';
    if (quoted) ++pos;
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (quoted && c == '"') {
            if (pos + 1 < line.size() && line[pos + 1] == '"') {
                cell.push_back('"');
                ++pos;
            } else {
                quoted = false;
            }
        } else if (!quoted && c == ',') {
            break;
        } else {
            cell.push_back(c == '|' ? '\n' : c);
        }
    }
    ++pos;  // past the comma, or past the end of the line
    return cell;
}

std::vector<std::string> splitrow(std::string_view line) {
    std::vector<std::string> cells;
    size_t pos = 0;
    while (pos <= line.size() && !line.empty()) cells.push_back(readcell(line, pos));
    return cells;
}

// A cell read as a decimal integer: optional blanks around an optional sign
// and digits that fit 32 bits.
std::optional<int32_t> cellnumber(const std::vector<std::string>& cells, size_t column) {
    if (column >= cells.size()) return std::nullopt;
    std::string_view text = cells[column];
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string celltext(const std::vector<std::string>& cells, size_t column) {
    return column < cells.size() ? cells[column] : std::string();
}

}  // namespace

OperatorTable parseoperatortable(std::string_view text) {
    OperatorTable table;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        table.push_back(splitrow(line));
    }
    return table;
}

uint8_t findoperator(const OperatorTable& table, TOperator& networkOperator, int32_t& row) {
    if (row == -1) {
        for (size_t r = 1; r < table.size(); ++r) {
            const auto& cells = table[r];
            if (cellnumber(cells, 2) == networkOperator.countryCode &&
                cellnumber(cells, 3) == networkOperator.networkNumber) {
                networkOperator.networkCode = cells[0];
                networkOperator.operatorName = cells[1];
                row = static_cast<int32_t>(r);
                return 1;
            }
        }
        return 0;
    }
    if (row < 0 || static_cast<size_t>(row) >= table.size()) return 0;
    const auto& cells = table[static_cast<size_t>(row)];
    networkOperator.networkCode = celltext(cells, 0);
    networkOperator.operatorName = celltext(cells, 1);
    networkOperator.countryCode = cellnumber(cells, 2).value_or(0);
    networkOperator.networkNumber = cellnumber(cells, 3).value_or(0);
    return 1;
}

}  // namespace tools
