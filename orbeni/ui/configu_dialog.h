#pragma once

#include <QDialog>
#include <QIcon>

namespace orbeni {

inline constexpr int kPlayerNameLength = 8;

// "Enter your name": there is no cancel, every change of the field is the new name.
class TConfigu : public QDialog {
    Q_OBJECT

public:
    TConfigu(const QString& playerName, const QIcon& okGlyph, QWidget* parent = nullptr);

signals:
    void PlayerNameChange(const QString& name);
};

}  // namespace orbeni
