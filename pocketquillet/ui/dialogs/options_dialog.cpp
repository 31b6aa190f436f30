#include "pocketquillet/ui/dialogs/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/qt/command_actions.h"
#include "pocketquillet/game/options.h"
#include "pocketquillet/view/dialog_texts.h"

namespace pocketquillet {

namespace {

constexpr std::array kSoundEvents = {
    Text::SoundEventHiscore, Text::SoundEventHelp,      Text::SoundEventFault, Text::SoundEventAbout,
    Text::SoundEventSelect,  Text::SoundEventNextRound, Text::SoundEventBack,  Text::SoundEventNoStone,
};

QGroupBox* radioGroup(const char* title, const char* const (&captions)[3], int checked, bool enabled,
                      QButtonGroup*& group, QWidget* parent) {
    auto* box = new QGroupBox(platform::qt::text(title), parent);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QRadioButton(platform::qt::text(captions[i]), box);
        button->setChecked(i == checked);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    box->setEnabled(enabled);
    return box;
}

}  // namespace

OptionsDialog::OptionsDialog(const Options& options, GameState state,
                             std::function<void(const QString&)> playSound, QWidget* parent)
    : QDialog(parent), m_language(options.language), m_playSound(std::move(playSound)) {
    setObjectName(QStringLiteral("options"));
    setWindowTitle(platform::qt::text(dialogTexts(m_language).optionsTitle));
    const OptionsForm form = optionsForm(options);
    new QVBoxLayout(this);
    createSwitches(form, state);
    createChoices(form, state);
    createSounds(form);
    createButtons();
}

OptionsDialog::Outcome OptionsDialog::run() {
    exec();
    return m_outcome;
}

void OptionsDialog::createSwitches(const OptionsForm& form, GameState state) {
    const DialogTexts& texts = dialogTexts(m_language);
    const auto add = [&](const char* caption, bool checked, OptionsControl control) {
        auto* box = new QCheckBox(platform::qt::text(caption), this);
        box->setChecked(checked);
        box->setEnabled(isControlEnabled(control, state));
        layout()->addWidget(box);
        return box;
    };
    m_allowHelp = add(texts.allowHelp, form.allowHelp, OptionsControl::AllowHelp);
    m_allowNextRound = add(texts.allowJump, form.allowNextRound, OptionsControl::AllowNextRound);
    m_intermission = add(texts.intermission, form.intermission, OptionsControl::Intermission);
    m_sound = add(texts.soundOn, form.sound, OptionsControl::Sound);
}

void OptionsDialog::createChoices(const OptionsForm& form, GameState state) {
    const DialogTexts& texts = dialogTexts(m_language);
    auto* fields = new QFormLayout;
    m_languageList = new QComboBox(this);
    for (int position = 0; position < kLanguageCount; ++position) {
        m_languageList->addItem(platform::qt::text(text(languageAt(position), Text::LanguageName)));
    }
    m_languageList->setCurrentText(platform::qt::text(form.languageName));
    fields->addRow(platform::qt::text(texts.language), m_languageList);
    m_startAt = new QLineEdit(QString::fromStdU16String(form.startAt), this);
    m_startAt->setMaxLength(9);
    m_startAt->setEnabled(isControlEnabled(OptionsControl::StartAt, state));
    fields->addRow(platform::qt::text(texts.startAt), m_startAt);
    static_cast<QVBoxLayout*>(layout())->addLayout(fields);

    auto* groups = new QHBoxLayout;
    groups->addWidget(radioGroup(texts.modeGroup, texts.modes, static_cast<int>(form.playMode),
                                 isControlEnabled(OptionsControl::PlayMode, state), m_modes, this));
    groups->addWidget(radioGroup(texts.skillGroup, texts.skills, static_cast<int>(form.skill),
                                 isControlEnabled(OptionsControl::Skill, state), m_skills, this));
    static_cast<QVBoxLayout*>(layout())->addLayout(groups);
}

void OptionsDialog::createSounds(const OptionsForm& form) {
    auto* box = new QGroupBox(platform::qt::text(dialogTexts(m_language).sounds), this);
    auto* column = new QVBoxLayout(box);
    auto* events = new QListWidget(box);
    for (const Text event : kSoundEvents) {
        events->addItem(platform::qt::text(text(m_language, event)));
    }
    events->setCurrentRow(0);
    constexpr int kEventsShown = 4;
    events->setFixedHeight(kEventsShown * events->sizeHintForRow(0) + 2 * events->frameWidth());
    column->addWidget(events);
    auto* row = new QHBoxLayout;
    m_hiscoreSound = new QLineEdit(QString::fromStdU16String(form.hiscoreSound), box);
    m_hiscoreSound->setObjectName(QStringLiteral("hiscoreSound"));
    auto* choose = new QPushButton(QStringLiteral("..."), box);
    choose->setObjectName(QStringLiteral("chooseSound"));
    auto* play = new QPushButton(QStringLiteral(">"), box);
    play->setObjectName(QStringLiteral("playSound"));
    for (QPushButton* button : {choose, play}) {
        button->setAutoDefault(false);
        button->setFixedWidth(32);
    }
    connect(choose, &QPushButton::clicked, this, &OptionsDialog::chooseSoundFile);
    connect(play, &QPushButton::clicked, this, [this] {
        if (m_sound->isChecked()) {
            m_playSound(m_hiscoreSound->text());
        }
    });
    row->addWidget(m_hiscoreSound);
    row->addWidget(choose);
    row->addWidget(play);
    column->addLayout(row);
    layout()->addWidget(box);
}

void OptionsDialog::createButtons() {
    const DialogTexts& texts = dialogTexts(m_language);
    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const char* caption, QDialogButtonBox::ButtonRole role) {
        return buttons->addButton(platform::qt::text(caption), role);
    };
    QPushButton* ok = add(texts.ok, QDialogButtonBox::AcceptRole);
    QPushButton* apply = add(texts.apply, QDialogButtonBox::ApplyRole);
    add(texts.cancel, QDialogButtonBox::RejectRole);
    QPushButton* defaults = add(texts.defaults, QDialogButtonBox::ResetRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_outcome = Outcome::Ok;
        accept();
    });
    connect(apply, &QPushButton::clicked, this, [this] {
        m_outcome = Outcome::Apply;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &OptionsDialog::restoreDefaultSwitches);
    layout()->addWidget(buttons);
}

