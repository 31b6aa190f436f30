#pragma once

#include <QMainWindow>

namespace pocketquillet {

// The main window of the small-screen stone game.
class PocketWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit PocketWindow(QWidget* parent = nullptr);
};

}  // namespace pocketquillet
