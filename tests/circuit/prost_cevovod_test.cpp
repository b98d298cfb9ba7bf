#include "circuit/prost_cevovod.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>

#include "circuit/CircuitArithmetic.h"
#include "model/faults.h"
#include "model/klip.h"
#include "model/numtext.h"

namespace {

constexpr std::int16_t kLine = 2019;

// Counts its destructions and reports its name alone. Like the valve and the
// cylinder it empties the list it reports into.
class CountedElement : public bazna {
  public:
    CountedElement(int& freed, std::string label, double drop = 0.0, std::int16_t code = 1)
        : freed_(freed) {
        assignName(label);
        pressureDrop = drop;
        typeCode = code;
    }
    CountedElement(const CountedElement&) = delete;
    CountedElement& operator=(const CountedElement&) = delete;
    ~CountedElement() override { ++freed_; }

    // Empties the list as two of the real elements do; the chain reports
    // through the rows all the same.
    void writeReport(ReportLines& lines) override {
        lines.clear();
        lines.push_back(name);
    }
    void writeReportRows(units::ReportRows& rows) const override {
        rows.push_back(units::textRow(name));
    }

  private:
    int& freed_;
};

std::unique_ptr<bazna> counted(int& freed, std::string label, double drop = 0.0,
                               std::int16_t code = 1) {
    return std::make_unique<CountedElement>(freed, std::move(label), drop, code);
}

// A chain whose sums come out as the given supply and return drops: the
// return drop sits on a line behind the first three positions.
prost_cevovod chainWithDrops(int& freed, double supplyDrop, double returnDrop) {
    prost_cevovod chain(890.0, 46.0);
    chain.addElement(counted(freed, "pump", supplyDrop));
    chain.addElement(counted(freed, "operation line", 0.0, kLine));
    chain.addElement(counted(freed, "valve"));
    chain.addElement(counted(freed, "return line", returnDrop, kLine));
    chain.addElement(counted(freed, "cylinder"));
    return chain;
}

}  // namespace

TEST(ChainOwnership, EachElementFreedOnceAlsoAfterMoves) {
    int freed = 0;
    {
        prost_cevovod chain(890.0, 46.0);
        auto first = counted(freed, "a");
        const bazna* stored = first.get();
        EXPECT_EQ(&chain.addElement(std::move(first)), stored);
        chain.addElement(counted(freed, "b"));
        chain.addElement(counted(freed, "c"));

        prost_cevovod moved(std::move(chain));
        prost_cevovod target(1.0, 1.0);
        target.addElement(counted(freed, "replaced"));
        target = std::move(moved);
        EXPECT_EQ(freed, 1);  // only the element the assignment replaced
        EXPECT_EQ(target.count(), 3u);
        EXPECT_EQ(target.element(2).name, "c");
        EXPECT_EQ(target.density(), 890.0);
    }
    EXPECT_EQ(freed, 4);
}

TEST(ChainOwnership, RejectsNoElementAndPositionsBeyondTheEnd) {
    prost_cevovod chain(890.0, 46.0);
    EXPECT_THROW(chain.addElement(nullptr), std::invalid_argument);
    EXPECT_EQ(chain.count(), 0u);
    EXPECT_THROW(chain.element(0), std::out_of_range);
}

TEST(ChainReport, HeadingThenEachElementAppendedToTheLog) {
    int freed = 0;
    prost_cevovod chain(890.0, 46.0);
    chain.addElement(counted(freed, "first"));
    chain.addElement(counted(freed, "second"));
    chain.addElement(std::make_unique<bazna>());  // reports nothing

    ReportLines log{"earlier calculation"};
    chain.writeReport(log);
    EXPECT_EQ(log, (ReportLines{"earlier calculation",
                                " ----------- SIMPLE PIPELINE CALCULATION --------------- ", "",
                                "first", "second"}));
}

