#include "app/Desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Launchers (xdg-open outside the big desktops among them) hand a local file
// to the browser as a path, which drops the "#section" of its address. A
// page without a fragment that forwards to the address keeps it; false when
// that page cannot be written.
bool openThroughForwardingPage(const QUrl& url) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return false;
    }
    QSaveFile page(QDir(folder).filePath(QStringLiteral("open-manual.html")));
    const QString target = url.toString(QUrl::FullyEncoded).toHtmlEscaped();
    const QByteArray html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
            "<meta http-equiv=\"refresh\" content=\"0; url=%1\">"
            "<title>%2</title></head>"
            "<body><p><a href=\"%1\">%3</a></p></body></html>\n")
            .arg(target,
                 QCoreApplication::translate("Desktop", "Hydraulic calculator manual")
                     .toHtmlEscaped(),
                 QCoreApplication::translate("Desktop", "Open the manual").toHtmlEscaped())
            .toUtf8();
    if (!page.open(QIODevice::WriteOnly) || page.write(html) != html.size() || !page.commit()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(page.fileName()));
}

}  // namespace

int Desktop::runDialog(QDialog& dialog) {
    return dialog.exec();
}

bool Desktop::openUrl(const QUrl& url) {
    if (url.isLocalFile() && url.hasFragment() && openThroughForwardingPage(url)) {
        return true;
    }
    return QDesktopServices::openUrl(url);
}

std::unique_ptr<QSettings> Desktop::settings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("hydrocalc"), QStringLiteral("hydrocalc"));
}

QString Desktop::dataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Desktop::documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
