#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextStream>

#include "ui/Diagram.h"
#include "ui/PictureBundle.h"

namespace {

const QString kAppDir = QStringLiteral(HYDROCALC_BUILD_APP_DIR);
const QString kIncompleteDir = QStringLiteral(HYDROCALC_TEST_DATA_DIR "/incomplete");
const QString kCorruptDir = QStringLiteral(HYDROCALC_TEST_DATA_DIR "/corrupt");

// Every picture number the program asks the bundle for.
const int kPictureNumbers[] = {1001, 1002, 1003, 2010, 2011, 2014, 2016,
                               2017, 2018, 2019, 2020, 2021, 2022};

bool hasDrawnPixels(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                return true;
            }
        }
    }
    return false;
}

// Everything reachable under ":/", to see that a call leaves no bundle behind.
QStringList registeredResources() {
    QStringList paths;
    QDirIterator it(QStringLiteral(":/"), QDirIterator::Subdirectories);
    while (it.hasNext()) {
        paths << it.next();
    }
    paths.sort();
    return paths;
}

QImage picture(const QString& dir, int number, QSize size = QSize(50, 50)) {
    const std::optional<QImage> image = PictureBundle({dir}).picture(number, size);
    return image ? *image : QImage();
}

}  // namespace

TEST(PictureBundle, WithoutBundleThereIsNoPictureAndNoError) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const PictureBundle bundle({empty.path()});

    EXPECT_TRUE(bundle.bundlePath().isEmpty());
    std::optional<QImage> image;
    EXPECT_NO_THROW(image = bundle.picture(2021, QSize(167, 121)));
    EXPECT_FALSE(image.has_value());
}

TEST(PictureBundle, CorruptBundleCountsAsNone) {
    const PictureBundle bundle({kCorruptDir});
    ASSERT_FALSE(bundle.bundlePath().isEmpty()) << "the test bundles were not built";

    std::optional<QImage> image;
    EXPECT_NO_THROW(image = bundle.picture(2021, QSize(50, 50)));
    EXPECT_FALSE(image.has_value());
}

TEST(PictureBundle, FirstFolderHoldingABundleWins) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const PictureBundle bundle({empty.path(), kIncompleteDir, kAppDir});

    EXPECT_EQ(bundle.bundlePath(), QDir(kIncompleteDir).absoluteFilePath("tormel.rcc"));
}

TEST(PictureBundle, DefaultSearchLooksBesideTheProgramFirst) {
    const QStringList dirs = PictureBundle::defaultSearchDirs();
    ASSERT_GE(dirs.size(), 2);
    EXPECT_EQ(dirs.front(), QCoreApplication::applicationDirPath());
    // An install under any prefix keeps its data beside bin/, in share/.
    EXPECT_EQ(dirs.at(1),
              QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/hydrocalc"));
}

TEST(PictureBundle, ProgramBundleRendersEveryNumberAtTheAskedSize) {
    for (const QSize size : {QSize(50, 50), QSize(167, 121), QSize(20, 90)}) {
        for (const int number : kPictureNumbers) {
            SCOPED_TRACE(number);
            const QImage image = picture(kAppDir, number, size);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), size);
            EXPECT_TRUE(hasDrawnPixels(image));
        }
    }
}

TEST(PictureBundle, EmptySizeGivesThePicturesOwnSize) {
    EXPECT_EQ(picture(kAppDir, 2021, QSize()).size(), QSize(167, 121));
    EXPECT_EQ(picture(kAppDir, 2019, QSize(0, 0)).size(), QSize(50, 50));
}

TEST(PictureBundle, MissingNumberThrowsResourceNotFound) {
    const PictureBundle bundle({kIncompleteDir});

    EXPECT_TRUE(bundle.picture(2021, QSize(167, 121)).has_value());
    try {
        (void)bundle.picture(2022, QSize(167, 121));
        FAIL() << "no exception";
    } catch (const ResourceNotFound& e) {
        EXPECT_STREQ(e.what(), "Resource 2022 not found");
    }
    EXPECT_THROW((void)PictureBundle({kAppDir}).picture(4711, QSize(50, 50)), ResourceNotFound);
}

TEST(PictureBundle, BundleIsReleasedAfterEveryCall) {
    const QStringList before = registeredResources();

    EXPECT_TRUE(PictureBundle({kAppDir}).picture(2016, QSize(50, 50)).has_value());
    EXPECT_EQ(registeredResources(), before);

    EXPECT_THROW((void)PictureBundle({kIncompleteDir}).picture(2010, QSize(50, 50)),
                 ResourceNotFound);
    EXPECT_EQ(registeredResources(), before);

    // Released bundles can be taken up again, over and over.
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(PictureBundle({kAppDir}).picture(2019, QSize(50, 50)).has_value());
    }
    EXPECT_EQ(registeredResources(), before);
}