TEST(ChainReport, TheSummarySaysWhatTheCylinderDoesOrThatItCannotMove) {
    constexpr bool kPush = false;
    const struct {
        const char* name;
        double p1, p2;
        const char* summary;
    } cases[] = {
        // D 100, d 50, Q1 50 l/min: A1 78.5 cm2, F = p1 A1 / 100, v = Q1 / (6 A1).
        {"moves", 100.0, 0.0,
         " Result: flow 50.00 l/min, pressure at the cylinder 100.00 bar, force 78.500 kN, "
         "speed 0.1062 m/s"},
        {"no pressure left", -5.0, 0.0,
         " Result: flow 50.00 l/min; the pressure drops use up the pump pressure: the cylinder "
         "cannot move the load"},
        // 10 bar on the piston against 20 bar on the annulus pushes nothing.
        {"back pressure too high", 10.0, 20.0,
         " Result: flow 50.00 l/min; the pressure drops use up the pump pressure: the cylinder "
         "cannot move the load"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prost_cevovod chain(890.0, 46.0);
        chain.addElement(std::make_unique<klipJednostrani>(c.p1, 50, 100, 50, c.p2, 1, kPush, 1));
        EXPECT_EQ(chain.summaryLine(), c.summary);
    }
    int freed = 0;
    EXPECT_EQ(chainWithDrops(freed, 1.0, 1.0).summaryLine(),
              " Result: no cylinder at the end of the circuit");
}

TEST(ChainReport, AnImpossibleCircuitShowsNoNegativePressure) {
    // 500 l/min through a valve of k 0.001: 253 bar of a 200-bar pump.
    CircuitInputs in;
    in.pump = {10.0, 200.0, 20.0, 0.95, 0.9};
    in.supplyFlow = 500.0;
    in.operationLine = {16.0, 2.5, 1};
    in.returnLine = {20.0, 3.0, 0};
    in.directionalValve = {"4/3 valve", 3.0, 0.001};
    in.blockingValve = ValveInputs{"Check valve", 1.0, 0.0005};
    in.cylinder = {CylinderKind::SingleActing, 50.0, 30.0, 0.95, LoadDirection::Push};
    in.density = 890.0;
    in.viscosity = 46.0;
    const prost_cevovod chain = buildCircuit(in);
    const double valveOut = chain.element(2).pressureOut;
    ASSERT_LT(valveOut, 0.0);

    const ReportLines report = circuitReport(in, chain);
    const std::regex negative("-[0-9]");
    for (const std::string& line : report) {
        EXPECT_FALSE(std::regex_search(line, negative)) << line;
    }
    // The valves are still reported, each followed by what it lacks.
    const auto at = std::find(report.begin(), report.end(), "Valve type: 4/3 valve");
    ASSERT_NE(at, report.end());
    EXPECT_EQ(*(at + 3), "Presure out:  [bar]:  0.00 bar ");
    EXPECT_EQ(*(at + 4), numtext::Format(" No pressure is left here: the drops up to this element "
                                         "take %.2f bar more than the pump gives.",
                                         {-valveOut}));
    EXPECT_EQ(report.back(), chain.summaryLine());
    // Reporting changes none of the chain's figures.
    EXPECT_EQ(chain.element(2).pressureOut, valveOut);
}

TEST(ChainSums, LinesBehindThePumpSideAreTheReturnAndTheLastIsLeftOut) {
    int freed = 0;
    prost_cevovod chain(890.0, 46.0);
    chain.addElement(counted(freed, "pump", 1.0));
    // Lines at positions 1 and 2 are on the supply side.
    chain.addElement(counted(freed, "line at 1", 10.0, kLine));
    chain.addElement(counted(freed, "line at 2", 100.0, kLine));
    chain.addElement(counted(freed, "line at 3", 1000.0, kLine));
    chain.addElement(counted(freed, "throttle", 0.5));  // a valve on the return side: supply sum
    chain.addElement(counted(freed, "last", 10000.0, kLine));

    chain.computeSums(20.0, 50.0);
    EXPECT_EQ(chain.supplyFlow(), 20.0);
    EXPECT_EQ(chain.returnFlow(), 50.0);
    EXPECT_DOUBLE_EQ(chain.supplyDrop(), 111.5);
    EXPECT_DOUBLE_EQ(chain.returnDrop(), 1000.0);
    EXPECT_DOUBLE_EQ(chain.supplyResistance(), 111.5 / 20.0);
    EXPECT_DOUBLE_EQ(chain.returnResistance(), 20.0);
}

TEST(ChainSums, UnsoundFlowsOrDropsChangeNothing) {
    int freed = 0;
    prost_cevovod chain = chainWithDrops(freed, 6.0, 3.0);
    chain.computeSums(20.0, 30.0);
    for (const double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(chain.computeSums(bad, 30.0), std::invalid_argument) << bad;
        EXPECT_THROW(chain.computeSums(20.0, bad), std::invalid_argument) << bad;
    }
    chain.element(0).pressureDrop = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(chain.computeSums(10.0, 10.0), FloatingPointFault);
    chain.element(0).pressureDrop = std::numeric_limits<double>::max();
    chain.element(2).pressureDrop = std::numeric_limits<double>::max();
    EXPECT_THROW(chain.computeSums(10.0, 10.0), FloatingPointFault);

    EXPECT_EQ(chain.supplyFlow(), 20.0);
    EXPECT_EQ(chain.supplyDrop(), 6.0);
    EXPECT_DOUBLE_EQ(chain.returnResistance(), 0.1);
}

TEST(ChainCharacteristic, CurvesFromZeroToTheSumsAtTheSupplyFlow) {
    int freed = 0;
    prost_cevovod chain = chainWithDrops(freed, 12.3, 4.0);
    chain.computeSums(20.0, 35.0);
    const auto c = characteristicOf(chain);
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(c->flowMax, 20);
    EXPECT_EQ(c->pressureMax, 13);
    EXPECT_EQ(c->supplyAt(0.0), 0.0);
    EXPECT_EQ(c->returnAt(0.0), 0.0);
    EXPECT_DOUBLE_EQ(c->supplyAt(20.0), 12.3);
    EXPECT_DOUBLE_EQ(c->returnAt(20.0), 4.0);
    EXPECT_DOUBLE_EQ(c->supplyAt(10.0), 12.3 / 4.0);
    // Outside 0..Q the curves hold their end values; nothing unbounded leaves.
    EXPECT_DOUBLE_EQ(c->returnAt(1e308), 4.0);
    EXPECT_EQ(c->supplyAt(-5.0), 0.0);
    EXPECT_EQ(c->supplyAt(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(CircuitCharacteristic{}.supplyAt(1.0), 0.0);
}

TEST(ChainCharacteristic, PressureAxisRoundsUpToAWholeBarAtLeastFour) {
    struct Case {
        double supply, ret;
        int pressureMax;
    };
    for (const Case& c : {Case{12.0, 3.0, 12}, Case{2.0, 15.2, 16}, Case{0.3, 0.2, 4},
                          Case{3.2, 0.0, 4}, Case{0.0, 0.0, 4}}) {
        int freed = 0;
        prost_cevovod chain = chainWithDrops(freed, c.supply, c.ret);
        chain.computeSums(10.0, 10.0);
        EXPECT_EQ(characteristicOf(chain)->pressureMax, c.pressureMax) << c.supply << " " << c.ret;
    }
}

TEST(ChainCharacteristic, NoneBelowOneLitrePerMinute) {
    int freed = 0;
    prost_cevovod chain = chainWithDrops(freed, 5.0, 2.0);
    EXPECT_FALSE(characteristicOf(chain).has_value());  // not calculated yet
    chain.computeSums(0.99, 1.0);
    EXPECT_FALSE(characteristicOf(chain).has_value());
    chain.computeSums(1.0, 1.0);
    EXPECT_EQ(characteristicOf(chain)->flowMax, 1);
    chain.computeSums(20.7, 1.0);
    EXPECT_EQ(characteristicOf(chain)->flowMax, 20);
}
