#include <QTabWidget>
#include <QTest>
#include <map>

#include "tests/support/MainWindowFixture.h"
#include "ui/ScaledArrangement.h"

namespace {

// Every control's place in its parent and font size, by its path of names
// (an unnamed one by its place among its siblings).
std::map<QString, std::pair<QRect, int>> arrangementOf(QWidget& root) {
    auto nameOf = [](const QWidget* widget) {
        if (!widget->objectName().isEmpty() || widget->parentWidget() == nullptr) {
            return widget->objectName();
        }
        return QStringLiteral("#%1").arg(widget->parentWidget()->children().indexOf(widget));
    };
    std::map<QString, std::pair<QRect, int>> places;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->isWindow() || ScaledArrangement::placedByParent(*widget)) {
            continue;
        }
        QString path = nameOf(widget);
        for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
            path = nameOf(up) + QLatin1Char('/') + path;
        }
        places[path] = {widget->geometry(), QFontInfo(widget->font()).pixelSize()};
    }
    return places;
}

void expectSame(const std::map<QString, std::pair<QRect, int>>& is,
                const std::map<QString, std::pair<QRect, int>>& was) {
    for (const auto& [path, place] : was) {
        ASSERT_TRUE(is.count(path)) << path.toStdString();
        EXPECT_EQ(is.at(path).first, place.first) << path.toStdString();
        EXPECT_EQ(is.at(path).second, place.second) << path.toStdString();
    }
}

class WindowScalingTest : public MainWindowFixture {
  protected:
    // Every page once in front, as a user going through the tabs.
    void showEveryPage() {
        auto* tabs = child<QTabWidget>("PageControl1");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
        }
        tabs->setCurrentIndex(1);
    }
};

TEST_F(WindowScalingTest, TheWindowCanBeMaximisedAndResized) {
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->size(), QSize(TfrmKalvorMain::kClientWidth, TfrmKalvorMain::kClientHeight));
    EXPECT_EQ(window->minimumSize(), window->size());
    EXPECT_GT(window->maximumWidth(), 1920);
    EXPECT_GT(window->maximumHeight(), 1080);
}

TEST_F(WindowScalingTest, PagesKeepTheirArrangementAtEverySizeAndComeBackExactly) {
    showEveryPage();
    const auto atDefault = arrangementOf(*window);
    ASSERT_GT(atDefault.size(), 100u);

    struct Case {
        QSize size;
        double x;
        double y;
    };
    constexpr double kWidth = TfrmKalvorMain::kClientWidth;
    constexpr double kHeight = TfrmKalvorMain::kClientHeight;
    ASSERT_EQ(QSize(TfrmKalvorMain::kClientWidth, TfrmKalvorMain::kClientHeight), QSize(980, 569));
    for (const Case& c : {Case{{1920, 1050}, 1920.0 / kWidth, 1050.0 / kHeight},
                          Case{{1300, 569}, 1300.0 / kWidth, 1.0}, Case{{980, 569}, 1.0, 1.0}}) {
        SCOPED_TRACE(c.size.width());
        window->resize(c.size);
        QApplication::processEvents();
        showEveryPage();
        ASSERT_EQ(window->size(), c.size);
        const auto now = arrangementOf(*window);
        ASSERT_EQ(now.size(), atDefault.size());
        const int fontScale100 = static_cast<int>(100 * std::min(c.x, c.y));
        for (const auto& [path, place] : atDefault) {
            const QRect was = place.first;
            const QRect is = now.at(path).first;
            // Each edge where the scale puts it, to the pixel.
            EXPECT_NEAR(is.left(), was.left() * c.x, 1.0) << path.toStdString();
            EXPECT_NEAR(is.top(), was.top() * c.y, 1.0) << path.toStdString();
            EXPECT_NEAR(is.width(), was.width() * c.x, 1.0) << path.toStdString();
            EXPECT_NEAR(is.height(), was.height() * c.y, 1.0) << path.toStdString();
            EXPECT_NEAR(now.at(path).second, place.second * fontScale100 / 100.0, 1.0)
                << path.toStdString();
        }
    }
    // At the default size again, nothing stands anywhere else than at first.
    expectSame(arrangementOf(*window), atDefault);
}

TEST_F(WindowScalingTest, TheCircuitSketchGrowsWithItsBox) {
    open({QStringLiteral(HYDROCALC_BUILD_APP_DIR)});
    window->resize(2 * TfrmKalvorMain::kClientWidth, 2 * TfrmKalvorMain::kClientHeight);
    showPage("tbProst");
    const QImage sketch = child<QWidget>("pbShema")->grab().toImage();
    // The return path, down the cylinder's column and along the return row,
    // where the default size has it at half these places.
    EXPECT_EQ(sketch.pixelColor(2 * (50 * 3 + 2 + 30), 2 * 64), Qt::black);
    EXPECT_EQ(sketch.pixelColor(2 * (50 * 2 + 25), 2 * 77), Qt::black);
}

TEST(WindowScalingDefault, AtTheDefaultSizeNothingMoves) {
    // Before and after the window's first showing, which arranges it.
    TfrmKalvorMain window(nullptr, std::make_unique<ScriptedDesktop>());
    const auto made = arrangementOf(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(4);
    expectSame(arrangementOf(window), made);
}

}  // namespace
