#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <vector>

class QLockFile;

// A copy of the results log kept on disk while it holds work that was never
// saved, so that a crash, a kill or a power cut loses nothing. Each running
// window keeps its own copy, guarded by a lock that dies with its process: a
// copy whose lock can be taken was left behind by a program that did not end
// cleanly. Two calculators open at once never see each other's copies.
class LogRecovery {
    Q_DECLARE_TR_FUNCTIONS(LogRecovery)

  public:
    explicit LogRecovery(QString folder);
    ~LogRecovery();
    LogRecovery(const LogRecovery&) = delete;
    LogRecovery& operator=(const LogRecovery&) = delete;

    // Replaces this window's copy with text, atomically; an empty text
    // removes it, lock and all. Returns the system's error text, empty on
    // success.
    QString keep(const QString& text);
    // keep() for a text that holds the claimed copies' texts: once this
    // window's copy is written, the claimed copies go. A kill on the way
    // leaves either the old copies or the new one to restore, never both.
    // Until a copy has been written the claims stay, and the next keep()
    // takes them over; an empty text or discard() lets them go.
    QString adoptOrphans(const QString& text);
    // A clean exit: the copy goes.
    void discard();

    // The logs left behind by programs that ended without a clean exit, the
    // oldest first, joined by blank lines; empty when there are none. The
    // copies stay claimed by this window until dropOrphans(). Locks and
    // notes left by such programs without a copy of theirs are removed.
    QString claimOrphans();
    // Removes the claimed copies, once their text is safe elsewhere.
    void dropOrphans();
    // Leaves the claimed copies for the next start.
    void releaseOrphans();

    QString folder() const { return folder_; }

  private:
    struct Claimed;

    QString pathOf(const QString& name, const QString& suffix) const;
    // Takes this window's lock if it has none; the system's error text.
    QString lockOwnCopy();
    // Removes what programs that are gone left without a copy.
    void sweepLeftovers();

    QString folder_;
    QString name_;  // this window's copy, without folder and extension
    std::unique_ptr<QLockFile> lock_;
    std::vector<Claimed> claimed_;
    // The log holds the claimed copies' texts: they go once it is kept.
    bool adopting_ = false;
};
