#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "orbeni/game/host.h"

class QComboBox;
class QIcon;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace orbeni {

class HallOfFame;

// "High Scores": the ten best times of one layout or of Rivers. Browsing, the list of layouts
// chooses the slot shown; after a new entry the player may type the name it is kept under.
class THighScore : public QDialog {
    Q_OBJECT

public:
    THighScore(HallOfFame& hall, std::vector<std::string> layoutNames, int slot, std::string playerName,
               ScoresOpening opening, const QIcon& okGlyph, QWidget* parent = nullptr);

    // The name field's text; the player's own name when it was left as it was shown.
    std::string enteredName() const;
    void GenerateList(int slot);

private:
    void createLayoutComboBox(int slot);
    void createScores();
    void createNameEntry(ScoresOpening opening);
    void LayoutComboBoxChange(int lineIndex);
    void fitScoresHeight();
    int rowHeight() const;

    HallOfFame& m_hall;
    std::vector<std::string> m_layoutNames;
    std::string m_playerName;
    int m_newRank = 0;
    QComboBox* m_layoutComboBox = nullptr;
    QTreeWidget* m_scores = nullptr;
    QLabel* m_label = nullptr;
    QLineEdit* m_edit = nullptr;
};

}  // namespace orbeni
