// Feeds arbitrary bytes to the NOL/NGG logo file reader, and writes back what
// it accepts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/logofile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GSMBitmap bitmap;
    if (tools::parselogofile(std::string_view(reinterpret_cast<const char*>(data), size), bitmap) ==
        tools::lfRead) {
        tools::nolbytes(bitmap);
        tools::bitmapimage(bitmap);
    }
    return 0;
}
