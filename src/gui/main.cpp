// The desktop program: a window over the headless analysis model.

#include "gui/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvek Wattmere"));
    wattmere::MainWindow window;
    window.show();
    return QApplication::exec();
}
