#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>

#include "app/About.h"

namespace {

bool asksTheConsole(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::optional<int> answerOnConsole(int argc, char** argv) {
    // The window's application object needs a display; the console's does not.
    if (!asksTheConsole(argc, argv)) {
        return std::nullopt;
    }
    QCoreApplication console(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hydrocalc"));
    QCoreApplication::setApplicationVersion(programVersion());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("%1: pump, hydraulic motor, cylinders, pressure drops of pipes, hoses "
                       "and valves, a simple circuit and a results log. Without options it "
                       "opens its window.")
            .arg(programTitle()));
    parser.addPositionalArgument(QStringLiteral("design"),
                                 QStringLiteral("A design (.hcalc) to open."),
                                 QStringLiteral("[design.hcalc]"));
    parser.addHelpOption();
    parser.addVersionOption();
    // Exits with the help or the version, or with the error of an unknown option.
    parser.process(console);
    return 0;
}

QString designFileArgument(const QStringList& arguments) {
    bool optionsEnd = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!optionsEnd && argument == QStringLiteral("--")) {
            optionsEnd = true;
        } else if (optionsEnd || !argument.startsWith(QLatin1Char('-'))) {
            return argument;
        }
    }
    return {};
}
