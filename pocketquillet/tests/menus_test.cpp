#include "pocketquillet/game/menus.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace pocketquillet {
namespace {

std::map<Command, std::string_view> captions(Language language) {
    std::map<Command, std::string_view> byCommand;
    for (const Menu& menu : menuBar(language)) {
        for (const MenuItem& item : menu.items) {
            if (!item.isSeparator()) {
                EXPECT_TRUE(byCommand.emplace(item.command, item.caption).second) << item.caption;
            }
        }
    }
    return byCommand;
}

TEST(MenusTest, BothLanguagesOfferEveryCommandUnderItsOwnCaption) {
    const std::map<Command, std::pair<std::string_view, std::string_view>> expected = {
        {Command::StartGame, {"&Start Game", "&Spiel starten "}},
        {Command::PauseGame, {"&Pause Game", "Spiel &anhalten"}},
        {Command::EndGame, {"&End Game", "Spiel &beenden"}},
        {Command::NextRound, {"Next &Round", "Nächste &Runde"}},
        {Command::ShowHiscore, {"Show &Hiscore ...", "&Hiscore zeigen ..."}},
        {Command::Exit, {"E&xit", "&B&eenden"}},
        {Command::AllowHelp, {"Allow Help", "Hilfe zulassen"}},
        {Command::AllowNextRound, {"Allow next round", "Rundenwechsel zulassen"}},
        {Command::Intermission, {"Hiscore between rounds", "Hiscore zwischen Runden"}},
        {Command::Sound, {"&Sound", "&Sound"}},
        {Command::ShowScore, {"Show Score", "Zeig Ergebnis"}},
        {Command::Options, {"&Options ...", "&Optionen ..."}},
        {Command::NextMove, {"&Next Move ", "&Nächster Zug"}},
        {Command::Info, {"&Info ...", "&Info ..."}},
    };
    const std::map<Command, std::string_view> english = captions(Language::English);
    const std::map<Command, std::string_view> german = captions(Language::German);
    ASSERT_EQ(english.size(), expected.size());
    ASSERT_EQ(german.size(), expected.size());
    for (const auto& [command, caption] : expected) {
        EXPECT_EQ(english.at(command), caption.first);
        EXPECT_EQ(german.at(command), caption.second);
    }
}

TEST(MenusTest, TheOptionCommandsCarryCheckMarksInTheSameMenusInBothLanguages) {
    const std::set<Command> checked = {Command::AllowHelp, Command::AllowNextRound, Command::Intermission,
                                       Command::Sound, Command::ShowScore};
    const std::span<const Menu> english = menuBar(Language::English);
    const std::span<const Menu> german = menuBar(Language::German);
    ASSERT_EQ(english.size(), 3u);
    ASSERT_EQ(german.size(), english.size());
    for (std::size_t m = 0; m < english.size(); ++m) {
        ASSERT_EQ(english[m].items.size(), german[m].items.size());
        for (std::size_t i = 0; i < english[m].items.size(); ++i) {
            const MenuItem& item = english[m].items[i];
            EXPECT_EQ(item.command, german[m].items[i].command);
            EXPECT_EQ(item.checkable, !item.isSeparator() && checked.count(item.command) == 1)
                << item.caption;
        }
    }
    EXPECT_EQ(english[0].title, "Game");
    EXPECT_EQ(german[0].title, "Spiel");
}

}  // namespace
}  // namespace pocketquillet
