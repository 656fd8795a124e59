// The two layouts in which logos travel: row data (pixel (x, y) is bit
// y * width + x, most significant bit first) and stripe data (for each
// stripe of 8 rows and each column, the column's pixels of that stripe from
// the top as one continuous bit stream, least significant bit first).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "phonesim/fixture/phonedata.h"

namespace phonesim::nokia61xx {

// ceil(width * height / 8)
int pictureBytes(int width, int height);

std::vector<uint8_t> rowData(const Picture& picture);
std::vector<uint8_t> stripeData(const Picture& picture);

// Nothing when the data are shorter than the picture needs.
std::optional<Picture> pictureFromRows(int width, int height, std::span<const uint8_t> data);
std::optional<Picture> pictureFromStripes(int width, int height, std::span<const uint8_t> data);

}  // namespace phonesim::nokia61xx
