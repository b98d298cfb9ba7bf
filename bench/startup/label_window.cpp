// The least a Qt Widgets program does to show a window: one label. Its start
// is the floor the calculator's start is compared with.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Hydraulic calculator"));
    label.show();
    return QApplication::exec();
}
