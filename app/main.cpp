#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>
#include <exception>

#include "app/About.h"
#include "app/CommandLine.h"
#include "app/Desktop.h"
#include "app/Language.h"
#include "app/Uhidromotor.h"
#include "ui/ModelText.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = answerOnConsole(argc, argv)) {
        return *answered;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hidraulic Calculator"));
    QApplication::setApplicationVersion(programVersion());
    QApplication::setDesktopFileName(QStringLiteral("hydrocalc"));
    // Before the window is built: every text is translated as it is made.
    QTranslator translator;
    if (loadTranslation(translator, translationCode(savedLanguage(*Desktop().settings())))) {
        QApplication::installTranslator(&translator);
    }
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
        QMessageBox::critical(nullptr, QApplication::translate("main", "Hidraulic Calculator"),
                              faultText(failure));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::translate("main", "Hidraulic Calculator"),
                              QString());
    }
    return 1;
}
