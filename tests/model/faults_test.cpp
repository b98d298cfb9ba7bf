#include "model/faults.h"

#include <gtest/gtest.h>

#include "tests/model/ExpectFault.h"

#include <cmath>
#include <limits>

TEST(SpeedTruncation, WholeOnPaperStaysWhole) {
    EXPECT_EQ(truncateSpeed(1151.9999999999L), 1152);
    EXPECT_EQ(truncateSpeed(60.0L * 0.96 * 1000.0L / 50.0L), 1152);
    EXPECT_EQ(truncateSpeed(-1151.9999999999L), -1152);
    EXPECT_EQ(truncateSpeed(0.9999999999999L), 1);
    EXPECT_EQ(truncateSpeed(999999999.9999L), 1000000000);
}

TEST(SpeedTruncation, FractionsAreStillCutOff) {
    EXPECT_EQ(truncateSpeed(1151.7L), 1151);
    EXPECT_EQ(truncateSpeed(1500.7L), 1500);
    EXPECT_EQ(truncateSpeed(1151.99999999L), 1151);  // only 11 nines: a real fraction
    EXPECT_EQ(truncateSpeed(-1439.99L), -1439);
    EXPECT_EQ(truncateSpeed(0.4999L), 0);
    EXPECT_EQ(truncateSpeed(1e-300L), 0);
}

TEST(SpeedTruncation, OutOfRangeOrNonFiniteIsAFault) {
    const std::string invalid = "Invalid floating point operation";
    EXPECT_EQ(truncateSpeed(2147483647.4L), 2147483647);
    expectFault([] { truncateSpeed(2147483648.0L); }, invalid);
    expectFault([] { truncateSpeed(-2147483649.0L); }, invalid);
    expectFault([] { truncateSpeed(1e30L); }, invalid);
    expectFault([] { truncateSpeed(std::numeric_limits<long double>::quiet_NaN()); }, invalid);
    expectFault([] { truncateSpeed(std::numeric_limits<long double>::infinity()); },
                "Floating point overflow");
}
