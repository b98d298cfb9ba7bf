#include "pages/SystemCompressPage.h"

#include <QLabel>
#include <QPushButton>

#include "model/InputError.h"
#include "model/SystemCompress.h"
#include "pages/SystemCurve.h"
#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"
#include "ui/HandlerGuard.h"

namespace {

enum Pair { Modulus, Volume, Rise, Bore, Rod, Stroke, Mass, DeadPiston, DeadRod };

constexpr int kStep = 26;
constexpr int kCylinderTop = 128;
constexpr int kCurveIntervals = 200;
// The curve rises without bound towards an end without dead volume; the
// axis shows up to this many times the lowest frequency.
constexpr double kCurveCeiling = 3.0;

std::vector<QuantityRow> pairTable() {
    const auto mm = units::Quantity::SmallLength;
    const auto cm3 = units::Quantity::SmallVolume;
    return {
        systemRow(SystemCompressPage::tr("Effective bulk modulus K"), units::Quantity::Pressure,
                  "edCompK", 8, "14000"),
        systemRow(SystemCompressPage::tr("Oil volume V"), units::Quantity::Volume, "edCompV", 56,
                  ""),
        systemRow(SystemCompressPage::tr("Pressure rise \u0394p"), units::Quantity::Pressure,
                  "edCompDp", 56 + kStep, ""),
        systemRow(SystemCompressPage::tr("Bore D"), mm, "edCompBore", kCylinderTop + 20, ""),
        systemRow(SystemCompressPage::tr("Rod d"), mm, "edCompRod", kCylinderTop + 20 + kStep, ""),
        systemRow(SystemCompressPage::tr("Stroke s"), mm, "edCompStroke",
                  kCylinderTop + 20 + 2 * kStep, ""),
        systemRow(SystemCompressPage::tr("Moving mass m"), units::Quantity::Mass, "edCompMass",
                  kCylinderTop + 20 + 3 * kStep, ""),
        systemRow(SystemCompressPage::tr("Dead volume, piston side"), cm3, "edCompDead1",
                  kCylinderTop + 20 + 4 * kStep, "0"),
        systemRow(SystemCompressPage::tr("Dead volume, rod side"), cm3, "edCompDead2",
                  kCylinderTop + 20 + 5 * kStep, "0"),
    };
}

QLabel* heading(QWidget* page, const QString& text, int top) {
    QLabel* label = addCaption(page, text, kSystemCaptionLeft, top);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->adjustSize();
    return label;
}

}  // namespace

SystemCompressPage::SystemCompressPage(PageServices& services,
                                       std::function<CylinderDefinition()> cylinder)
    : SystemCalculator(services, "tsCompress", "compressibility"), cylinder_(std::move(cylinder)) {
    addPairs(pairTable());
    field(Modulus)->setToolTip(
        tr("Oil alone about 14 000 to 16 000 %1; lower with hoses and entrained air")
            .arg(captionUnit(units::Quantity::Pressure)));
    heading(this, tr("Oil taken by compression"), 38);
    lblCompDV = addFigure("lblCompDV", QStringLiteral("\u0394V = V \u0394p / K"),
                          units::Quantity::SmallVolume, "%.1f", kSystemCaptionLeft + 4,
                          56 + 2 * kStep - 2, 184);
    heading(this, tr("Cylinder stiffness (single rod)"), kCylinderTop);
    btnCompFromCylinder = new QPushButton(tr("From the cylinder page"), this);
    btnCompFromCylinder->setObjectName(QStringLiteral("btnCompFromCylinder"));
    btnCompFromCylinder->setGeometry(kSystemUnitLeft + 30, kCylinderTop + 18, 140, 26);
    btnCompFromCylinder->setToolTip(tr("Bore, rod and stroke of the cylinder page"));
    addButtons("btnCompCalc", "btnCompReset", kSystemCaptionLeft,
               kCylinderTop + 20 + 6 * kStep + 4);

    const int left = 470;
    lblCompF0 = addResult(
        "lblCompF0",
        tr("Lowest natural frequency f0 [%1]").arg(captionUnit(units::Quantity::Frequency)), left,
        8, 210);
    lblCompX = addFigure("lblCompX", tr("at x from the retracted end"),
                         units::Quantity::SmallLength, "%.0f", left, 30, 210);
    pbCompCurve = new CurveBox(this, "pbCompCurve", QRect(left, 56, 486, 330));

    connectGuarded(btnCompFromCylinder, &QPushButton::clicked, this, services_,
                   [this] { btnCompFromCylinderClick(); });
}

