// The Game Settings dialog of design mode: which parts of the game are built in, the move rules,
// and the three sub-dialogs of the custom parts.

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <functional>

#include "morvane/game/settings_choices.h"
#include "morvane/ui/dialogs/dialog_parts.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"
#include "morvane/ui/dialogs/settings_sub_dialogs.h"

namespace morvane {

namespace {

// One "Default" / "Custom" pair of radio buttons and what choosing it does.
struct RadioPair {
    QString title;
    QString objectName;
    QString defaultText;
    QString customText;
    RadioChoice current;
    std::function<void(RadioChoice)> choose;
};

class GameSettingsDialog : public QDialog {
public:
    GameSettingsDialog(const GameSettings& current, TestSound testSound, QWidget* parent)
        : QDialog(parent), m_choices(current), m_testSound(std::move(testSound)) {
        setObjectName(QStringLiteral("GameSettings"));
        setWindowTitle(QStringLiteral("Game Settings"));
        auto* layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* groups = new QGridLayout;
        groups->setSpacing(10);
        groups->addWidget(createTileSetGroup(), 0, 0);
        groups->addWidget(createBitmapGroup(), 0, 1);
        groups->addWidget(createSoundsGroup(), 1, 0);
        groups->addWidget(createLayoutGroup(), 1, 1);
        groups->addWidget(createMoveRules(), 2, 0, 1, 2);
        layout->addLayout(groups);
        layout->addSpacing(4);
        layout->addWidget(makeButtonBox(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    }

    const GameSettings& chosen() const { return m_choices.settings(); }

protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        centreOnScreen(this);
    }

private:
    QGroupBox* createRadioGroup(const RadioPair& pair, QPushButton* subDialog);
    QPushButton* makeSubDialogButton(const QString& text, const QString& objectName,
                                     void (GameSettingsDialog::*open)());
    QGroupBox* createTileSetGroup();
    QGroupBox* createBitmapGroup();
    QGroupBox* createSoundsGroup();
    QGroupBox* createLayoutGroup();
    QGroupBox* createMoveRules();
    void takeMoveRules();
    void openCustomTileSet();
    void openCustomBitmap();
    void openCustomSounds();

    SettingsChoices m_choices;
    TestSound m_testSound;
    std::array<QCheckBox*, 5> m_moves{};
};

// A group box with its two radio buttons, the chosen one checked, and the button of its sub-dialog.
QGroupBox* GameSettingsDialog::createRadioGroup(const RadioPair& pair, QPushButton* subDialog) {
    auto* group = new QGroupBox(pair.title, this);
    group->setObjectName(pair.objectName);
    auto* column = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    const QString texts[] = {pair.defaultText, pair.customText};
    const RadioChoice choices[] = {RadioChoice::Default, RadioChoice::Custom};
    for (int index = 0; index < 2; ++index) {
        auto* radio = new QRadioButton(texts[index], group);
        radio->setObjectName(pair.objectName +
                             (index == 0 ? QStringLiteral("Default") : QStringLiteral("Custom")));
        radio->setChecked(choices[index] == pair.current);
        buttons->addButton(radio);
        connect(radio, &QRadioButton::clicked, this,
                [choose = pair.choose, choice = choices[index]] { choose(choice); });
        column->addWidget(radio);
    }
    column->addStretch();
    if (subDialog != nullptr) {
        column->addWidget(subDialog, 0, Qt::AlignLeft);
    }
    return group;
}

QPushButton* GameSettingsDialog::makeSubDialogButton(const QString& text, const QString& objectName,
                                                     void (GameSettingsDialog::*open)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, open);
    return button;
}

QGroupBox* GameSettingsDialog::createTileSetGroup() {
    return createRadioGroup(
        {QStringLiteral("Tile Set"), QStringLiteral("TileSet"), QStringLiteral("Default"),
         QStringLiteral("Custom"), m_choices.tileSetChoice(),
         [this](RadioChoice choice) { m_choices.chooseTileSet(choice); }},
        makeSubDialogButton(QStringLiteral("Custom Tile Set Settings"),
                            QStringLiteral("CustomTileSetSettings"), &GameSettingsDialog::openCustomTileSet));
}

QGroupBox* GameSettingsDialog::createBitmapGroup() {
    return createRadioGroup(
        {QStringLiteral("Tile Graphics"), QStringLiteral("Bitmap"), QStringLiteral("Default Bitmap"),
         QStringLiteral("Custom Bitmap"), m_choices.bitmapChoice(),
         [this](RadioChoice choice) { m_choices.chooseBitmap(choice); }},
        makeSubDialogButton(QStringLiteral("Custom Bitmap Settings"), QStringLiteral("CustomBitmapSettings"),
                            &GameSettingsDialog::openCustomBitmap));
}

QGroupBox* GameSettingsDialog::createSoundsGroup() {
    return createRadioGroup(
        {QStringLiteral("Sound Selectons"), QStringLiteral("Sounds"), QStringLiteral("Default"),
         QStringLiteral("Custom"), m_choices.soundsChoice(),
         [this](RadioChoice choice) { m_choices.chooseSounds(choice); }},
        makeSubDialogButton(QStringLiteral("Custom Sound Settings"), QStringLiteral("CustomSoundSettings"),
                            &GameSettingsDialog::openCustomSounds));
}

QGroupBox* GameSettingsDialog::createLayoutGroup() {
    return createRadioGroup(
        {QStringLiteral("Layout"), QStringLiteral("Layout"), QStringLiteral("Default tile arrangement"),
         QStringLiteral("Custom tile arrangement"), m_choices.layoutChoice(),
         [this](RadioChoice choice) { m_choices.chooseLayout(choice); }},
        nullptr);
}

// The five ways a tile may leave the board, in one row.
QGroupBox* GameSettingsDialog::createMoveRules() {
    auto* group = new QGroupBox(QStringLiteral("Move Rules"), this);
    group->setObjectName(QStringLiteral("MoveRules"));
    auto* row = new QHBoxLayout(group);
    const MoveRules& rules = m_choices.settings().rules;
    const QString texts[] = {QStringLiteral("Slide Left"), QStringLiteral("Slide Right"),
                             QStringLiteral("Slide Up"), QStringLiteral("Slide Down"),
                             QStringLiteral("Lift")};
    const bool checked[] = {rules.left, rules.right, rules.up, rules.down, rules.lift};
    for (std::size_t index = 0; index < m_moves.size(); ++index) {
        m_moves[index] = new QCheckBox(texts[index], group);
        m_moves[index]->setChecked(checked[index]);
        connect(m_moves[index], &QCheckBox::toggled, this, &GameSettingsDialog::takeMoveRules);
        row->addWidget(m_moves[index]);
    }
    row->addStretch();
    return group;
}

void GameSettingsDialog::takeMoveRules() {
    m_choices.setRules({m_moves[0]->isChecked(), m_moves[1]->isChecked(), m_moves[2]->isChecked(),
                        m_moves[3]->isChecked(), m_moves[4]->isChecked()});
}

void GameSettingsDialog::openCustomTileSet() {
    if (const std::optional<TileSet> tileSet = editCustomTileSet(this, m_choices.settings().tileSet)) {
        m_choices.takeTileSet(*tileSet);
    }
}

void GameSettingsDialog::openCustomBitmap() {
    if (const std::optional<BitmapChoice> bitmap = editCustomBitmap(this, bitmapOf(m_choices.settings()))) {
        m_choices.takeBitmap(*bitmap);
    }
}

void GameSettingsDialog::openCustomSounds() {
    if (const std::optional<SoundTable> sounds =
            editCustomSounds(this, m_choices.settings().sounds, m_testSound)) {
        m_choices.takeSounds(*sounds);
    }
}

}  // namespace

std::optional<GameSettings> editGameSettings(QWidget* parent, const GameSettings& current,
                                             const TestSound& testSound) {
    GameSettingsDialog dialog(current, testSound, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

}  // namespace morvane
