#include "codecs/ringtones/ringtonenames.h"

#include "codecs/tools/datafile.h"
#include "codecs/tools/inifile.h"

namespace tools {

std::string getringtonename(int number, const std::string& modelCode) {
    const std::string key = std::to_string(number);
    const std::string file = finddatafile("ringtones.ini");
    if (file.empty()) return key;
    return readinivalue(file, modelCode, key).value_or(key);
}

}  // namespace tools
