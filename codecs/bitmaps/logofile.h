// Logo files: NOL (operator logo), NGG (caller-group logo), and Windows
// bitmap and JPEG pictures read into a GSMBitmap.
//
// NOL: "NOL" 00 01 00, country code and network code (16 bits each,
// little-endian), width, height (16 bits each; readers use the low byte),
// 01 00 01 00 53 00, then one character '0' (white) or '1' (black) per bit of
// the row data, most significant bit first, spare bits of the last byte
// included. NGG: "NGG", 3 bytes, width, height, 6 bytes, then the pixel
// characters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/typendefinitionen.h"

namespace tools {

// Results of readgsmbitmap.
enum LogoFileResult : uint8_t {
    lfRead = 1,        // success
    lfNotALogo = 5,    // neither a picture by extension nor NOL/NGG by content
    lfReadFailed = 6,  // short, oversized or undecodable file
    lfCannotOpen = 8,  // the file cannot be opened
};

// Reads a logo or picture file. ".bmp", ".jpg" and ".jpeg" (any case) are
// decoded as pictures: width, height, size and picture file are set, and for
// pictures of less than 750 data bytes the row and stripe data are filled from
// the one-bit conversion (see monochrome()); the kind stays. Other files are
// NOL or NGG by the first 9 bytes: kind 3 or 4, size, width, height, row data,
// the operator of a NOL as network code (country code then network code of at
// least two digits, empty when both are 0), and as picture file a bitmap
// "~bmptmp.bmp" in the process's private temporary folder. On any result but 1 the
// bitmap is left as it was.
uint8_t readgsmbitmap(const std::string& fileName, GSMBitmap& bitmap);

// The NOL/NGG part of readgsmbitmap on the file's bytes, without the preview
// picture file. A picture needing more than 1501 data bytes, no picture at
// all, or fewer pixel characters than it needs give 6.
uint8_t parselogofile(std::string_view bytes, GSMBitmap& bitmap);

// The bytes of the NOL file of a bitmap; nothing when the bitmap has no
// picture, is wider or higher than 255 pixels, or its size does not fit its
// width and height or the row data.
std::optional<std::string> nolbytes(const GSMBitmap& bitmap);

// Writes the NOL file of a bitmap (atomically). False when nolbytes() refuses
// the bitmap or the file cannot be written.
bool savenol(const std::string& fileName, const GSMBitmap& bitmap);

}  // namespace tools
