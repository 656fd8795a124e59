// The codecs the library exports: the same routines the program compiles
// in, offered to hosts that only link the library.
#include "codecs/bitmaps/drawbin.h"
#include "codecs/bitmaps/logofile.h"
#include "codecs/bitmaps/stretchbmp.h"
#include "codecs/ringtones/ringtonenames.h"
#include "codecs/tools/operatorname.h"
#include "codecs/tools/phonenumbers.h"
#include "phonelib/api/phonelib.h"

namespace phonelib {

int8_t formatnumber(std::string& number) {
    return tools::formatnumber(number);
}

void makenetcode(const std::string& operatorCode, std::string& networkCode) {
    networkCode = tools::makenetcode(operatorCode);
}

uint8_t GetOperatorname(TOperator& networkOperator, int32_t& row) {
    return tools::GetOperatorname(networkOperator, row);
}

uint8_t readgsmbitmap(const std::string& fileName, GSMBitmap& bitmap) {
    return tools::readgsmbitmap(fileName, bitmap);
}

bool savenol(const std::string& fileName, const GSMBitmap& bitmap) {
    return tools::savenol(fileName, bitmap);
}

bool drawbin(const std::string& fileName, const GSMBitmap& bitmap) {
    return tools::drawbin(fileName, bitmap);
}

bool stretchbmp(const std::string& fileName, QSize target, QImage::Format format, uint8_t mode,
                QPoint shift, QPoint zoom, bool keepProportions, QPainter* canvas, QRect offset,
                std::string& resultFile) {
    return tools::stretchbmp(fileName, target, format, mode, shift, zoom, keepProportions, canvas,
                             offset, resultFile);
}

std::string getringtonename(int32_t number, const std::string& modelCode) {
    return tools::getringtonename(number, modelCode);
}

}  // namespace phonelib
