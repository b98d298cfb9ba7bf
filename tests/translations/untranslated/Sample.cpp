// A text the translation file below does not hold yet, and one it does.
#include <QCoreApplication>

QString shown() {
    return QCoreApplication::translate("Sample", "A text nobody translated") +
           QCoreApplication::translate("Sample", "Pressure");
}
