#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// An empty folder of the test's own as the working folder, where the program
// looks for its data files first, so that the developer's files are never
// read; the previous working folder again when it goes.
class WorkingFolder {
  public:
    WorkingFolder() : previous_(QDir::currentPath()) {
        entered_ = folder_.isValid() && QDir::setCurrent(folder_.path());
    }
    ~WorkingFolder() { QDir::setCurrent(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    // False if the folder could not be made or entered.
    bool entered() const { return entered_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    bool write(const QString& name, const QByteArray& content) const {
        QFile file(filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

  private:
    QString previous_;
    QTemporaryDir folder_;
    bool entered_ = false;
};
