#include "app/Desktop.h"

#include <QDesktopServices>
#include <QDialog>
#include <QUrl>

int Desktop::runDialog(QDialog& dialog) {
    return dialog.exec();
}

bool Desktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
