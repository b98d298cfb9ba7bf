// Saves a picture of every page of the main window, to look at what a user
// sees: grab_pages OUTPUT_FOLDER [BUNDLE_FOLDER]
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include "app/Uhidromotor.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    TfrmKalvorMain window;
    if (argc > 2) {
        window.pictures().setSearchDirs({QString::fromLocal8Bit(argv[2])});
    }
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return 1;
    }
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(50);
        const QString name = pages->widget(i)->objectName();
        if (!window.grab().save(out.filePath(name + QStringLiteral(".png")))) {
            return 1;
        }
    }
    return 0;
}