void SystemCompressPage::btnCompFromCylinderClick() {
    const CylinderDefinition cylinder = cylinder_();
    if (!cylinder.pistonDiameter || !cylinder.rodDiameter) {
        services_.showMessage(tr("The cylinder page has no piston and rod diameters "
                                 "yet: define the cylinder there, or type them here."),
                              inputErrorTitle());
        return;
    }
    setFieldText(field(Bore), formatText("%2.2f", *cylinder.pistonDiameter));
    setFieldText(field(Rod), formatText("%2.2f", *cylinder.rodDiameter));
    if (cylinder.stroke) {
        setFieldText(field(Stroke), formatText("%2.2f", *cylinder.stroke));
    } else {
        services_.showMessage(tr("The cylinder page has no stroke yet: bore and rod "
                                 "are taken over, type the stroke here."),
                              inputErrorTitle());
    }
}

bool SystemCompressPage::groupGiven(std::initializer_list<int> pairs) const {
    for (int pair : pairs) {
        if (filled(pair)) {
            return true;
        }
    }
    return false;
}

void SystemCompressPage::calculate() {
    // Each part is calculated when any of its own fields is filled; an
    // empty field of a part begun is named in the message.
    const bool compression = groupGiven({Volume, Rise});
    const bool stiffness = groupGiven({Bore, Rod, Stroke, Mass});
    if (!compression && !stiffness) {
        throw InputError(tr("Give the oil volume and the pressure rise, or the cylinder's bore, "
                            "rod, stroke and moving mass")
                             .toStdString());
    }
    // Both parts are checked before either shows a result.
    std::optional<CompressionInputs> oil;
    if (compression) {
        oil = CompressionInputs{value(Volume), value(Rise), value(Modulus)};
    }
    std::optional<CylinderStiffnessInputs> cylinder;
    if (stiffness) {
        cylinder =
            CylinderStiffnessInputs{value(Bore),       value(Rod),     value(Stroke), value(Mass),
                                    value(DeadPiston), value(DeadRod), value(Modulus)};
    }
    std::optional<double> compressed;
    if (oil) {
        compressed = compressedVolume(*oil);
    }
    std::optional<CylinderStiffnessResult> lowest;
    std::vector<std::pair<double, double>> curve;
    if (cylinder) {
        lowest = lowestNaturalFrequency(*cylinder);
        curve = naturalFrequencyCurve(*cylinder, kCurveIntervals);
    }

    showFigure(lblCompDV, compressed);
    if (lowest) {
        lblCompF0->setText(formatText("%.2f", lowest->lowestFrequency));
        showFigure(lblCompX, lowest->position);
        CurvePlot plot;
        plot.yTitle = QStringLiteral("f0 [%1]").arg(captionUnit(units::Quantity::Frequency));
        for (const auto& [x, f] : curve) {
            plot.points.emplace_back(x, f);
        }
        plot.marker = QPointF(lowest->position, lowest->lowestFrequency);
        plot.yCeiling = kCurveCeiling * lowest->lowestFrequency;
        plot.xEnd = cylinder->stroke;
        curve_ = std::move(plot);
        drawCurve();
    } else {
        lblCompF0->setText(QStringLiteral("\u2014"));
        showFigure(lblCompX, std::nullopt);
        curve_.reset();
        pbCompCurve->setPlot(std::nullopt);
    }
    if (oil) {
        logReport(compressionReportRows(*oil, *compressed));
    }
    if (cylinder) {
        logReport(stiffnessReportRows(*cylinder, *lowest));
    }
}

void SystemCompressPage::clearShown() {
    showFigure(lblCompDV, std::nullopt);
    showFigure(lblCompX, std::nullopt);
    lblCompF0->setText(QStringLiteral("\u2014"));
    curve_.reset();
    pbCompCurve->setPlot(std::nullopt);
}

void SystemCompressPage::drawCurve() {
    if (!curve_) {
        return;
    }
    // The positions along the stroke in the page's length unit.
    const units::UnitSystem system = pairs_->unitSystem();
    const auto along = [system](double x) {
        return units::toDisplay(x, units::Quantity::SmallLength, system);
    };
    CurvePlot plot = *curve_;
    plot.xTitle = QStringLiteral("x [%1]").arg(unitText(units::Quantity::SmallLength));
    for (QPointF& point : plot.points) {
        point.setX(along(point.x()));
    }
    if (plot.marker) {
        plot.marker->setX(along(plot.marker->x()));
    }
    if (plot.xEnd) {
        plot.xEnd = along(*plot.xEnd);
    }
    pbCompCurve->setPlot(std::move(plot));
}

void SystemCompressPage::setUnitSystem(units::UnitSystem system) {
    SystemCalculator::setUnitSystem(system);
    drawCurve();
}
