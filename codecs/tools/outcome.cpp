#include "codecs/tools/outcome.h"

#include <algorithm>

namespace tools {

void Outcome::addnotice(const std::string& text) {
    if (text.empty()) return;
    size_t start = 0;
    while (start <= message.size()) {
        const size_t end = std::min(message.find('\r', start), message.size());
        if (message.compare(start, end - start, text) == 0) return;
        start = end + 1;
    }
    if (!message.empty()) message += '\r';
    message += text;
}

}  // namespace tools
