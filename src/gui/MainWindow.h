#pragma once
// The analysis window.

#include <QMainWindow>

namespace wattmere {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace wattmere
