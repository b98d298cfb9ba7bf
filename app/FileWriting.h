#pragma once

#include <QString>

class QByteArray;
class QFileDevice;

// Writing a whole file so that a failure is never taken for success and is
// named by the system's reason ("No space left on device"). A short write
// sets no error of its own, and a failing flush inside QSaveFile::commit()
// still commits: both are caught here before the commit.

// Writes all of content to the open file and flushes it. Returns the
// system's reason on failure, empty on success.
QString writeWhole(QFileDevice& file, const QByteArray& content);

// Replaces fileName by content through a temporary file that takes the
// name only once it is complete: a failure leaves the old file as it was.
// Returns the system's reason on failure, empty on success.
QString saveWhole(const QString& fileName, const QByteArray& content);
