// A design file read and checked without a window: what a sound file holds
// comes back whole, and every kind of bad file is refused with a message
// naming what is wrong and where.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "app/DesignFile.h"
#include "tests/support/QtPrinters.h"

namespace {

DesignOutline outline() {
    DesignOutline pages;
    pages[QStringLiteral("tsPumpa")].itemCounts = {{QStringLiteral("RadioGroup1"), 6}};
    pages[QStringLiteral("tsUsputni")].itemCounts = {{QStringLiteral("cmbVrsta"), 6}};
    pages[QStringLiteral("tsLokalni")].names = {QStringLiteral("ComboBox1"),
                                                QStringLiteral("ListBox1")};
    pages[QStringLiteral("tbProst")];
    return pages;
}

DesignDocument sample() {
    DesignDocument design;
    design.program = QStringLiteral("Hydraulic calculator 1.0");
    design.fluid = {QStringLiteral("HLP 46"), FieldFigure{-10, 0}, FieldFigure{862, 0},
                    FieldFigure{46, 1}};
    PageState& pump = design.pages[QStringLiteral("tsPumpa")];
    pump.fields = {{QStringLiteral("edSnaga"), FieldFigure{10, 2}},
                   {QStringLiteral("edQ"), FieldFigure{60, 2}},
                   {QStringLiteral("edN"), std::nullopt}};
    pump.items = {{QStringLiteral("RadioGroup1"), 0}};
    pump.results = {{QStringLiteral("power"), 10.123456789012}};
    pump.computed = QStringLiteral("2026-12-08T09:30:00");
    PageState& valve = design.pages[QStringLiteral("tsLokalni")];
    valve.names = {{QStringLiteral("ComboBox1"), QStringLiteral("Check Valve")},
                   {QStringLiteral("ListBox1"), QStringLiteral("RV 10")}};
    PageState& circuit = design.pages[QStringLiteral("tbProst")];
    circuit.results = {{QStringLiteral("operationLine.tubeType"), 2},
                       {QStringLiteral("operationLine.diameter"), 16}};
    design.log = QStringLiteral("PUMP  Q = 60.00 l/min\n\u00B0C \"quoted\"\n");
    return design;
}

// The sample's JSON with one text replaced.
QByteArray sampleWith(const char* from, const char* to) {
    QByteArray json = designJson(sample());
    const QByteArray before = json;
    json.replace(from, to);
    EXPECT_NE(json, before) << "the sample has no " << from;
    return json;
}

TEST(DesignFile, ASoundFileComesBackAsItWasWrittenAndUnknownPartsAreLeftOut) {
    const DesignReading reading = readDesignJson(designJson(sample()), outline());
    ASSERT_TRUE(reading.document) << reading.problem.toStdString();
    EXPECT_EQ(*reading.document, sample());
    // The crash copy's one-line form reads the same.
    const QByteArray compact = designJson(sample(), true);
    EXPECT_FALSE(compact.contains('\n'));
    EXPECT_EQ(*readDesignJson(compact, outline()).document, sample());

    // A newer minor version with keys and pages this program does not know.
    const QByteArray newer = sampleWith("\"format\": \"1.0\"",
                                        "\"format\": \"1.7\", \"colour\": \"red\", "
                                        "\"pages\": {}, \"x\": {\"tsSystem\": {\"fields\": {}}}");
    const DesignReading later = readDesignJson(newer, outline());
    ASSERT_TRUE(later.document) << later.problem.toStdString();
    EXPECT_EQ(later.document->formatMinor, 7);
    // A choice of a page's that this program does not offer is no fault.
    const DesignReading unknownChoice =
        readDesignJson(sampleWith("\"RadioGroup1\": 0", "\"RadioGroup9\": 40"), outline());
    ASSERT_TRUE(unknownChoice.document) << unknownChoice.problem.toStdString();
    EXPECT_TRUE(unknownChoice.document->pages.at("tsPumpa").items.empty());
}

TEST(DesignFile, EveryKindOfBadFileIsRefusedNamingWhatAndWhere) {
    struct Case {
        const char* name;
        QByteArray json;
        const char* problem;
    };
    const QByteArray whole = designJson(sample());
    const Case cases[] = {
        {"no JSON", "PUMP  Q = 60.00 l/min", "the file is no design, or it is cut short"},
        {"cut short", whole.left(whole.size() / 2), "cut short"},
        {"no object", "[1, 2]", "holds no design object"},
        {"no format", sampleWith("\"format\"", "\"fromat\""), "At format: is missing"},
        {"newer format", sampleWith("\"format\": \"1.0\"", "\"format\": \"2.0\""),
         "At format: the file was written in format 2.0, by a newer version"},
        {"format no number", sampleWith("\"format\": \"1.0\"", "\"format\": \"one\""),
         "At format: \"one\" is no format version"},
        {"text for a figure", sampleWith("\"value\": 60", "\"value\": \"60\""),
         "At pages.tsPumpa.fields.edQ.value: a number is expected"},
        {"text for a field", sampleWith("\"edN\": null", "\"edN\": \"1200\""),
         "At pages.tsPumpa.fields.edN: a number is expected"},
        {"negative density", sampleWith("\"value\": 862", "\"value\": -862"),
         "At fluid.density.value: -862 is out of range (0 to 1e+09)"},
        {"too large", sampleWith("\"value\": 60", "\"value\": 6e12"), "out of range"},
        {"below absolute zero", sampleWith("\"value\": -10", "\"value\": -300"),
         "At fluid.temperature.value: -300 is out of range (-273.15 to 1e+09)"},
        {"infinite", sampleWith("\"value\": 60", "\"value\": 1e999"), "illegal number"},
        {"NaN", sampleWith("\"value\": 60", "\"value\": NaN"), "At character"},
        {"choice out of range", sampleWith("\"RadioGroup1\": 0", "\"RadioGroup1\": 6"),
         "At pages.tsPumpa.choices.RadioGroup1: 6 is out of range (-1 to 5)"},
        {"choice no whole number", sampleWith("\"RadioGroup1\": 0", "\"RadioGroup1\": 0.5"),
         "At pages.tsPumpa.choices.RadioGroup1: a whole number is expected"},
        {"tube type", sampleWith("\"operationLine.tubeType\": 2", "\"operationLine.tubeType\": 6"),
         "At pages.tbProst.results.operationLine.tubeType: 6 is out of range (0 to 5)"},
        {"result no number", sampleWith("\"power\": 10.123456789012", "\"power\": true"),
         "At pages.tsPumpa.results.power: a number is expected"},
        {"page no object", sampleWith("\"tsLokalni\": {", "\"tsLokalni\": 3, \"y\": {"),
         "At pages.tsLokalni: an object ({...}) is expected"},
        {"log no text", sampleWith("\"log\": \"PUMP", "\"log\": 5, \"z\": \"PUMP"),
         "At log: a text is expected"},
        {"valve type a path", sampleWith("\"Check Valve\"", "\"../../etc/passwd\""),
         "At pages.tsLokalni.names.ComboBox1: a valve type is a name, not a path"},
        {"other units", sampleWith("\"units\": \"metric\"", "\"units\": \"imperial\""),
         "At units: only \"metric\" designs can be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DesignReading reading = readDesignJson(c.json, outline());
        EXPECT_FALSE(reading.document);
        EXPECT_TRUE(reading.problem.contains(QString::fromUtf8(c.problem)))
            << reading.problem.toStdString();
    }
}

TEST(DesignFile, AHugeFileIsRefusedUnreadAndAMissingValveFileIsTakenOut) {
    QTemporaryDir folder;
    QFile huge(folder.filePath("huge.hcalc"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    // Sparse: 100 MB that take no room on the disk.
    ASSERT_TRUE(huge.resize(100LL * 1024 * 1024));
    huge.close();
    const DesignReading reading = readDesignFile(huge.fileName(), outline());
    EXPECT_FALSE(reading.document);
    EXPECT_TRUE(reading.problem.startsWith("The file is 100 MB, far larger than any design"))
        << reading.problem.toStdString();
    EXPECT_TRUE(readDesignFile(folder.filePath("none.hcalc"), outline())
                    .problem.contains("does not exist"));

    DesignDocument design = sample();
    design.pages.at("tsLokalni").names[QStringLiteral("ComboBox1")] = "No Such Valve";
    EXPECT_EQ(takeOutMissingValveFiles(design), QStringList{"No Such Valve.dat"});
    EXPECT_TRUE(design.pages.at("tsLokalni").names.empty());
    EXPECT_EQ(design.pages.at("tsPumpa"), sample().pages.at("tsPumpa"));
}

TEST(DesignFile, AFailedSaveSaysWhyAndLeavesTheOldFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath("design.hcalc");
    ASSERT_EQ(writeDesignFile(path, sample()), "");
    const QByteArray old = [&] {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }();
    // The folder is a file: nothing can be written in it.
    QFile blocker(folder.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_NE(writeDesignFile(folder.filePath("blocked/design.hcalc"), sample()), "");
    // The file is a folder: the save cannot replace it, and it stays.
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.hcalc"));
    EXPECT_NE(writeDesignFile(folder.filePath("taken.hcalc"), sample()), "");
    EXPECT_TRUE(QFileInfo(folder.filePath("taken.hcalc")).isDir());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
}

TEST(FieldFigures, AFieldComesBackWithTheDecimalsItShowed) {
    struct Case {
        const char* text;
        std::optional<FieldFigure> figure;
        const char* shown;
    };
    const Case cases[] = {
        {"75.00", FieldFigure{75, 2}, "75.00"},
        {"1200", FieldFigure{1200, 0}, "1200"},
        {"0.96", FieldFigure{0.96, 2}, "0.96"},
        {"2.5", FieldFigure{2.5, 1}, "2.5"},
        {"28,5", FieldFigure{28.5, -1}, "28.5"},
        {"1e3", FieldFigure{1000, -1}, "1000"},
        {"", std::nullopt, ""},
        {"1.2.3", std::nullopt, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto figure = figureOf(QString::fromLatin1(c.text));
        EXPECT_EQ(figure, c.figure);
        if (figure) {
            EXPECT_EQ(textOf(*figure), c.shown);
        }
    }
}

}  // namespace
