#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <memory>

#include "ui/ScaledArrangement.h"

namespace {

// A small window placed by hand: a label with a font of its own, a group
// with a field, a tab widget whose page holds a button, and a group whose
// layout places its button.
struct Window {
    std::unique_ptr<QWidget> root = std::make_unique<QWidget>();
    QLabel* label = nullptr;
    QGroupBox* group = nullptr;
    QLineEdit* field = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* page = nullptr;
    QPushButton* onPage = nullptr;
    QPushButton* laidOut = nullptr;

    Window() {
        QFont font = root->font();
        font.setPixelSize(11);
        root->setFont(font);
        root->resize(200, 100);
        label = new QLabel(QStringLiteral("drop"), root.get());
        QFont bold = label->font();
        bold.setBold(true);
        bold.setPixelSize(16);
        label->setFont(bold);
        label->setGeometry(10, 10, 40, 20);
        group = new QGroupBox(root.get());
        group->setGeometry(100, 0, 100, 50);
        field = new QLineEdit(group);
        field->setGeometry(5, 20, 50, 20);
        tabs = new QTabWidget(root.get());
        tabs->setGeometry(0, 50, 100, 50);
        page = new QWidget;
        tabs->addTab(page, QStringLiteral("page"));
        onPage = new QPushButton(page);
        onPage->setGeometry(3, 4, 30, 10);
        onPage->setIconSize(QSize(16, 16));
        auto* laid = new QGroupBox(root.get());
        laid->setGeometry(100, 50, 100, 50);
        laidOut = new QPushButton(laid);
        (new QVBoxLayout(laid))->addWidget(laidOut);
    }
};

TEST(ScaledArrangementTest, TheArrangementScalesAsAWholeAndComesBackExactly) {
    Window w;
    ScaledArrangement arrangement(*w.root, QSize(200, 100));
    arrangement.apply();
    const QRect pageAtBase = w.page->geometry();
    const QRect laidOutAtBase = w.laidOut->geometry();

    struct Case {
        QSize size;
        QRect label;
        QRect field;  // in its group
        QRect onPage;
        int labelPixels;
        int rootPixels;
    };
    for (const Case& c : {
             // Twice as wide and high: everything twice, fonts too.
             Case{{400, 200}, {20, 20, 80, 40}, {10, 40, 100, 40}, {6, 8, 60, 20}, 32, 22},
             // Wider only: places stretch across, fonts follow the smaller scale.
             Case{{300, 100}, {15, 10, 60, 20}, {8, 20, 75, 20}, {5, 4, 45, 10}, 16, 11},
             // Back at the base size: exactly where the window placed them.
             Case{{200, 100}, {10, 10, 40, 20}, {5, 20, 50, 20}, {3, 4, 30, 10}, 16, 11},
         }) {
        SCOPED_TRACE(c.size.width());
        w.root->resize(c.size);
        arrangement.apply();
        EXPECT_EQ(w.label->geometry(), c.label);
        EXPECT_EQ(w.field->geometry(), c.field);
        EXPECT_EQ(w.onPage->geometry(), c.onPage);
        EXPECT_EQ(w.label->font().pixelSize(), c.labelPixels);
        EXPECT_EQ(w.onPage->iconSize(), QSize(16, 16) * c.labelPixels / 16);
        EXPECT_TRUE(w.label->font().bold());
        EXPECT_EQ(w.root->font().pixelSize(), c.rootPixels);
        // The field's font follows the root's, once.
        EXPECT_EQ(w.field->font().pixelSize(), c.rootPixels);
    }
    // What the tab widget and the layout place stays theirs.
    EXPECT_EQ(w.page->geometry(), pageAtBase);
    EXPECT_EQ(w.laidOut->geometry(), laidOutAtBase);
}

TEST(ScaledArrangementTest, AControlMadeOrMovedByItsPageTakesThatPlaceAsItsBase) {
    Window w;
    ScaledArrangement arrangement(*w.root, QSize(200, 100));
    w.root->resize(400, 200);
    arrangement.apply();
    // The page moves its button, and makes a new label, in its own measures.
    w.onPage->setGeometry(10, 10, 30, 10);
    auto* late = new QLabel(QStringLiteral("late"), w.page);
    late->setGeometry(20, 5, 40, 10);
    arrangement.apply();
    EXPECT_EQ(w.onPage->geometry(), QRect(20, 20, 60, 20));
    EXPECT_EQ(late->geometry(), QRect(40, 10, 80, 20));
    w.root->resize(200, 100);
    arrangement.apply();
    EXPECT_EQ(w.onPage->geometry(), QRect(10, 10, 30, 10));
    EXPECT_EQ(late->geometry(), QRect(20, 5, 40, 10));
}

TEST(ScaledArrangementTest, PartsOfCompositeWidgetsArePlacedByTheirParents) {
    Window w;
    EXPECT_FALSE(ScaledArrangement::placedByParent(*w.label));
    EXPECT_FALSE(ScaledArrangement::placedByParent(*w.onPage));
    EXPECT_TRUE(ScaledArrangement::placedByParent(*w.page));
    EXPECT_TRUE(ScaledArrangement::placedByParent(*w.laidOut));
    EXPECT_TRUE(ScaledArrangement::placedByParent(*w.root));
    for (QWidget* part : w.tabs->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_TRUE(ScaledArrangement::placedByParent(*part)) << part->metaObject()->className();
    }
}

}  // namespace
