#pragma once

#include <QDialog>

#include "pocketquillet/game/texts.h"

namespace pocketquillet {

// The About box: the program and its version, the rules and the three modes. It closes by
// itself after 61 seconds.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(Language language, QWidget* parent = nullptr);

    static constexpr int kAutoCloseSeconds = 61;
};

}  // namespace pocketquillet
