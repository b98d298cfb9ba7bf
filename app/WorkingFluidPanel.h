#pragma once

#include <QWidget>

#include "model/Quantity.h"

class ClickableLabel;
class QCheckBox;
class QLabel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class UpDown;

// The key of "User defined" among the fluids (its text on screen is translated).
QString userDefinedFluidKey();

// The panel below the pages: the working fluid (type, density, viscosity),
// the option that sends reports to the log, help, the web link and "Exit".
// It only holds the controls; the main window reacts to them.
class WorkingFluidPanel : public QWidget {
    Q_OBJECT
  public:
    explicit WorkingFluidPanel(QWidget* parent);

    // The captions of the fluid's figures in the system's units.
    void captionUnits(units::UnitSystem system);

    // The chosen fluid as settings and designs keep it, the same in every
    // language: a grade's name or userDefinedFluidKey(); empty when none is
    // chosen.
    QString fluidKey() const;
    // Chooses the fluid of that key; false (and nothing changed) when the
    // panel has none such.
    bool chooseFluid(const QString& key);

    QGroupBox* GroupBox1 = nullptr;
    QComboBox* cmbUlje = nullptr;
    QLineEdit* edTemperatura = nullptr;  // working temperature, °C
    UpDown* UpDown3 = nullptr;
    QLineEdit* Edit1 = nullptr;  // density, kg/m3
    UpDown* UpDown2 = nullptr;
    QLineEdit* Edit2 = nullptr;  // kinematic viscosity, mm2/s
    UpDown* UpDown1 = nullptr;
    QGroupBox* grOpcije = nullptr;
    QCheckBox* chBelezi = nullptr;
    // The unit system the pages show: metric first, then US customary.
    QComboBox* cbUnits = nullptr;
    // The language: the system's, English or Serbian (see LanguageChoice).
    QComboBox* cbLanguage = nullptr;
    QLabel* lblTemperature = nullptr;
    QLabel* lblDensity = nullptr;
    QLabel* lblViscosity = nullptr;
    QToolButton* spdHelp = nullptr;
    ClickableLabel* StaticText1 = nullptr;
    QPushButton* btnExit = nullptr;

  private:
    static constexpr int kFluidKeyRole = Qt::UserRole;
};
