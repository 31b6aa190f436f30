// "Custom Sounds": the wave file of each playing event, with a button to hear it.

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "morvane/ui/dialogs/dialog_parts.h"
#include "morvane/ui/dialogs/settings_sub_dialogs.h"

namespace morvane {

namespace {

// In the order of the sound table's slots.
constexpr const char* kSoundLabels[kSoundSlots] = {"Select Sound",   "Deselect Sound", "Not Free Sound",
                                                   "Mismatch Sound", "Remove Sound",   "Won Sound"};

QPushButton* makeRowButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

class CustomSoundsDialog : public QDialog {
public:
    CustomSoundsDialog(const SoundTable& current, TestSound testSound, QWidget* parent)
        : QDialog(parent), m_testSound(std::move(testSound)) {
        setObjectName(QStringLiteral("CustomSounds"));
        setWindowTitle(QStringLiteral("Custom Sounds"));
        auto* layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        for (int slot = 0; slot < kSoundSlots; ++slot) {
            createRow(slot, current[static_cast<std::size_t>(slot)], grid);
        }
        layout->addLayout(grid);
        layout->addSpacing(6);
        layout->addWidget(makeButtonBox(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel));
    }

    SoundTable sounds() const {
        SoundTable table;
        for (int slot = 0; slot < kSoundSlots; ++slot) {
            table[static_cast<std::size_t>(slot)] =
                m_files[static_cast<std::size_t>(slot)]->text().toStdString();
        }
        return table;
    }

private:
    void createRow(int slot, const std::string& file, QGridLayout* grid);
    void changeFile(int slot);

    TestSound m_testSound;
    std::array<QLineEdit*, kSoundSlots> m_files{};
    std::array<QCheckBox*, kSoundSlots> m_savePaths{};
};

// One row per sound: its name, its file, Change, Test and Save Path.
void CustomSoundsDialog::createRow(int slot, const std::string& file, QGridLayout* grid) {
    const auto index = static_cast<std::size_t>(slot);
    const QString number = QString::number(slot);
    grid->addWidget(new QLabel(QString::fromLatin1(kSoundLabels[index]), this), slot, 0);
    QLineEdit* field = makePathField(QStringLiteral("File") + number, toQString(file), this);
    m_files[index] = field;
    grid->addWidget(field, slot, 1);
    QPushButton* change = makeRowButton(QStringLiteral("Change"), QStringLiteral("Change") + number, this);
    connect(change, &QPushButton::clicked, this, [this, slot] { changeFile(slot); });
    grid->addWidget(change, slot, 2);
    QPushButton* test = makeRowButton(QStringLiteral("Test"), QStringLiteral("Test") + number, this);
    connect(test, &QPushButton::clicked, this, [this, field] {
        if (m_testSound) {
            m_testSound(field->text().toStdString());
        }
    });
    grid->addWidget(test, slot, 3);
    m_savePaths[index] = new QCheckBox(QStringLiteral("Save Path"), this);
    m_savePaths[index]->setObjectName(QStringLiteral("SavePath") + number);
    grid->addWidget(m_savePaths[index], slot, 4);
}

void CustomSoundsDialog::changeFile(int slot) {
    const auto index = static_cast<std::size_t>(slot);
    const QString picked = pickFile(this, QString::fromLatin1(kSoundLabels[index]), QStringLiteral("*.WAV"),
                                    QStringLiteral("Wave files (*.WAV *.wav);;All files (*)"));
    if (picked.isEmpty()) {
        return;
    }
    const SavePath savePath = m_savePaths[index]->isChecked() ? SavePath::Full : SavePath::BareName;
    m_files[index]->setText(toQString(chosenFileName(picked.toStdString(), savePath)));
}

}  // namespace

std::optional<SoundTable> editCustomSounds(QWidget* parent, const SoundTable& current,
                                           const TestSound& testSound) {
    CustomSoundsDialog dialog(current, testSound, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.sounds();
}

}  // namespace morvane
