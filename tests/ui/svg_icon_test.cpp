#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ui/SvgIcon.h"

namespace {

// A red bar twice as wide as high.
const char* const kWideBar =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="20" height="10" viewBox="0 0 20 10">)"
    R"(<rect width="20" height="10" fill="#ff0000"/></svg>)";

TEST(SvgIconTest, DrawnAtTheSizeAskedForInTheMiddleAndGreyWhenDisabled) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bar.svg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kWideBar);
    file.close();

    const QIcon icon = svgIcon(path);
    ASSERT_FALSE(icon.isNull());
    struct Case {
        int side;
    };
    for (const Case& c : {Case{20}, Case{40}}) {
        const QImage normal = icon.pixmap(QSize(c.side, c.side)).toImage();
        ASSERT_EQ(normal.size(), QSize(c.side, c.side));
        // The bar fills the middle half of the square, its proportions kept.
        EXPECT_EQ(normal.pixelColor(c.side / 2, c.side / 2), QColor(255, 0, 0)) << c.side;
        EXPECT_EQ(normal.pixelColor(c.side / 2, 1).alpha(), 0) << c.side;
        const QImage disabled = icon.pixmap(QSize(c.side, c.side), QIcon::Disabled).toImage();
        EXPECT_NE(disabled.pixelColor(c.side / 2, c.side / 2), QColor(255, 0, 0)) << c.side;
    }
    // A file that is not there draws nothing, and says nothing.
    const QImage missing =
        svgIcon(dir.filePath(QStringLiteral("gone.svg"))).pixmap(QSize(16, 16)).toImage();
    EXPECT_EQ(missing.pixelColor(8, 8).alpha(), 0);
}

}  // namespace
