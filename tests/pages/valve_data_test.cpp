#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "pages/ValveData.h"

namespace {

TEST(ValveDataTest, FiguresBeyondAnyValveAreRefusedNamingTheField) {
    struct Case {
        const char* line;
        const char* field;  // nullptr: the line is read
    };
    const Case cases[] = {
        {"V|60|20|2.5|0.004|5|", nullptr},
        {"V|60|20|1000|0|5|", nullptr},
        // 0.00001 x 10000^2 = 1000 bar: at the limit, not above it.
        {"V|10000|1000|0|0.00001|0|", nullptr},
        {"V|60|20|1.8e308|0.004|5|", "constant term p0 (field 3) \"1.8e308\""},
        {"V|60|20|1000.5|0|5|", "constant term p0 (field 3)"},
        {"V|60|20|-1|0.004|5|", "constant term p0 (field 3)"},
        {"V|60|20|2.5|1e308|5|", "flow coefficient k (field 4) \"1e308\" gives a drop above"},
        // 0.3 x 60^2 + 2.5 = 1082.5 bar.
        {"V|60|20|2.5|0.3|5|", "flow coefficient k (field 4)"},
        // 0.0999 x 100^2 + 2 = 1001 bar: p0 counts too.
        {"V|100|20|2|0.0999|5|", "flow coefficient k (field 4)"},
        {"V|60|20|2.5|-0.004|5|", "flow coefficient k (field 4)"},
        {"V|10001|20|2.5|0.004|5|", "largest flow"},
        {"V|60|1001|2.5|0.004|5|", "largest drop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const ValveLineReading reading = readValveLine(QString::fromLatin1(c.line));
        if (c.field == nullptr) {
            EXPECT_TRUE(reading.valve.has_value()) << reading.fault.toStdString();
        } else {
            EXPECT_FALSE(reading.valve.has_value());
            EXPECT_TRUE(reading.fault.contains(QString::fromLatin1(c.field)))
                << reading.fault.toStdString();
        }
    }
}

TEST(ValveDataTest, AHugeFileIsRefusedUnreadAndAnUnreadableOneSaysWhy) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString big = QDir(dir.path()).filePath("Big.dat");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        // Sparse: 11 MB on paper, nothing written.
        ASSERT_TRUE(file.resize(11LL * 1024 * 1024));
    }
    QString fault;
    EXPECT_FALSE(readDataFile(big, &fault).has_value());
    EXPECT_TRUE(fault.contains("11.0 MB")) << fault.toStdString();

    // At the limit a file is read.
    QFile(big).resize(kMaxDataFileBytes);
    fault.clear();
    EXPECT_TRUE(readDataFile(big, &fault).has_value()) << fault.toStdString();

    // Root reads any file: a folder stands for one that cannot be read.
    const QString folder = QDir(dir.path()).filePath("Folder.dat");
    ASSERT_TRUE(QDir().mkdir(folder));
    fault.clear();
    EXPECT_FALSE(readDataFile(folder, &fault).has_value());
    EXPECT_TRUE(fault.contains("directory")) << fault.toStdString();
    fault.clear();
    EXPECT_FALSE(readDataFile(QDir(dir.path()).filePath("None.dat"), &fault).has_value());
    EXPECT_TRUE(fault.contains("No such file")) << fault.toStdString();
}

}  // namespace
