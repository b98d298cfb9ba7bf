// The cylinder, line and valve pages in a language of their own: what their
// logic reads and what a design keeps must not be the texts they show. A
// translator that marks every text of these pages and of the model stands in
// for a real translation.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <functional>

#include "pages/CylinderPage.h"
#include "pages/LinePage.h"
#include "pages/ValvePage.h"
#include "tests/support/PageFixture.h"
#include "tests/support/TestTranslator.h"
#include "tests/support/WorkingFolder.h"
#include "ui/PageState.h"

namespace {

constexpr auto marked = &TestTranslator::mark;

// In place before SetUp makes the page's controls, as at start; the page
// goes before its language and its working folder do.
template <typename Page>
class TranslatedPage : public PageFixture<Page> {
  protected:
    void TearDown() override { this->page.reset(); }
    TestTranslator language_{
        {},
        {.markOthers = true, .markedContexts = {"CylinderPage", "LinePage", "ValvePage", "Model"}}};
};

std::optional<double> noPumpFlow() {
    return std::nullopt;
}

class LoneCylinderPage : public CylinderPage {
  public:
    explicit LoneCylinderPage(PageServices& services) : CylinderPage(services, noPumpFlow) {}
};

class LoneLinePage : public LinePage {
  public:
    explicit LoneLinePage(PageServices& services)
        : LinePage(services, {noPumpFlow, noPumpFlow, [] { return CylinderDefinition{}; }}) {}
};

class LoneValvePage : public ValvePage {
  public:
    explicit LoneValvePage(PageServices& services) : ValvePage(services, noPumpFlow) {}
};

using CylinderLanguageTest = TranslatedPage<LoneCylinderPage>;
using LineLanguageTest = TranslatedPage<LoneLinePage>;

// The verdict on the rod is the model's text: shown translated, and again
// after a switch of units.
TEST_F(CylinderLanguageTest, TheBucklingVerdictIsShownInTheProgramsLanguage) {
    struct Case {
        const char* name;
        std::optional<double> pushLoad;  // kN; none for a pull load
        QString verdict;                 // in kN, the permissible force 20 kN
    };
    const Case cases[] = {
        {"pull load", std::nullopt, marked("pull load: the rod is not pushed and does not buckle")},
        {"push within the permissible force", 20.0, marked("rod safe against buckling")},
        {"push above it", 30.5,
         marked("rod may buckle: permissible ") + "20.00" + marked(" kN, load ") + "30.50" +
             marked(" kN")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        page->setUnitSystem(units::kMetric);
        PageState state;
        for (const char* figure :
             {"design.extendTime", "design.extendVolume", "design.retractTime",
              "design.retractVolume", "design.freeLength", "design.slenderness"}) {
            state.results[QString::fromLatin1(figure)] = 1.0;
        }
        state.results[QStringLiteral("design.permissible")] = 20.0;
        if (c.pushLoad) {
            state.results[QStringLiteral("design.pushLoad")] = *c.pushLoad;
        }
        page->restoreResults(state);
        EXPECT_EQ(text("lblHCBucklingVerdict"), c.verdict);
        page->setUnitSystem(units::kUsCustomary);
        EXPECT_TRUE(text("lblHCBucklingVerdict").startsWith(c.verdict.left(12)))
            << text("lblHCBucklingVerdict").toStdString();
    }
}

// The regime and the tube types are the model's texts; the tube type is
// read by its place in the list.
TEST_F(LineLanguageTest, TheModelsTextsAreShownInTheProgramsLanguage) {
    auto* tubes = child<QComboBox>("cmbVrsta");
    for (int item = 0; item < tubes->count(); ++item) {
        EXPECT_TRUE(tubes->itemText(item).startsWith(QStringLiteral("\u2039")))
            << tubes->itemText(item).toStdString();
    }
    tubes->setCurrentIndex(2);
    page->BitBtn5Click();
    ASSERT_TRUE(services.shown.empty()) << services.shown[0].text.toStdString();
    const QString regime = text("lblUSRegime");
    EXPECT_TRUE(regime.startsWith(QStringLiteral("\u2039")) &&
                regime.endsWith(QStringLiteral("\u203a")))
        << regime.toStdString();
    ASSERT_TRUE(page->takeOver());
    EXPECT_EQ(page->takeOver()->tubeType, 2);
}

const char* const kValveTypes[] = {"DirectionalControlValve 4-3", "Double Check Valve",
                                   "Check Valve", "Pilot Operated Check Valve"};
// The one valve of each type's data file.
const char* const kSizes[] = {"NG6", "NG10", "NG16", "NG25"};

class ValveLanguageTest : public TranslatedPage<LoneValvePage> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.entered());
        for (int type = 0; type < 4; ++type) {
            ASSERT_TRUE(folder.write(QString::fromLatin1(kValveTypes[type]) + ".dat",
                                     QByteArray(kSizes[type]) + "|60|15|0.5|0.0032|0|\n"));
        }
        TranslatedPage<LoneValvePage>::SetUp();
    }

    QComboBox* types() { return child<QComboBox>("ComboBox1"); }
    QListWidget* list() { return child<QListWidget>("ListBox1"); }
    void typeName(const QString& name) {
        types()->setCurrentIndex(-1);
        types()->setEditText(name);
        page->ComboBox1Change();
    }

    WorkingFolder folder;
};

// The list shows the types translated; each loads its own file, and a design
// keeps the file's name, so that it opens in any language.
TEST_F(ValveLanguageTest, ATypeLoadsItsFileAndIsKeptByItsFilesName) {
    struct Case {
        const char* how;
        std::function<void()> choose;
        QString shown;  // in the type box afterwards
        int type;
    };
    const Case cases[] = {
        {"an item of the list",
         [this] {
             types()->setCurrentIndex(0);
             page->ComboBox1Change();
         },
         marked(kValveTypes[0]), 0},
        {"an item's name typed", [this] { typeName(marked(kValveTypes[2])); },
         marked(kValveTypes[2]), 2},
        {"the file's name typed", [this] { typeName(QString::fromLatin1(kValveTypes[1])); },
         QString::fromLatin1(kValveTypes[1]), 1},
        {"a design's type",
         [this] {
             PageState design;
             design.names[QStringLiteral("ComboBox1")] = QString::fromLatin1(kValveTypes[3]);
             applyPage(*page, design);
         },
         marked(kValveTypes[3]), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        c.choose();
        EXPECT_TRUE(services.shown.empty()) << services.shown[0].text.toStdString();
        EXPECT_EQ(types()->currentText(), c.shown);
        ASSERT_EQ(list()->count(), 1);
        EXPECT_EQ(list()->item(0)->text(), kSizes[c.type]);
        EXPECT_EQ(capturePage(*page).names.at(QStringLiteral("ComboBox1")), kValveTypes[c.type]);
    }
    // The valve calculated is named by its type's file too.
    list()->setCurrentRow(0);
    page->BitBtn10Click();
    ASSERT_TRUE(page->takeOver());
    EXPECT_EQ(page->takeOver()->name, QStringLiteral("Pilot Operated Check Valve NG25"));
}

}  // namespace