void OptionsDialog::restoreDefaultSwitches() {
    OptionsForm defaults = form();
    restoreDefaults(defaults);
    for (const auto& [box, value] :
         {std::pair{m_allowHelp, defaults.allowHelp}, std::pair{m_allowNextRound, defaults.allowNextRound},
          std::pair{m_intermission, defaults.intermission}, std::pair{m_sound, defaults.sound}}) {
        if (box->isEnabled()) {
            box->setChecked(value);
        }
    }
}

void OptionsDialog::chooseSoundFile() {
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Select a sound File"), QString(),
                                     QStringLiteral("Windows Sound Files (*.wav);;All Files (*)"));
    if (!file.isEmpty()) {
        m_hiscoreSound->setText(file);
    }
}

OptionsForm OptionsDialog::form() const {
    OptionsForm form;
    form.allowHelp = m_allowHelp->isChecked();
    form.allowNextRound = m_allowNextRound->isChecked();
    form.intermission = m_intermission->isChecked();
    form.sound = m_sound->isChecked();
    form.languageName = m_languageList->currentText().toStdString();
    form.playMode = static_cast<PlayMode>(std::max(m_modes->checkedId(), 0));
    form.skill = static_cast<Skill>(std::max(m_skills->checkedId(), 0));
    form.startAt = m_startAt->text().toStdU16String();
    form.hiscoreSound = m_hiscoreSound->text().toStdU16String();
    return form;
}

}  // namespace pocketquillet
