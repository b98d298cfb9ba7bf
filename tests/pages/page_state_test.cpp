// A page kept and put back through its quantity rows, its choices and its
// results, on its own: the pump page stands for every page built of rows.
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>

#include "pages/PumpPage.h"
#include "tests/support/PageFixture.h"
#include "ui/FieldAccess.h"
#include "ui/PageState.h"

namespace {

class PageStateTest : public PageFixture<PumpPage> {
  protected:
    // Texts, slider positions and the fields painted green.
    QStringList seen() {
        QStringList state;
        for (const char* name : {"edSnaga", "edN", "edV", "edp", "edQ", "edNiM", "edNiV"}) {
            state << text(name) << (fieldColour(field(name)) == kKnownFieldColour ? "green" : "");
        }
        for (const char* name : {"TrackBar1", "TrackBar2", "TrackBar3", "TrackBar4", "TrackBar5",
                                 "TrackBar6", "TrackBar7"}) {
            state << QString::number(child<QSlider>(name)->value());
        }
        return state;
    }
    void chooseMode(int item) { page->findChildren<QRadioButton*>().at(item)->setChecked(true); }
};

TEST_F(PageStateTest, WhatThePageShowedComesBackAfterOtherWork) {
    struct Case {
        const char* name;
        std::function<void()> fill;
    };
    const Case cases[] = {
        {"start, no mode", [] {}},
        {"a mode calculated",
         [this] {
             chooseMode(2);
             typeAndLeave("edV", "45.5");
             typeAndLeave("edN", "1450");
             typeAndLeave("edp", "160");
             page->btnCalcClick();
         }},
        // The power slider stops at 60; the field keeps 75.
        {"beyond the slider",
         [this] {
             chooseMode(0);
             typeAndLeave("edSnaga", "75");
         }},
        // An efficiency has no exit: its text stands apart from its slider.
        {"field apart from its slider, a blank field",
         [this] {
             chooseMode(4);
             type("edNiM", "0.5");
             setFieldText(field("edQ"), QString());
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->startUp();
        c.fill();
        const QStringList before = seen();
        const bool calculated = c.name == std::string("a mode calculated");
        // Only a calculated page has inputs within their ranges.
        const auto pumpBefore = calculated ? page->inputs() : PumpInputs{};
        const PageState state = capturePage(*page);

        chooseMode(5);
        typeAndLeave("edQ", "12");
        child<QSlider>("TrackBar5")->setValue(70);
        applyPage(*page, state);

        EXPECT_EQ(seen(), before);
        EXPECT_EQ(capturePage(*page), state);
        if (calculated) {
            // The unrounded figures of the calculation, not the fields' texts.
            const PumpInputs pump = page->inputs();
            EXPECT_EQ(pump.power, pumpBefore.power);
            EXPECT_NE(pump.power, fieldValue(field("edSnaga")));
        }
    }
}

}  // namespace

namespace {

// A combo field restored to a text: one of its items is chosen from the list,
// any other text stands alone, whatever the combo showed before.
TEST_F(PageStateTest, AComboFieldRestoredToOneOfItsItemsChoosesIt) {
    struct Case {
        const char* restored;
        int item;
    };
    const Case cases[] = {{"1450", 10}, {"1234", -1}, {"", -1}, {"3000", 14}};
    auto* speed = child<QComboBox>("edN");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.restored);
        speed->setCurrentIndex(2);  // another item
        PageState state = capturePage(*page);
        state.fields["edN"] = figureOf(c.restored);
        applyPage(*page, state);
        EXPECT_EQ(speed->currentIndex(), c.item);
        EXPECT_EQ(speed->currentText(), c.restored);
    }
}

}  // namespace
