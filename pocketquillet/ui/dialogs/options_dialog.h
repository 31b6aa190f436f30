#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "pocketquillet/game/options_dialog.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace pocketquillet {

// The Options dialog: the switches, the language, mode, skill and first round, and the hiscore
// sound with a file chooser and a button that plays it.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    enum class Outcome { Ok, Apply, Cancel };

    // playSound plays the named sound; the window keeps it silent while Sound is off.
    OptionsDialog(const Options& options, GameState state, std::function<void(const QString&)> playSound,
                  QWidget* parent = nullptr);

    Outcome run();
    OptionsForm form() const;

private:
    void createSwitches(const OptionsForm& form, GameState state);
    void createChoices(const OptionsForm& form, GameState state);
    void createSounds(const OptionsForm& form);
    void createButtons();
    void restoreDefaultSwitches();
    void chooseSoundFile();

    Language m_language;
    std::function<void(const QString&)> m_playSound;
    Outcome m_outcome = Outcome::Cancel;
    QCheckBox* m_allowHelp = nullptr;
    QCheckBox* m_allowNextRound = nullptr;
    QCheckBox* m_intermission = nullptr;
    QCheckBox* m_sound = nullptr;
    QComboBox* m_languageList = nullptr;
    QButtonGroup* m_modes = nullptr;
    QButtonGroup* m_skills = nullptr;
    QLineEdit* m_startAt = nullptr;
    QLineEdit* m_hiscoreSound = nullptr;
};

}  // namespace pocketquillet
