#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/About.h"
#include "app/CommandLine.h"
#include "app/Uhidromotor.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = answerOnConsole(argc, argv)) {
        return *answered;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hidraulic Calculator"));
    QApplication::setApplicationVersion(programVersion());
    QApplication::setDesktopFileName(QStringLiteral("hydrocalc"));
    try {
        TfrmKalvorMain frmKalvorMain;
        frmKalvorMain.show();
        // After the showing, so that a question about an earlier log stands
        // over the window it concerns.
        frmKalvorMain.beginSession();
        // A design named on the command line (a double click in a file manager).
        const QString design = designFileArgument(QApplication::arguments());
        if (!design.isEmpty()) {
            frmKalvorMain.openDesignFile(design);
        }
        return QApplication::exec();
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromUtf8(failure.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString());
    }
    return 1;
}
