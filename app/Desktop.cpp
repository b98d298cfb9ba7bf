#include "app/Desktop.h"

#include <QDesktopServices>
#include <QDialog>
#include <QUrl>

int Desktop::runDialog(QDialog& dialog) {
    return dialog.exec();
}

void Desktop::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
