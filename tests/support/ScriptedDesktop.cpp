#include "tests/support/ScriptedDesktop.h"

#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QSettings>

ScriptedDesktop::ScriptedDesktop() {
    home = ownHome_.path();
}

int ScriptedDesktop::runDialog(QDialog& dialog) {
    Shown entry{QString::fromLatin1(dialog.metaObject()->className()), dialog.windowTitle(), {}};
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        entry.text = box->text();
        entry.detail = box->informativeText();
    }
    shown.push_back(entry);
    if (!answers_.empty()) {
        auto answer = std::move(answers_.front());
        answers_.pop_front();
        return answer(dialog);
    }
    if (qobject_cast<QMessageBox*>(&dialog) != nullptr) {
        return QMessageBox::Ok;
    }
    return QDialog::Rejected;
}

bool ScriptedDesktop::openUrl(const QUrl& url) {
    opened.push_back(url);
    return canOpen;
}

std::unique_ptr<QSettings> ScriptedDesktop::settings() {
    return std::make_unique<QSettings>(QDir(home).filePath(QStringLiteral("hydrocalc.conf")),
                                       QSettings::IniFormat);
}

QString ScriptedDesktop::dataFolder() {
    return QDir(home).filePath(QStringLiteral("data"));
}

QString ScriptedDesktop::documentsFolder() {
    return QDir(home).filePath(QStringLiteral("Documents"));
}
