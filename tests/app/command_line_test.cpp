#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace {

// The program answers on the console without a display: with no display and
// the X11 platform forced, any window (or application object for one) would
// end the program with an error instead.
TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    struct Case {
        QStringList arguments;
        int exitCode;
        const char* output;  // begins the standard output, or the error output on failure
    };
    const Case cases[] = {
        {{"--version"}, 0, "hydrocalc 1.0"},
        {{"-v"}, 0, "hydrocalc 1.0"},
        {{"--help"}, 0, "Usage: "},
        {{"--version", "--colour"}, 1, "hydrocalc: Unknown option 'colour'."},
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(HYDROCALC_BUILD_APP_DIR "/hydrocalc"), c.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode);
        const QByteArray said =
            c.exitCode == 0 ? program.readAllStandardOutput() : program.readAllStandardError();
        EXPECT_TRUE(said.startsWith(c.output)) << said.toStdString();
    }
}

}  // namespace
