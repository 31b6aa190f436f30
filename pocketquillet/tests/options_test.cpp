#include "pocketquillet/game/options.h"

#include <gtest/gtest.h>

#include "pocketquillet/game/options_dialog.h"
#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

TEST(OptionsTest, SwitchesAreOnOnlyForOnInAnyCase) {
    struct Case {
        std::u16string_view text;
        bool on;
    };
    for (const Case c : {Case{u"ON", true}, Case{u"on", true}, Case{u"oN", true}, Case{u"OFF", false},
                         Case{u"ON ", false}, Case{u"1", false}, Case{u"", false}}) {
        EXPECT_EQ(isOnText(c.text), c.on) << utf16ToUtf8(c.text);
    }
}

TEST(OptionsTest, ReadsDefaultsAndWritesWhatTheDialogEdits) {
    const Options defaults = readOptions(DefaultProfile());
    EXPECT_TRUE(defaults.allowHelp);
    EXPECT_FALSE(defaults.intermission);
    EXPECT_TRUE(defaults.allowNextRound);
    EXPECT_TRUE(defaults.sound);
    EXPECT_TRUE(defaults.showScore);
    EXPECT_EQ(defaults.soundName(SoundName::NoStone), u"QZ11");
    EXPECT_EQ(defaults.startRound, 1);
    EXPECT_EQ(defaults.playMode, PlayMode::Tournament);
    EXPECT_EQ(defaults.skill, Skill::Advanced);
    EXPECT_EQ(defaults.language, Language::English);
    EXPECT_EQ(defaults.windowPos, u"MAX");

    test::ScriptedProfile profile;
    profile.set(u"MAIN", u"Skill", u"7");  // no such skill: the default stays
    profile.set(u"MAIN", u"Language", u"1");
    profile.set(u"MAIN", u"HiscoreSound", u"A_VERY_LONG_SOUND_NAME");
    Options options = readOptions(profile);
    EXPECT_EQ(options.skill, Skill::Advanced);
    EXPECT_EQ(options.language, Language::German);
    EXPECT_EQ(options.soundName(SoundName::Hiscore), u"A_VERY_LONG_");

    options.allowHelp = false;
    options.startRound = 12;
    writeOptions(options, profile);
    EXPECT_EQ((profile.written[{u"MAIN", u"AllowHelp"}]), u"OFF");
    EXPECT_EQ((profile.written[{u"MAIN", u"Sound"}]), u"ON");
    EXPECT_EQ((profile.written[{u"MAIN", u"StartRound"}]), u"12");
    EXPECT_EQ((profile.written[{u"MAIN", u"Language"}]), u"1");
}

TEST(OptionsTest, DialogTakesOverOnlyWhatARunningGameAllows) {
    Options options;
    OptionsForm form = optionsForm(options);
    EXPECT_EQ(form.languageName, "English");
    EXPECT_EQ(form.startAt, u"1");
    restoreDefaults(form);
    EXPECT_TRUE(form.allowHelp);
    EXPECT_FALSE(form.allowNextRound);
    EXPECT_FALSE(form.intermission);
    EXPECT_TRUE(form.sound);

    form.languageName = "Deutsch";
    form.playMode = PlayMode::Challenge;
    form.skill = Skill::Profi;
    form.startAt = u"5x";
    form.intermission = true;
    const Options idle = takeOver(form, options, GameState::Idle);
    EXPECT_EQ(idle.language, Language::German);
    EXPECT_EQ(idle.playMode, PlayMode::Challenge);
    EXPECT_EQ(idle.skill, Skill::Profi);
    EXPECT_EQ(idle.startRound, 5);
    EXPECT_FALSE(idle.allowNextRound);

    const Options running = takeOver(form, options, GameState::Running);
    EXPECT_EQ(running.playMode, PlayMode::Tournament);
    EXPECT_EQ(running.skill, Skill::Advanced);
    EXPECT_EQ(running.startRound, 1);
    EXPECT_TRUE(running.allowNextRound);
    EXPECT_TRUE(running.intermission);
    EXPECT_EQ(running.language, Language::German);
    EXPECT_FALSE(isControlEnabled(OptionsControl::StartAt, GameState::Held));
    EXPECT_TRUE(isControlEnabled(OptionsControl::Sound, GameState::Running));

    form.languageName = "Klingon";
    EXPECT_EQ(takeOver(form, options, GameState::Idle).language, Language::English);
}

TEST(TextsTest, BothTablesHoldEveryEntry) {
    for (const Language language : {Language::English, Language::German}) {
        for (int entry = 0; entry < kTextCount; ++entry) {
            EXPECT_FALSE(text(language, static_cast<Text>(entry)).empty()) << entry;
        }
    }
    EXPECT_EQ(text(Language::English, Text::SoundEventNoStone), "No stone there");
    EXPECT_EQ(text(Language::German, Text::SoundEventNoStone), "Kein Stein hier");
    EXPECT_EQ(text(Language::German, Text::StatusStonesLeft), " Steine \u00fcbrig         : %-4d");
    EXPECT_EQ(text(Language::German, Text::WellDoneNextRound), "Super ! Ab zur n\u00e4chsten Runde -%d- ");
    EXPECT_EQ(utf16ToUtf8(utf8ToUtf16(text(Language::German, Text::TooLessPoints))),
              text(Language::German, Text::TooLessPoints));
    EXPECT_EQ(utf8ToUtf16("\xC3\xBC\xF0\x9F\x98\x80\xFF"), u"\u00fc\U0001F600\uFFFD");
}

TEST(TextsTest, ChallengeNamesFallBackToThePlayerNumbers) {
    const ChallengeNames names = acceptChallengeNames({u" Ann", u""}, Language::German);
    EXPECT_EQ(names[0], u"Spieler -1-");
    EXPECT_EQ(names[1], u"Spieler -2-");
    const ChallengeNames kept =
        acceptChallengeNames({std::u16string(50, u'x'), u"computer"}, Language::English);
    EXPECT_EQ(kept[0].size(), 38u);
    EXPECT_EQ(kept[1], u"computer");
}

}  // namespace
}  // namespace pocketquillet
