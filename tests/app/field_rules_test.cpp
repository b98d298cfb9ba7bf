#include <QComboBox>
#include <QSlider>

#include "app/DigitKeyFilter.h"
#include "tests/support/MainWindowFixture.h"

namespace {

using FieldRulesTest = MainWindowFixture;

int position(TfrmKalvorMain& window, const char* name) {
    return window.findChild<QSlider*>(QString::fromLatin1(name))->value();
}

TEST_F(FieldRulesTest, AValueBeyondTheSliderStaysInTheField) {
    typeAndLeave("edSnaga", "75");
    EXPECT_EQ(position(*window, "TrackBar1"), 60);
    EXPECT_EQ(text("edSnaga"), "75.00");
}

TEST_F(FieldRulesTest, ClickingASliderLeavesTheFieldTheUserWasIn) {
    type("edSnaga", "12.5");
    auto* displacement = child<QSlider>("TrackBar3");
    QTest::mouseClick(displacement, Qt::LeftButton, {}, QPoint(5, displacement->height() / 2));
    EXPECT_EQ(text("edSnaga"), "12.50");
    EXPECT_EQ(position(*window, "TrackBar1"), 12);
}

TEST_F(FieldRulesTest, AnUnreadableNumberBecomesTheDefaultTextAndTheSliderStays) {
    typeAndLeave("edV", "25");
    typeAndLeave("edV", "1.2.3");
    EXPECT_EQ(text("edV"), "1.0");
    EXPECT_EQ(position(*window, "TrackBar3"), 25);
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(FieldRulesTest, LeavingAnEmptyFieldChangesNothing) {
    typeAndLeave("edp", "30");
    child<QLineEdit>("edp")->clear();
    leave("edp");
    EXPECT_EQ(text("edp"), "");
    EXPECT_EQ(position(*window, "TrackBar4"), 30);
}

TEST_F(FieldRulesTest, SliderAndFieldFollowEachOther) {
    child<QSlider>("TrackBar4")->setValue(120);
    EXPECT_EQ(text("edp"), "120");
    typeAndLeave("edp", "120.5");
    EXPECT_EQ(text("edp"), "120.50");
    EXPECT_EQ(position(*window, "TrackBar4"), 120);
    // Slider formats differ per pair: "%f" has two decimals.
    child<QSlider>("TrackBar3")->setValue(250);
    EXPECT_EQ(text("edV"), "250.00");
    child<QSlider>("TrackBar5")->setValue(70);
    EXPECT_EQ(text("edNiM"), "0.70");
}

TEST_F(FieldRulesTest, TheSpeedFieldIsRewrittenOnlyWhenTheSliderMoves) {
    typeAndLeave("edN", "1500.7");
    EXPECT_EQ(position(*window, "TrackBar2"), 1500);
    EXPECT_EQ(text("edN"), "1500");
    typeAndLeave("edN", "1500.2");
    EXPECT_EQ(text("edN"), "1500.2");
}

TEST_F(FieldRulesTest, TheKeyFilterAdmitsDigitsAndPointsOnly) {
    type("edQ", "a-1 b.5,x.");
    EXPECT_EQ(text("edQ"), "1.5.");
    type("edSnaga", "-7e2");
    EXPECT_EQ(text("edSnaga"), "72");
    type("edNiM", "0.9%");
    EXPECT_EQ(text("edNiM"), "0.9");
    // Editing keys still work.
    QTest::keyClick(field("edNiM"), Qt::Key_Backspace);
    EXPECT_EQ(text("edNiM"), "0.");
    EXPECT_TRUE(DigitKeyFilter::admits(QChar(13)));
    EXPECT_FALSE(DigitKeyFilter::admits(QChar(u'e')));
}

TEST_F(FieldRulesTest, TheWorkingFluidFieldsStayFreeText) {
    type("Edit1", "abc");
    EXPECT_EQ(text("Edit1"), "abc");
    EXPECT_EQ(text("Edit2"), "12");
}

}  // namespace
