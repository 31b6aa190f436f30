#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "pocketquillet/game/host.h"
#include "pocketquillet/game/texts.h"

class QLineEdit;

namespace pocketquillet {

// Asks for the two Challenge players' names; "PC" makes a player the computer.
class ChallengeDialog : public QDialog {
    Q_OBJECT

public:
    ChallengeDialog(Language language, const ChallengeNames& last, QWidget* parent = nullptr);

    // Both names as typed, or nothing when the dialog was not left by OK.
    std::optional<ChallengeNames> ask();

private:
    std::array<QLineEdit*, 2> m_names{};
};

}  // namespace pocketquillet
