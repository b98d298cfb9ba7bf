#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <unordered_map>

class QWidget;

// Keeps a window of hand-placed controls in its arrangement at any size: every
// control placed by hand (not by a layout or by the composite widget it is
// part of) moves and grows with the window, x with its width and y with its
// height, and every font and icon grows with the smaller of the two. At the size the
// arrangement was made for, everything stands exactly where it was placed.
//
// A control's place and font as its page made them are its base; a control
// made or moved by its page since the last arrangement (so at the base
// scale) takes its new place as its base.
class ScaledArrangement {
  public:
    ScaledArrangement(QWidget& root, QSize base);

    // Places every control below the root for the root's present size.
    void apply();

    // Width and height of the root over the base size; the fonts' scale.
    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }
    double fontScale() const { return std::min(scaleX_, scaleY_); }

    // True where the parent places the child itself (a tab widget its pages,
    // a scroll area its viewport, a layout its items).
    static bool placedByParent(const QWidget& child);

  private:
    struct Placed {
        QPointer<QWidget> widget;
        QRect base;
        QRect applied;
    };
    struct Lettered {
        QPointer<QWidget> widget;
        QFont base;
        QFont applied;
    };
    struct Iconed {
        QPointer<QWidget> widget;
        QSize base;
        QSize applied;
    };

    QRect scaled(const QRect& base) const;
    QFont scaledFont(const QFont& base) const;
    void place(QWidget& widget);
    void letter(QWidget& widget);
    void iconSize(QWidget& widget, QSize present);

    QWidget& root_;
    QSize base_;
    QFont rootFont_;
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    std::unordered_map<const QWidget*, Placed> placed_;
    std::unordered_map<const QWidget*, Lettered> lettered_;
    std::unordered_map<const QWidget*, Iconed> iconed_;
};
