#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

// What a curve box shows: one curve over an axis pair, each axis titled with
// its unit, an optional level line (a limit) and an optional marked point.
struct CurvePlot {
    QString xTitle;  // e.g. "time [min]"
    QString yTitle;
    std::vector<QPointF> points;
    std::optional<double> level;  // a horizontal line at this y
    QString levelCaption;
    std::optional<QPointF> marker;
    // The y axis ends here at most, where a curve runs off to no bound at
    // its ends (the curve is clipped there).
    std::optional<double> yCeiling;
    // The x axis's end where the points stop short of it (an end left out).
    std::optional<double> xEnd;
};

// Steps of 1, 2 or 5 times a power of ten that divide the span into at most
// `most` parts: axes numbered so they read at a glance.
double niceStep(double span, int most);

// The paint box of a system calculator's curve. It draws the plot it was
// given and computes nothing; empty, it shows its frame only.
class CurveBox : public QWidget {
    Q_OBJECT
  public:
    CurveBox(QWidget* parent, const char* name, const QRect& geometry);

    void setPlot(std::optional<CurvePlot> plot);
    const std::optional<CurvePlot>& plot() const { return plot_; }

    // The largest y the axis shows: the curve's, the level's and the marker's
    // highest, rounded up to a step, and not above the ceiling.
    static double axisTop(const CurvePlot& plot);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<CurvePlot> plot_;
};
