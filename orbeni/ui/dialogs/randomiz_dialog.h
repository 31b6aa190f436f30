#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QIcon;
class QLineEdit;

namespace orbeni {

// "Random Seed": asks for the number of a specific game. The game reads the number; the dialog
// only hands the text over.
class TRandomiz : public QDialog {
    Q_OBJECT

public:
    explicit TRandomiz(const QIcon& okGlyph, QWidget* parent = nullptr);

    // Shows the dialog with the current number selected; the text entered, none on Cancel.
    std::optional<std::string> ask(int currentSeed);

private:
    QLineEdit* m_seed = nullptr;
};

}  // namespace orbeni
