#include "model/CylinderFlow.h"

#include <gtest/gtest.h>

#include "model/InputError.h"

// A 50/30 cylinder fed with 32 l/min: the annulus is 16/25 of the piston.
TEST(CylinderReturnFlow, PushPullAndThroughRod) {
    using enum CylinderKind;
    using enum LoadDirection;
    EXPECT_DOUBLE_EQ(returnFlow(32.0, 50.0, 30.0, SingleActing, Push), 20.48);
    EXPECT_DOUBLE_EQ(returnFlow(32.0, 50.0, 30.0, SingleActing, Pull), 50.0);
    EXPECT_EQ(returnFlow(32.0, 50.0, 30.0, DoubleActing, Push), 32.0);
    EXPECT_EQ(returnFlow(32.0, 30.0, 30.0, DoubleActing, Pull), 32.0);
    EXPECT_THROW(returnFlow(32.0, 30.0, 30.0, SingleActing, Pull), InputError);
    EXPECT_THROW(returnFlow(32.0, 30.0, 50.0, SingleActing, Push), InputError);
}
