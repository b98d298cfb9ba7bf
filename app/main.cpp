#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/Uhidromotor.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hidraulic Calculator"));
    QApplication::setDesktopFileName(QStringLiteral("hydrocalc"));
    try {
        TfrmKalvorMain frmKalvorMain;
        frmKalvorMain.show();
        return QApplication::exec();
    } catch (const std::exception& failure) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromUtf8(failure.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString());
    }
    return 1;
}
