#include "phonesim/nokia61xx/picturebits.h"

namespace phonesim::nokia61xx {

namespace {

// The bit index of each pixel, in row order of the picture's pixels.
std::vector<size_t> stripeOrder(int width, int height) {
    std::vector<size_t> order(static_cast<size_t>(width * height));
    size_t bit = 0;
    for (int top = 0; top < height; top += 8) {
        for (int x = 0; x < width; ++x) {
            for (int y = top; y < top + 8 && y < height; ++y)
                order[static_cast<size_t>(y * width + x)] = bit++;
        }
    }
    return order;
}

}  // namespace

int pictureBytes(int width, int height) {
    return (width * height + 7) / 8;
}

std::vector<uint8_t> rowData(const Picture& picture) {
    std::vector<uint8_t> data(static_cast<size_t>(pictureBytes(picture.width, picture.height)));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        if (picture.pixels[i]) data[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
    }
    return data;
}

std::vector<uint8_t> stripeData(const Picture& picture) {
    std::vector<uint8_t> data(static_cast<size_t>(pictureBytes(picture.width, picture.height)));
    const auto order = stripeOrder(picture.width, picture.height);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        if (picture.pixels[i]) data[order[i] / 8] |= static_cast<uint8_t>(1 << (order[i] % 8));
    }
    return data;
}

std::optional<Picture> pictureFromRows(int width, int height, std::span<const uint8_t> data) {
    if (data.size() < static_cast<size_t>(pictureBytes(width, height))) return std::nullopt;
    Picture picture{width, height, {}};
    for (size_t i = 0; i < static_cast<size_t>(width * height); ++i)
        picture.pixels.push_back((data[i / 8] >> (7 - i % 8)) & 1);
    return picture;
}

std::optional<Picture> pictureFromStripes(int width, int height, std::span<const uint8_t> data) {
    if (data.size() < static_cast<size_t>(pictureBytes(width, height))) return std::nullopt;
    Picture picture{width, height, {}};
    for (const size_t bit : stripeOrder(width, height))
        picture.pixels.push_back((data[bit / 8] >> (bit % 8)) & 1);
    return picture;
}

}  // namespace phonesim::nokia61xx
