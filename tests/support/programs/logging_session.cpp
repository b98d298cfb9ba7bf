// Not a test: a calculator run that logs one report and then waits to be
// killed, for the tests of what a crash leaves behind.
//   logging_session HOME REPORT [erase|design]
// prints "logged" once the log's copy is on disk under HOME; with "erase" it
// then empties the log and prints "erased" once the copy has gone; with
// "design", it also changes the motor's pressure and waits for the design's copy.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextEdit>
#include <cstdio>

#include "app/Uhidromotor.h"
#include "pages/MotorPage.h"
#include "tests/support/ScriptedDesktop.h"
#include "ui/FieldAccess.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 3) {
        return 2;
    }
    auto scripted = std::make_unique<ScriptedDesktop>();
    scripted->home = QString::fromLocal8Bit(argv[1]);
    const QDir copies(scripted->dataFolder() + QStringLiteral("/recovery"));
    TfrmKalvorMain window(nullptr, std::move(scripted));
    window.pictures().setSearchDirs({});
    window.show();
    window.beginSession();
    window.appendToLog({argv[2]});
    const bool design = argc > 3 && QString::fromLocal8Bit(argv[3]) == QStringLiteral("design");
    if (design) {
        // The motor page is not in front at a first start: made as its tab makes it.
        setFieldText(window.page<MotorPage>().findChild<QWidget*>(QStringLiteral("edHMp")),
                     QStringLiteral("150.00"));
    }
    const QDir designCopies(copies.filePath(QStringLiteral("design")));

    QElapsedTimer waited;
    waited.start();
    while (copies.entryList({QStringLiteral("*.log")}, QDir::Files).isEmpty() ||
           (design && designCopies.entryList({QStringLiteral("*.log")}, QDir::Files).isEmpty())) {
        if (waited.elapsed() > 10000) {
            return 1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::puts("logged");
    std::fflush(stdout);
    if (argc > 3 && qstrcmp(argv[3], "erase") == 0) {
        window.findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->clear();
        while (!copies.entryList({QStringLiteral("*.log")}, QDir::Files).isEmpty()) {
            if (waited.elapsed() > 20000) {
                return 1;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        std::puts("erased");
        std::fflush(stdout);
    }
    return QApplication::exec();
}
