#include "engine/angles.h"

#include <gtest/gtest.h>

TEST(Angles, ConversionsAreTheWrittenProducts) {
    const double pi = 3.141592653589793;
    const double c = 0.005555555555555556; // the double nearest 1/180
    EXPECT_EQ(c, 1.0 / 180.0);
    for (double x : {0.0, 1.0, 30.0, 45.0, 90.0, 180.0, -270.0, 1e300, 123.456}) {
        EXPECT_EQ(DegreesToRadians(x), (pi * x) * c) << x;
        EXPECT_EQ(RadiansToDegrees(x), (x / pi) * 180.0) << x;
    }
    // Not a division by 180: 3 degrees shows the difference in the last bit.
    EXPECT_NE(DegreesToRadians(3), (pi * 3) / 180.0);
}

TEST(Angles, OnlyDegreesAreConverted) {
    EXPECT_EQ(ToDegreesIfDegrees(1, false), RadiansToDegrees(1));
    EXPECT_EQ(ToDegreesIfDegrees(1, true), 1);
}
