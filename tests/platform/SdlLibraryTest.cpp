#include <gtest/gtest.h>

#include "platform/SdlLibrary.h"

// Without SDL the game plays on in silence: a library that is missing, or that lacks SDL's
// functions, is refused as a whole, so that no sound ever calls a function that is not there.
TEST(SdlLibrary, OnlyAWholeSdlLibraryIsTaken) {
    EXPECT_FALSE(TSdlLibrary::Open("libvyx-no-such-library.so.0"));
    EXPECT_FALSE(TSdlLibrary::Open("libm.so.6"));
    EXPECT_TRUE(TSdlLibrary::Open());
}
