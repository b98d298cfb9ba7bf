#include "app/WorkingFluidPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "model/fluids.h"
#include "ui/ClickableLabel.h"
#include "ui/FieldWidgets.h"
#include "ui/ModelText.h"
#include "ui/SvgIcon.h"
#include "ui/UpDown.h"

WorkingFluidPanel::WorkingFluidPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    GroupBox1 = new QGroupBox(tr("Working fluid"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 2, 859, 110);
    QWidget* box = GroupBox1;

    addCaption(box, tr("Type"), 8, 32);
    // The fluids of the table, then figures typed by hand. No fluid is
    // chosen at start: the fields hold the start values until the user picks.
    // Each item keeps its untranslated name as its key: the grade names are
    // the same in every language, "User defined" is not.
    QStringList keys;
    for (const FluidGrade& fluid : fluidTable()) {
        keys << QString::fromStdString(fluid.name);
    }
    QStringList shown = keys;
    keys << userDefinedFluidKey();
    shown << tr("User defined");
    cmbUlje = addComboField(box, "cmbUlje", 80, 32, 145, 0, shown);
    for (int index = 0; index < cmbUlje->count(); ++index) {
        cmbUlje->setItemData(index, keys.at(index), kFluidKeyRole);
    }
    cmbUlje->setEditable(false);
    cmbUlje->setCurrentIndex(-1);
    cmbUlje->setMaxVisibleItems(16);

    lblTemperature = addCaption(box, tr("Temp. [°C]"), 8, 60);
    edTemperatura = addEditField(box, "edTemperatura", 80, 60, 49, 0);
    edTemperatura->setText(QStringLiteral("40"));
    edTemperatura->setToolTip(tr("Working temperature of the fluid, -20 to 120 °C"));
    UpDown3 = new UpDown(edTemperatura, -20, 120, 5, 40, box);
    UpDown3->setObjectName(QStringLiteral("UpDown3"));
    UpDown3->setGeometry(129, 57, 17, 21);

    lblDensity = addCaption(box, tr("Density [kg/m3]"), 256, 32);
    Edit1 = addEditField(box, "Edit1", 416, 32, 49, 0);
    Edit1->setText(QStringLiteral("840"));
    UpDown2 = new UpDown(Edit1, 800, 1100, 2, 840, box);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown2->setGeometry(465, 29, 17, 21);

    lblViscosity = addCaption(box, tr("Kinematic viscosity [mm2/s]"), 256, 64);
    Edit2 = addEditField(box, "Edit2", 416, 64, 49, 0);
    Edit2->setText(QStringLiteral("12"));
    UpDown1 = new UpDown(Edit2, 1, 1000, 2, 12, box);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(465, 61, 17, 21);

    grOpcije = new QGroupBox(tr("Options"), box);
    grOpcije->setObjectName(QStringLiteral("grOpcije"));
    grOpcije->setGeometry(496, 16, 241, 89);
    chBelezi = new QCheckBox(tr("Write calculations"), grOpcije);
    chBelezi->setObjectName(QStringLiteral("chBelezi"));
    chBelezi->setChecked(true);
    chBelezi->setGeometry(8, 20, 225, 20);
    cbUnits = addComboField(grOpcije, "cbUnits", 8, 42, 225, 0,
                            {tr("Metric (bar, l/min, mm)"), tr("US customary (psi, gpm, in)")});
    cbUnits->setEditable(false);
    cbUnits->setCurrentIndex(0);
    cbUnits->setToolTip(tr("The units the pages show; the figures stay as they are"));
    // In the order of LanguageChoice.
    cbLanguage = addComboField(grOpcije, "cbLanguage", 8, 66, 225, 0,
                               {tr("System default"), tr("English"), tr("Srpski")});
    cbLanguage->setEditable(false);
    cbLanguage->setCurrentIndex(0);
    cbLanguage->setToolTip(
        tr("The language of the window and of new log entries, from the next start"));

    spdHelp = new QToolButton(box);
    spdHelp->setObjectName(QStringLiteral("spdHelp"));
    spdHelp->setIcon(svgIcon(QStringLiteral(":/program/glyphs/help.svg")));
    spdHelp->setText(QStringLiteral("?"));
    spdHelp->setAutoRaise(true);
    spdHelp->setToolTip(tr("Help me .."));
    spdHelp->setGeometry(828, 16, 23, 22);

    btnExit = new QPushButton(tr("Exit"), box);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->setGeometry(760, 64, 91, 33);

    // Its text and hint are the main window's: they follow the project's web page.
    StaticText1 = new ClickableLabel(QString(), box);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    QFont linkFont = StaticText1->font();
    linkFont.setItalic(true);
    linkFont.setPixelSize(16);
    StaticText1->setFont(linkFont);
    StaticText1->setStyleSheet(QStringLiteral("color: red;"));
    StaticText1->setCursor(Qt::PointingHandCursor);
    StaticText1->setGeometry(8, 84, 230, 22);
}

void WorkingFluidPanel::captionUnits(units::UnitSystem system) {
    const auto unit = [system](units::Quantity quantity) {
        // Spelled as the pages' fields spell it.
        return QStringLiteral(" [") + shownUnit(units::displayUnit(quantity, system).display) +
               QLatin1Char(']');
    };
    // In metric the captions keep their plain spellings.
    if (system == units::kMetric) {
        recaption(lblTemperature, tr("Temp. [°C]"));
        recaption(lblDensity, tr("Density [kg/m3]"));
        recaption(lblViscosity, tr("Kinematic viscosity [mm2/s]"));
        return;
    }
    recaption(lblTemperature, tr("Temp.") + unit(units::Quantity::Temperature));
    recaption(lblDensity, tr("Density") + unit(units::Quantity::Density));
    recaption(lblViscosity, tr("Kinematic viscosity") + unit(units::Quantity::KinematicViscosity));
}

QString userDefinedFluidKey() {
    return QString::fromUtf8(kUserDefinedFluid.data(),
                             static_cast<qsizetype>(kUserDefinedFluid.size()));
}

QString WorkingFluidPanel::fluidKey() const {
    return cmbUlje->currentData(kFluidKeyRole).toString();
}

bool WorkingFluidPanel::chooseFluid(const QString& key) {
    const int index = key.isEmpty() ? -1 : cmbUlje->findData(key, kFluidKeyRole);
    if (index >= 0) {
        cmbUlje->setCurrentIndex(index);
    }
    return index >= 0;
}
