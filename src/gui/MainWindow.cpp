#include "gui/MainWindow.h"

namespace wattmere {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Orvek Wattmere"));
    resize(1024, 720);
}

} // namespace wattmere
