#include <QGroupBox>
#include <QRadioButton>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/support/MainWindowFixture.h"

namespace {

using ModePagesTest = MainWindowFixture;

// What a mode's radio text names is what the user must give: choosing the
// mode paints exactly those fields lime green, and no field an earlier mode
// marked stays green.
TEST_F(ModePagesTest, EveryModeMarksExactlyTheFieldsItsTextNames) {
    struct Page {
        const char* name;
        const char* group;
        std::map<std::string, std::vector<const char*>> fieldsOf;  // by word of a mode's text
        std::vector<const char*> neverGiven;
    };
    const std::vector<Page> pages = {
        {"tsPumpa",
         "RadioGroup1",
         {{"Power", {"edSnaga"}},
          {"Speed range", {"edN"}},
          {"Displacement", {"edV"}},
          {"Pressure", {"edp"}},
          {"Flow", {"edQ"}}},
         {"edNiM", "edNiV"}},
        {"tdHidromotor",
         "RadioGroup2",
         {{"Torque", {"edHMM"}},
          {"Pressure", {"edHMp"}},
          {"Flow", {"edHMQ"}},
          {"Power", {"edHMSnaga"}},
          {"Displacement", {"edHMv"}},
          {"Speed range", {"edHMn"}}},
         {"edHMNiMeh", "edHMNIv"}},
        {"tsHidrocilinder",
         "RadioGroup4",
         {{"Pressure", {"edHCPul"}},
          {"Force", {"edHCF"}},
          {"Flow", {"edHCQ1"}},
          {"Stroke spd", {"edHCv"}},
          {"Stroke speed", {"edHCv"}},
          {"Diameters", {"edHCD1", "edHCD2"}}},
         {"edHCPiz", "edHCQ2", "lblHCNi"}},
    };
    for (const Page& page : pages) {
        showPage(page.name);
        std::vector<const char*> fields = page.neverGiven;
        for (const auto& [word, named] : page.fieldsOf) {
            fields.insert(fields.end(), named.begin(), named.end());
        }
        const auto modes = child<QGroupBox>(page.group)->findChildren<QRadioButton*>();
        ASSERT_FALSE(modes.isEmpty()) << page.name;
        for (QRadioButton* mode : modes) {
            std::vector<std::string> given;
            for (const QString& word : mode->text().split(QLatin1Char(','))) {
                for (const char* name : page.fieldsOf.at(word.trimmed().toStdString())) {
                    given.emplace_back(name);
                }
            }
            QTest::mouseClick(mode, Qt::LeftButton);
            for (const char* name : fields) {
                const bool isGiven = std::find(given.begin(), given.end(), name) != given.end();
                EXPECT_EQ(fieldColour(field(name)) == kKnownFieldColour, isGiven)
                    << page.name << ", mode \"" << mode->text().toStdString() << "\", " << name;
            }
        }
    }
}

}  // namespace
