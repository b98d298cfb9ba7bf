#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// The bundle holds a picture for a number but not this one.
class ResourceNotFound : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The picture bundle tormel.rcc: pictures by number, kept outside the program
// so that the program runs without it. The bundle is registered only while one
// picture is read and released right after.
class PictureBundle {
  public:
    static constexpr const char* kFileName = "tormel.rcc";

    // Looks for the bundle in these folders, first match wins.
    explicit PictureBundle(QStringList searchDirs = defaultSearchDirs());

    // Beside the program, then the installed data folder.
    static QStringList defaultSearchDirs();

    void setSearchDirs(QStringList dirs) { searchDirs_ = std::move(dirs); }
    const QStringList& searchDirs() const { return searchDirs_; }

    // The bundle's path, or an empty text when there is none.
    QString bundlePath() const;

    // The picture with the number, rendered at the size. No bundle: nothing,
    // silently. A bundle without that number: throws ResourceNotFound.
    std::optional<QImage> picture(int number, QSize size) const;

  private:
    QStringList searchDirs_;
};
