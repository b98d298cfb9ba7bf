#include "app/FileWriting.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileDevice>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

// errno must be read right after the call that failed, before anything else
// can change it.
QString reasonOf(const QFileDevice& file, int systemError) {
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    if (systemError != 0) {
        return QString::fromLocal8Bit(std::strerror(systemError));
    }
    return QCoreApplication::translate("FileWriting", "The file was not written completely.");
}

}  // namespace

QString writeWhole(QFileDevice& file, const QByteArray& content) {
    qint64 written = 0;
    while (written < content.size()) {
        errno = 0;
        // A short count carries no error; the next write of the rest fails
        // with the reason.
        const qint64 now = file.write(content.constData() + written, content.size() - written);
        const int systemError = errno;
        if (now <= 0) {
            return reasonOf(file, systemError);
        }
        written += now;
    }
    errno = 0;
    if (!file.flush()) {
        return reasonOf(file, errno);
    }
    return {};
}

QString saveWhole(const QString& fileName, const QByteArray& content) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (QString failure = writeWhole(file, content); !failure.isEmpty()) {
        file.cancelWriting();
        return failure;
    }
    errno = 0;
    if (!file.commit()) {
        return reasonOf(file, errno);
    }
    return {};
}
