#include "ui/PictureBundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

#include "ui/DataFiles.h"

namespace {

// Where the bundle's pictures appear while it is registered. A root of our own
// keeps them apart from the pictures compiled into the program.
const QString kMapRoot = QStringLiteral("/tormel-bundle");

// Keeps the bundle registered for as long as one picture is read, and no
// longer, whichever way the reading ends.
class BundleRegistration {
  public:
    explicit BundleRegistration(QString path)
        : path_(std::move(path)), registered_(QResource::registerResource(path_, kMapRoot)) {}
    ~BundleRegistration() {
        if (registered_) {
            QResource::unregisterResource(path_, kMapRoot);
        }
    }
    BundleRegistration(const BundleRegistration&) = delete;
    BundleRegistration& operator=(const BundleRegistration&) = delete;

    bool registered() const { return registered_; }

  private:
    QString path_;
    bool registered_;
};

QString picturePath(int number) {
    return QStringLiteral(":%1/%2.svg").arg(kMapRoot).arg(number);
}

ResourceNotFound notFound(int number) {
    // Thrown in the program's language: the window shows the message as it is.
    return ResourceNotFound(QCoreApplication::translate("PictureBundle", "Resource %1 not found")
                                .arg(number)
                                .toStdString());
}

}  // namespace

PictureBundle::PictureBundle(QStringList searchDirs) : searchDirs_(std::move(searchDirs)) {}

QStringList PictureBundle::defaultSearchDirs() {
    return QStringList{QCoreApplication::applicationDirPath()} + installedDataDirs();
}

QString PictureBundle::bundlePath() const {
    for (const QString& dir : searchDirs_) {
        const QFileInfo candidate(QDir(dir).filePath(QString::fromLatin1(kFileName)));
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

std::optional<QImage> PictureBundle::picture(int number, QSize size) const {
    const QString path = bundlePath();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    // A file that Qt cannot read as a bundle is as good as no bundle: the
    // program must run on without pictures.
    const BundleRegistration registration(path);
    if (!registration.registered()) {
        return std::nullopt;
    }

    const QString resource = picturePath(number);
    if (!QFile::exists(resource)) {
        throw notFound(number);
    }
    // The renderer reads the whole picture here, so the bundle may be released
    // as soon as this function returns.
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) {
        // An unreadable picture is no use to the caller either.
        throw notFound(number);
    }

    // Without a size (a control not laid out yet) the picture's own size serves.
    const QSize target = size.isEmpty() ? renderer.defaultSize() : size;
    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(target)));
    painter.end();
    return image;
}
