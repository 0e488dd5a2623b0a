#include <gtest/gtest.h>

#include <stdexcept>

#include "IconDesign.h"

// The icon theme asks for these sizes alone; a picture of another would be drawn for none.
TEST(IconDesign, DrawsOnlyTheSizesTheThemeAsksFor) {
    for (const int size : IconSizes) {
        EXPECT_EQ(DrawIcon(size).size(), QSize(size, size));
    }
    EXPECT_THROW(DrawIcon(24), std::invalid_argument);
}