// The circuit sketch puts cells side by side on a 50-pixel grid; the lines
// only join if every cell reaches the edge midpoints its neighbours use.
TEST(PictureBundle, SketchCellsJoinAtTheEdgeMidpoints) {
    enum Edge { Left, Right, Top, Bottom };
    const struct {
        int number;
        std::vector<Edge> edges;
    } cells[] = {
        {2016, {Right, Bottom}}, {2019, {Left, Right}}, {2017, {Left, Right}},
        {2011, {Left, Right}},   {2020, {Left, Right}}, {2014, {Left, Right}},
        {2010, {Left}},          {2018, {Top, Right}},
    };
    for (const auto& cell : cells) {
        SCOPED_TRACE(cell.number);
        const QImage image = picture(kAppDir, cell.number);
        ASSERT_EQ(image.size(), QSize(50, 50));
        for (const Edge edge : cell.edges) {
            const QPoint point = edge == Left    ? QPoint(0, 25)
                                 : edge == Right ? QPoint(49, 25)
                                 : edge == Top   ? QPoint(25, 0)
                                                 : QPoint(25, 49);
            EXPECT_GT(qAlpha(image.pixel(point)), 128) << "edge " << edge;
        }
    }
}

TEST(ProgramPictures, AreCompiledIntoTheProgram) {
    const QStringList paths = {
        ":/program/hydrocalc.svg",
        ":/program/B1.svg",
        ":/program/B2.svg",
        ":/program/B3.svg",
        ":/program/glyphs/save-as.svg",
        ":/program/glyphs/save.svg",
        ":/program/glyphs/erase.svg",
        ":/program/glyphs/print.svg",
        ":/program/glyphs/help.svg",
        ":/program/glyphs/calculate.svg",
        ":/program/glyphs/reset.svg",
    };
    QStringList all = paths;
    for (int tab = 0; tab <= 6; ++tab) {
        all << QStringLiteral(":/program/tabs/%1.svg").arg(tab);
    }
    for (const QString& path : all) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(QSvgRenderer(path).isValid());
    }
    EXPECT_EQ(QSvgRenderer(QStringLiteral(":/program/B1.svg")).defaultSize(), QSize(370, 65));
}

// The valve page reads these files line by line: a name and five fields,
// each closed by a bar; the drawn curve must fit its own diagram.
TEST(BuildTreeData, ValveFilesBesideTheProgramAreWellFormed) {
    const QStringList types = {"DirectionalControlValve 4-3", "Double Check Valve", "Check Valve",
                               "Pilot Operated Check Valve"};
    for (const QString& type : types) {
        SCOPED_TRACE(type.toStdString());
        QFile file(kAppDir + "/valves/" + type + ".dat");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
        int lines = 0;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            SCOPED_TRACE(line.toStdString());
            ++lines;
            const QStringList parts = line.split('|');
            ASSERT_EQ(parts.size(), 7);
            EXPECT_FALSE(parts[0].trimmed().isEmpty());
            EXPECT_TRUE(parts[6].isEmpty());
            bool ok[5] = {};
            const int maxFlow = parts[1].trimmed().toInt(&ok[0]);
            const int maxDrop = parts[2].trimmed().toInt(&ok[1]);
            const double p0 = parts[3].trimmed().toDouble(&ok[2]);
            const double k = parts[4].trimmed().toDouble(&ok[3]);
            const int startFlow = parts[5].trimmed().toInt(&ok[4]);
            for (const bool field : ok) {
                EXPECT_TRUE(field);
            }
            EXPECT_GT(maxFlow, 0);
            // Within what the diagram draws (coarser steps where cells
            // would be narrower than the box allows).
            EXPECT_LE(maxFlow, kMaxDiagramFlow);
            EXPECT_GT(maxDrop, 0);
            EXPECT_LE(maxDrop, kMaxDiagramDrop);
            EXPECT_GE(startFlow, 0);
            EXPECT_LT(startFlow, maxFlow);
            EXPECT_GT(k, 0.0);
            EXPECT_GE(p0, 0.0);
            EXPECT_LT(k * maxFlow * maxFlow + p0, maxDrop);
        }
        EXPECT_GE(lines, 3);
    }
}

TEST(BuildTreeData, HelpIsBesideTheProgram) {
    QFile help(kAppDir + "/HCHelp.html");
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    EXPECT_TRUE(
        text.contains(QString::fromUtf8("<title>Hydraulic calculator – user manual</title>")));
}
