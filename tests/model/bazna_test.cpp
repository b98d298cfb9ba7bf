#include "model/bazna.h"

#include <gtest/gtest.h>

#include <limits>

#include "model/faults.h"

TEST(ElementBase, Defaults) {
    const bazna element;
    EXPECT_EQ(element.name, "basic");
    EXPECT_EQ(element.typeCode, 1);
    EXPECT_EQ(element.pressureIn, 0.0);
    EXPECT_EQ(element.pressureOut, 0.0);
    EXPECT_EQ(element.density, 890.0);
    EXPECT_EQ(element.viscosity, 0.41);
}

TEST(ElementBase, ReportAddsNothing) {
    bazna element;
    ReportLines lines{"kept"};
    element.writeReport(lines);
    EXPECT_EQ(lines, ReportLines{"kept"});
}

TEST(ElementBase, PortPressureOnEitherSideUsesTheStoredDrop) {
    bazna element;
    element.pressureDrop = 5.0;
    element.setPortPressure(100.0, PortSide::Intake);
    EXPECT_EQ(element.pressureIn, 100.0);
    EXPECT_EQ(element.pressureOut, 95.0);

    element.setPortPressure(95.0, PortSide::Outlet);
    EXPECT_EQ(element.pressureOut, 95.0);
    EXPECT_EQ(element.pressureIn, 100.0);
    EXPECT_EQ(element.pressureDrop, 5.0);
}

TEST(ElementBase, DropIsIntakeMinusOutlet) {
    bazna element;
    element.pressureIn = 120.0;
    element.pressureOut = 100.5;
    element.computePressureDrop();
    EXPECT_EQ(element.pressureDrop, 19.5);
}

TEST(ElementBase, FaultingPortPressureLeavesBothPortsAlone) {
    bazna element;
    element.pressureIn = 12.0;
    element.pressureOut = 7.0;
    element.pressureDrop = std::numeric_limits<double>::max();
    EXPECT_THROW(element.setPortPressure(std::numeric_limits<double>::max(), PortSide::Outlet),
                 FloatingPointFault);
    EXPECT_EQ(element.pressureIn, 12.0);
    EXPECT_EQ(element.pressureOut, 7.0);

    element.pressureDrop = 5.0;
    EXPECT_THROW(element.setPortPressure(std::numeric_limits<double>::infinity(), PortSide::Intake),
                 FloatingPointFault);
    EXPECT_EQ(element.pressureIn, 12.0);
    EXPECT_EQ(element.pressureOut, 7.0);
}
