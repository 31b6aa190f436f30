#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "pocketquillet/game/hiscore_view.h"

class QLineEdit;

namespace pocketquillet {

// "View Hiscores": the ten rows where the table places them, stored rows in dark green and the
// running game's in teal, under the headline. It closes by itself after 16 seconds.
class ViewHiscoresDialog : public QDialog {
    Q_OBJECT

public:
    ViewHiscoresDialog(const HiscoreView& view, QWidget* parent = nullptr);
};

// "Enter Hiscore Table": asks for the name of a new entry.
class EnterHiscoreDialog : public QDialog {
    Q_OBJECT

public:
    explicit EnterHiscoreDialog(QWidget* parent = nullptr);

    // The typed name, or nothing when the dialog was not left by OK.
    std::optional<std::u16string> ask();

private:
    QLineEdit* m_name = nullptr;
};

}  // namespace pocketquillet
