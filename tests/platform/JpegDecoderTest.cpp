#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <vector>

#include "Pictures.h"
#include "platform/JpegDecoder.h"

namespace {

std::vector<unsigned char> Copy(std::span<const unsigned char> bytes) {
    return {bytes.begin(), bytes.end()};
}

// The offset of the frame header's height field (after the 0xFFC0 marker, its length and
// the sample precision).
std::size_t FrameSizeOffset(const std::vector<unsigned char>& jpeg) {
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            return i + 5;
        }
    }
    ADD_FAILURE() << "no baseline frame header";
    return 0;
}

void SetFrameSize(std::vector<unsigned char>& jpeg, int width, int height) {
    const std::size_t at = FrameSizeOffset(jpeg);
    jpeg[at] = static_cast<unsigned char>(height >> 8);
    jpeg[at + 1] = static_cast<unsigned char>(height & 0xFF);
    jpeg[at + 2] = static_cast<unsigned char>(width >> 8);
    jpeg[at + 3] = static_cast<unsigned char>(width & 0xFF);
}

}  // namespace

TEST(JpegDecoder, DamagedDataGivesANullImage) {
    const std::vector<unsigned char> good = Copy(GameOverPicture());
    EXPECT_TRUE(DecodeJpeg({}).isNull());

    const std::vector<unsigned char> garbage(500, 0x5A);
    EXPECT_TRUE(DecodeJpeg(garbage).isNull());

    const std::vector<unsigned char> onlyStart{0xFF, 0xD8};
    EXPECT_TRUE(DecodeJpeg(onlyStart).isNull());

    for (std::size_t length : {good.size() / 4, good.size() / 2, good.size() - 3}) {
        const std::vector<unsigned char> truncated(good.begin(),
                                                   good.begin() + static_cast<long>(length));
        EXPECT_TRUE(DecodeJpeg(truncated).isNull()) << "cut at " << length;
    }

    std::vector<unsigned char> noSize = good;
    SetFrameSize(noSize, 0, 0);
    EXPECT_TRUE(DecodeJpeg(noSize).isNull());

    std::vector<unsigned char> beyondLimits = good;
    SetFrameSize(beyondLimits, 65535, 65535);
    EXPECT_TRUE(DecodeJpeg(beyondLimits).isNull());

    // A size the format allows but no picture of ours has: refused before any allocation.
    std::vector<unsigned char> huge = good;
    SetFrameSize(huge, 60000, 60000);
    EXPECT_TRUE(DecodeJpeg(huge).isNull());

    // After all that the decoder still works.
    EXPECT_EQ(DecodeJpeg(good).size(), QSize(200, 100));
}
