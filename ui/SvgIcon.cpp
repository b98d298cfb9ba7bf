#include "ui/SvgIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <map>
#include <tuple>

namespace {

class SvgIconEngine : public QIconEngine {
  public:
    explicit SvgIconEngine(QString path) : path_(std::move(path)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = scaledPixmap(rect.size(), mode, state, ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override {
        const QSize pixels = (QSizeF(size) * scale).toSize();
        const auto key = std::make_tuple(pixels.width(), pixels.height(), static_cast<int>(mode));
        if (auto found = cache_.find(key); found != cache_.end()) {
            return found->second;
        }
        QPixmap pixmap = render(pixels);
        pixmap.setDevicePixelRatio(scale);
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        cache_[key] = pixmap;
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine* clone() const override { return new SvgIconEngine(path_); }
    QString key() const override { return QStringLiteral("SvgIconEngine"); }
    bool isNull() override { return path_.isEmpty(); }

  private:
    // The picture in the middle of the square, its proportions kept.
    QPixmap render(QSize pixels) const {
        QPixmap pixmap(pixels.expandedTo(QSize(1, 1)));
        pixmap.fill(Qt::transparent);
        QSvgRenderer renderer(path_);
        if (renderer.isValid()) {
            QSizeF picture = renderer.defaultSize();
            picture.scale(QSizeF(pixmap.size()), Qt::KeepAspectRatio);
            const QPointF corner((pixmap.width() - picture.width()) / 2,
                                 (pixmap.height() - picture.height()) / 2);
            QPainter painter(&pixmap);
            renderer.render(&painter, QRectF(corner, picture));
        }
        return pixmap;
    }

    QString path_;
    std::map<std::tuple<int, int, int>, QPixmap> cache_;
};

}  // namespace

QIcon svgIcon(const QString& path) {
    return QIcon(new SvgIconEngine(path));
}
