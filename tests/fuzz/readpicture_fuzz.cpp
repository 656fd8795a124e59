// Feeds arbitrary bytes to the BMP and JPEG picture import as a file's
// content; bit 0 of the first byte picks BMP, the rest is the file. What it
// accepts gets a size that fits its width and height.
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/pictureimport.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);  // finds the JPEG plug-in
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const QByteArray file(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));
    GSMBitmap bitmap;
    if (tools::parsepicture(file, data[0] & 1, bitmap) != tools::lfRead) return 0;
    const long long bits = static_cast<long long>(bitmap.width) * bitmap.height;
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.size < (bits + 7) / 8 - 1) std::abort();
    return 0;
}
