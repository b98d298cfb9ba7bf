#include "app/LogRecovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QUuid>
#include <algorithm>

#include "app/FileWriting.h"

namespace {

const QString kCopySuffix = QStringLiteral(".log");
const QString kLockSuffix = QStringLiteral(".lock");
// Beside an adopting window's copy while it takes over older copies: their
// names, one a line. A copy with such a note holds the listed copies' texts,
// so a start that finds both restores only the adopting one.
const QString kJoinsSuffix = QStringLiteral(".joins");

// Only the process's end may free a lock: an old lock is no stale lock, as
// the calculator may well run for days.
std::unique_ptr<QLockFile> lockNamed(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    lock->setStaleLockTime(0);
    return lock;
}

QString baseOf(const QString& path, const QString& suffix) {
    return path.left(path.size() - suffix.size());
}

QStringList joinedNames(const QString& joinsPath) {
    QFile notes(joinsPath);
    if (!notes.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(notes.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

struct LogRecovery::Claimed {
    QString name;  // without folder and extension
    QString text;
    std::unique_ptr<QLockFile> lock;
};

LogRecovery::LogRecovery(QString folder)
    : folder_(std::move(folder)),
      name_(QStringLiteral("log-") + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

LogRecovery::~LogRecovery() = default;

QString LogRecovery::pathOf(const QString& name, const QString& suffix) const {
    return QDir(folder_).filePath(name + suffix);
}

QString LogRecovery::keep(const QString& text) {
    const QString path = pathOf(name_, kCopySuffix);
    if (text.isEmpty()) {
        QFile::remove(path);
        // No copy, no lock: nothing of this run stays behind a kill.
        lock_.reset();
        // The restored text has been erased by the user: nothing to restore.
        if (adopting_) {
            dropOrphans();
        }
        return {};
    }
    if (QString failure = lockOwnCopy(); !failure.isEmpty()) {
        return failure;
    }
    if (!adopting_) {
        return saveWhole(path, text.toUtf8());
    }
    QStringList names;
    for (const Claimed& orphan : claimed_) {
        names << orphan.name;
    }
    // The note first: a copy of this window never stands beside the copies
    // it holds without saying so.
    const QString joins = pathOf(name_, kJoinsSuffix);
    if (QString failure = saveWhole(joins, names.join(QLatin1Char('\n')).toUtf8());
        !failure.isEmpty()) {
        return failure;
    }
    if (QString failure = saveWhole(path, text.toUtf8()); !failure.isEmpty()) {
        QFile::remove(joins);
        return failure;
    }
    dropOrphans();
    QFile::remove(joins);
    return {};
}

QString LogRecovery::lockOwnCopy() {
    if (lock_) {
        return {};
    }
    if (!QDir().mkpath(folder_)) {
        return tr("Cannot make the folder %1").arg(folder_);
    }
    // The lock comes before the copy, so a copy without a live lock is
    // always one whose program has gone.
    auto lock = lockNamed(pathOf(name_, kLockSuffix));
    if (!lock->tryLock(0)) {
        return tr("Cannot lock %1 (error %2)").arg(lock->fileName()).arg(int(lock->error()));
    }
    lock_ = std::move(lock);
    return {};
}

QString LogRecovery::adoptOrphans(const QString& text) {
    adopting_ = !claimed_.empty();
    return keep(text);
}

void LogRecovery::discard() {
    // A clean exit: the user has saved or discarded the restored text too.
    if (adopting_) {
        dropOrphans();
    }
    QFile::remove(pathOf(name_, kCopySuffix));
    QFile::remove(pathOf(name_, kJoinsSuffix));
    lock_.reset();
}

QString LogRecovery::claimOrphans() {
    sweepLeftovers();
    const QFileInfoList copies = QDir(folder_).entryInfoList(
        {QStringLiteral("*") + kCopySuffix}, QDir::Files, QDir::Time | QDir::Reversed);
    const std::size_t firstNew = claimed_.size();
    for (const QFileInfo& copy : copies) {
        const QString name = copy.completeBaseName();
        const bool claimed = std::any_of(claimed_.begin(), claimed_.end(),
                                         [&](const Claimed& c) { return c.name == name; });
        if (name == name_ || claimed) {
            continue;
        }
        auto lock = lockNamed(pathOf(name, kLockSuffix));
        if (!lock->tryLock(0)) {
            continue;  // its program still runs
        }
        QFile file(copy.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        claimed_.push_back({name, QString::fromUtf8(file.readAll()), std::move(lock)});
    }
    // A copy that an adopting run noted as taken over is in that run's copy
    // already: claimed, so that it goes, but not restored a second time.
    QSet<QString> held;
    for (std::size_t i = firstNew; i < claimed_.size(); ++i) {
        for (const QString& joined : joinedNames(pathOf(claimed_[i].name, kJoinsSuffix))) {
            held.insert(joined);
        }
    }
    QStringList texts;
    for (std::size_t i = firstNew; i < claimed_.size(); ++i) {
        if (!held.contains(claimed_[i].name) && !claimed_[i].text.isEmpty()) {
            texts << claimed_[i].text;
        }
    }
    return texts.join(QLatin1Char('\n'));
}

void LogRecovery::sweepLeftovers() {
    const QDir folder(folder_);
    for (const QString& suffix : {kLockSuffix, kJoinsSuffix}) {
        for (const QString& entry :
             folder.entryList({QStringLiteral("*") + suffix}, QDir::Files | QDir::Hidden)) {
            const QString name = baseOf(entry, suffix);
            if (name == name_ || QFile::exists(pathOf(name, kCopySuffix))) {
                continue;
            }
            // Taking the lock proves its program gone; letting it go
            // removes the lock file.
            auto lock = lockNamed(pathOf(name, kLockSuffix));
            if (lock->tryLock(0)) {
                QFile::remove(pathOf(name, kJoinsSuffix));
            }
        }
    }
}

void LogRecovery::dropOrphans() {
    for (const Claimed& orphan : claimed_) {
        QFile::remove(pathOf(orphan.name, kCopySuffix));
        QFile::remove(pathOf(orphan.name, kJoinsSuffix));
    }
    // The locks go with their copies.
    claimed_.clear();
    adopting_ = false;
}

void LogRecovery::releaseOrphans() {
    claimed_.clear();
    adopting_ = false;
}
