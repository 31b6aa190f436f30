#pragma once

#include <QMainWindow>

namespace morvane {

// The main window of the layered tile game played from .RVQ game files.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);
};

}  // namespace morvane
