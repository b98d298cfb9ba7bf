#include "app/LogRecovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QUuid>
#include <algorithm>

namespace {

const QString kCopySuffix = QStringLiteral(".log");
const QString kLockSuffix = QStringLiteral(".lock");

// Only the process's end may free a lock: an old lock is no stale lock, as
// the calculator may well run for days.
std::unique_ptr<QLockFile> lockFor(const QString& copyPath) {
    auto lock = std::make_unique<QLockFile>(copyPath.left(copyPath.size() - kCopySuffix.size()) +
                                            kLockSuffix);
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

struct LogRecovery::Claimed {
    QString path;
    std::unique_ptr<QLockFile> lock;
};

LogRecovery::LogRecovery(QString folder)
    : folder_(std::move(folder)),
      name_(QStringLiteral("log-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

LogRecovery::~LogRecovery() = default;

QString LogRecovery::keep(const QString& text) {
    const QString path = QDir(folder_).filePath(name_ + kCopySuffix);
    if (text.isEmpty()) {
        QFile::remove(path);
        return {};
    }
    if (!lock_) {
        if (!QDir().mkpath(folder_)) {
            return QStringLiteral("Cannot make the folder %1").arg(folder_);
        }
        // The lock comes before the copy, so a copy without a live lock is
        // always one whose program has gone.
        auto lock = lockFor(path);
        if (!lock->tryLock(0)) {
            return QStringLiteral("Cannot lock %1 (error %2)")
                .arg(lock->fileName())
                .arg(int(lock->error()));
        }
        lock_ = std::move(lock);
    }
    QSaveFile file(path);
    const QByteArray content = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(content) != content.size()) {
        const QString failure = file.errorString();
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

void LogRecovery::discard() {
    QFile::remove(QDir(folder_).filePath(name_ + kCopySuffix));
    lock_.reset();
}

QString LogRecovery::claimOrphans() {
    const QFileInfoList copies = QDir(folder_).entryInfoList(
        {QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    QStringList texts;
    for (const QFileInfo& copy : copies) {
        const QString path = copy.absoluteFilePath();
        const bool own = copy.completeBaseName() == name_;
        const bool claimed = std::any_of(claimed_.begin(), claimed_.end(),
                                         [&](const Claimed& c) { return c.path == path; });
        if (own || claimed) {
            continue;
        }
        auto lock = lockFor(path);
        if (!lock->tryLock(0)) {
            continue;  // its program still runs
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QString text = QString::fromUtf8(file.readAll());
        if (!text.isEmpty()) {
            texts << text;
        }
        claimed_.push_back({path, std::move(lock)});
    }
    return texts.join(QLatin1Char('\n'));
}

void LogRecovery::dropOrphans() {
    for (Claimed& orphan : claimed_) {
        QFile::remove(orphan.path);
    }
    claimed_.clear();
}

void LogRecovery::releaseOrphans() {
    claimed_.clear();
}
