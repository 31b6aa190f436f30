#pragma once

#include <QMainWindow>

namespace orbeni {

// The main window of the desktop Mah-Jongg solitaire.
class TOrbeni : public QMainWindow {
    Q_OBJECT

public:
    explicit TOrbeni(QWidget* parent = nullptr);
};

}  // namespace orbeni
