// Saves a picture of every page of the main window, to look at what a user
// sees: grab_pages OUTPUT_FOLDER [BUNDLE_FOLDER]. With GRAB_UNITS=us in the
// environment the pages show US customary units, with figures calculated;
// GRAB_LANGUAGE=en or sr shows them in that translation.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include "app/Language.h"
#include "app/Uhidromotor.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTranslator translator;
    if (const QString code = qEnvironmentVariable("GRAB_LANGUAGE"); !code.isEmpty()) {
        if (!loadTranslation(translator, code)) {
            return 2;
        }
        QApplication::installTranslator(&translator);
    }
    TfrmKalvorMain window;
    if (argc > 2) {
        window.pictures().setSearchDirs({QString::fromLocal8Bit(argv[2])});
    }
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        return 1;
    }
    if (qgetenv("GRAB_UNITS") == "us") {
        // The pages are made at their first showing; these figures go into all of them.
        window.buildEveryPage();
        window.findChild<QComboBox*>(QStringLiteral("cbUnits"))->setCurrentIndex(1);
        const auto edit = [&window](const char* name, const char* text) {
            if (auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
                field->setText(QString::fromLatin1(text));
            } else if (auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(name))) {
                combo->setEditText(QString::fromLatin1(text));
            }
        };
        const auto click = [&window](const char* name) {
            window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
        };
        const auto mode = [&window](const char* group, int item) {
            window.findChild<QWidget*>(QString::fromLatin1(group))
                ->findChildren<QRadioButton*>()
                .at(item)
                ->click();
        };
        // Long figures: thousands of psi and of lbf.
        mode("RadioGroup1", 2);
        edit("edV", "1.71");
        edit("edN", "1450");
        edit("edp", "2900");
        click("btnCalc");
        mode("RadioGroup2", 10);
        edit("edHMp", "2000");
        edit("edHMv", "3");
        edit("edHMn", "1000");
        click("btnHMCalc");
        mode("RadioGroup4", 0);
        edit("edHCPul", "2000");
        edit("edHCQ1", "10");
        edit("edHCD1", "4");
        edit("edHCD2", "2");
        edit("edHCStroke", "20");
        edit("edHCMountLength", "40");
        click("BitBtn3");
        window.findChild<QWidget*>(QStringLiteral("USRadio"))
            ->findChildren<QRadioButton*>()
            .at(1)
            ->click();
        edit("edUSd", "0.625");
        edit("edUSl", "50");
        edit("edUS", "10");
        click("BitBtn5");
        edit("edValveQ", "8");
    }
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(50);
        const QString name = pages->widget(i)->objectName();
        if (!window.grab().save(out.filePath(name + QStringLiteral(".png")))) {
            return 1;
        }
        // A page of pages (the system's calculators, the valve's kinds): each one.
        for (auto* inner : pages->widget(i)->findChildren<QTabWidget*>()) {
            for (int j = 1; j < inner->count(); ++j) {
                inner->setCurrentIndex(j);
                QTest::qWait(50);
                const QString innerName = name + QLatin1Char('_') + inner->widget(j)->objectName();
                if (!window.grab().save(out.filePath(innerName + QStringLiteral(".png")))) {
                    return 1;
                }
            }
            inner->setCurrentIndex(0);
        }
    }
    return 0;
}
