#include "pocketquillet/game/options_dialog.h"

#include <algorithm>

#include "pocketquillet/game/text_encoding.h"
#include "pocketquillet/game/texts.h"

namespace pocketquillet {

namespace {

// The position of a language name in the dialog's list, 0 when it is not there.
int languagePosition(std::string_view name) {
    for (int position = 0; position < kLanguageCount; ++position) {
        if (text(languageAt(position), Text::LanguageName) == name) {
            return position;
        }
    }
    return 0;
}

}  // namespace

bool isControlEnabled(OptionsControl control, GameState state) {
    switch (control) {
        case OptionsControl::AllowHelp:
        case OptionsControl::AllowNextRound:
        case OptionsControl::PlayMode:
        case OptionsControl::Skill:
        case OptionsControl::StartAt:
            return state == GameState::Idle;
        default:
            return true;
    }
}

OptionsForm optionsForm(const Options& options) {
    OptionsForm form;
    form.allowHelp = options.allowHelp;
    form.allowNextRound = options.allowNextRound;
    form.intermission = options.intermission;
    form.sound = options.sound;
    form.languageName = text(options.language, Text::LanguageName);
    form.playMode = options.playMode;
    form.skill = options.skill;
    form.startAt = decimalText(static_cast<std::uint32_t>(options.startRound));
    form.hiscoreSound = options.soundName(SoundName::Hiscore);
    return form;
}

void restoreDefaults(OptionsForm& form) {
    form.allowHelp = true;
    form.intermission = false;
    form.allowNextRound = false;
    form.sound = true;
}

Options takeOver(const OptionsForm& form, Options options, GameState state) {
    const auto enabled = [state](OptionsControl control) { return isControlEnabled(control, state); };
    if (enabled(OptionsControl::AllowHelp)) {
        options.allowHelp = form.allowHelp;
    }
    if (enabled(OptionsControl::AllowNextRound)) {
        options.allowNextRound = form.allowNextRound;
    }
    if (enabled(OptionsControl::PlayMode)) {
        options.playMode = form.playMode;
    }
    if (enabled(OptionsControl::Skill)) {
        options.skill = form.skill;
    }
    if (enabled(OptionsControl::StartAt)) {
        // Beyond the largest whole number the round would wrap; it stays at the largest.
        constexpr std::uint32_t kLargestRound = 0x7FFFFFFE;
        options.startRound = static_cast<int>(std::min(parseDecimal(form.startAt), kLargestRound));
    }
    options.intermission = form.intermission;
    options.sound = form.sound;
    options.language = languageAt(languagePosition(form.languageName));
    options.soundNames[static_cast<std::size_t>(SoundName::Hiscore)] =
        form.hiscoreSound.substr(0, kSoundNameLength);
    return options;
}

}  // namespace pocketquillet
