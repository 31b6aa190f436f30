#include <gtest/gtest.h>

#include <functional>

#include "morvane/game/settings_choices.h"
#include "morvane/game/tile_set.h"

namespace morvane {
namespace {

const SoundTable kCustomSounds = {"/sfx/pick.wav",  "/sfx/drop.wav", "/sfx/stuck.wav",
                                  "/sfx/wrong.wav", "/sfx/pair.wav", "/sfx/fanfare.wav"};
const SoundTable kBareNames = {"select.wav", "deselect.wav", "unfree.wav",
                               "unfree.wav", "remove.wav",   "won.wav"};
const BitmapChoice kCustomBitmap{"/art/stones.bmp", 30, 40, 4};
const BitmapChoice kBuiltInBitmap{"DEFAULT", 44, 59, 6};

TileSet smallTileSet() {
    TileSet tileSet;
    tileSet.suits = 2;
    tileSet.indis = 1;
    tileSet.sizes[0] = 3;
    tileSet.sizes[1] = 2;
    tileSet.sizes[10] = 5;
    return tileSet;
}

// A game whose every part is custom, so that each default shows.
GameSettings everyPartCustom() {
    GameSettings settings;
    settings.layout.set(2, 3, 0, 1);
    settings.bitmapPath = kCustomBitmap.path;
    settings.width = kCustomBitmap.width;
    settings.height = kCustomBitmap.height;
    settings.depth = kCustomBitmap.depth;
    settings.tileSet = smallTileSet();
    settings.sounds = kCustomSounds;
    return settings;
}

TEST(SettingsChoices, DefaultRadiosBringBackTheBuiltInParts) {
    struct Case {
        const char* what;
        std::function<void(SettingsChoices&)> choose;
        std::function<void(GameSettings&)> expectedChange;
    };
    const Case cases[] = {
        {"Default tile set", [](SettingsChoices& c) { c.chooseTileSet(RadioChoice::Default); },
         [](GameSettings& s) {
             s.tileSetIsDefault = true;
             s.tileSet = builtInTileSet();
         }},
        {"Custom tile set", [](SettingsChoices& c) { c.chooseTileSet(RadioChoice::Custom); },
         [](GameSettings&) {}},
        {"Default Bitmap", [](SettingsChoices& c) { c.chooseBitmap(RadioChoice::Default); },
         [](GameSettings& s) {
             s.bitmapIsDefault = true;
             s.bitmapPath = "DEFAULT";
             s.width = 44;
             s.height = 59;
             s.depth = 6;
         }},
        {"Custom Bitmap", [](SettingsChoices& c) { c.chooseBitmap(RadioChoice::Custom); },
         [](GameSettings&) {}},
        {"Default sounds", [](SettingsChoices& c) { c.chooseSounds(RadioChoice::Default); },
         [](GameSettings& s) {
             s.soundsAreDefault = true;
             s.sounds = kBareNames;
         }},
        {"Custom sounds", [](SettingsChoices& c) { c.chooseSounds(RadioChoice::Custom); },
         [](GameSettings&) {}},
        {"Default layout", [](SettingsChoices& c) { c.chooseLayout(RadioChoice::Default); },
         [](GameSettings& s) { s.layoutIsDefault = true; }},
    };
    for (const Case& c : cases) {
        SettingsChoices choices(everyPartCustom());
        c.choose(choices);
        GameSettings expected = everyPartCustom();
        c.expectedChange(expected);
        EXPECT_EQ(choices.settings(), expected) << c.what;
    }
    EXPECT_EQ(builtInTileSet().suits, 5);
    EXPECT_EQ(builtInTileSet().sizes, (std::array<int, 20>{9, 9, 9, 4, 3, 0, 0, 0, 0, 0, 4, 4}));
}

TEST(SettingsChoices, SubDialogResultsAreTakenOnlyWhileCustomIsChosen) {
    TileSet edited;
    edited.suits = 1;
    edited.sizes[0] = 7;
    const BitmapChoice picked{"stones2.bmp", 50, 60, 8};
    const SoundTable otherSounds = {"1.wav", "2.wav", "3.wav", "4.wav", "5.wav", "6.wav"};
    struct Case {
        RadioChoice choice;
        TileSet tileSet;
        BitmapChoice bitmap;
        SoundTable sounds;
    };
    const Case cases[] = {
        {RadioChoice::Custom, edited, picked, otherSounds},
        {RadioChoice::Default, builtInTileSet(), kBuiltInBitmap, kBareNames},
    };
    for (const Case& c : cases) {
        SettingsChoices choices(everyPartCustom());
        choices.chooseTileSet(c.choice);
        choices.chooseBitmap(c.choice);
        choices.chooseSounds(c.choice);
        choices.takeTileSet(edited);
        choices.takeBitmap(picked);
        choices.takeSounds(otherSounds);
        EXPECT_EQ(choices.settings().tileSet, c.tileSet);
        EXPECT_EQ(bitmapOf(choices.settings()), c.bitmap);
        EXPECT_EQ(choices.settings().sounds, c.sounds);
    }
}

TEST(SettingsChoices, TilesCreatedCountsTheGroupsInUse) {
    struct Case {
        int suits;
        int indis;
        std::array<int, 20> sizes;
        int tiles;
    };
    const Case cases[] = {
        {0, 0, {9, 9, 9, 0, 0, 0, 0, 0, 0, 0, 9, 9}, 0},
        {1, 0, {9, 5}, 36},
        {3, 0, {9, 9, 9, 5}, 108},  // the fourth suit is beyond Suits
        {0, 2, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 7}, 8},
        {5, 2, {9, 9, 9, 4, 3, 0, 0, 0, 0, 0, 4, 4}, 144},
        {9, 9, {9, 9, 9, 9, 9, 9, 9, 9, 9, 0, 9, 9, 9, 9, 9, 9, 9, 9, 9}, 4 * 81 + 81},
    };
    for (const Case& c : cases) {
        TileSet tileSet;
        tileSet.suits = c.suits;
        tileSet.indis = c.indis;
        tileSet.sizes = c.sizes;
        EXPECT_EQ(countTiles(tileSet), c.tiles) << c.suits << " suits, " << c.indis << " indis";
    }
}

TEST(SettingsChoices, ChangeKeepsTheFullPathOnlyWithSavePath) {
    struct Case {
        const char* picked;
        SavePath savePath;
        const char* name;
    };
    const Case cases[] = {
        {"/home/ann/games/stones.BMP", SavePath::Full, "/home/ann/games/stones.BMP"},
        {"/home/ann/games/stones.BMP", SavePath::BareName, "stones.BMP"},
        {"/home/ann/my sounds/click one.wav", SavePath::BareName, "click one.wav"},
        {"won.wav", SavePath::BareName, "won.wav"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chosenFileName(c.picked, c.savePath), c.name) << c.picked;
    }
}

TEST(SettingsChoices, OkReturnsEveryChoiceAndKeepsTheLayout) {
    const GameSettings current = everyPartCustom();
    SettingsChoices choices(current);
    choices.chooseLayout(RadioChoice::Default);
    choices.chooseBitmap(RadioChoice::Default);
    choices.setRules({false, true, true, false, true});
    TileSet edited = smallTileSet();
    edited.sizes[19] = 2;
    choices.takeTileSet(edited);
    choices.takeSounds(kBareNames);

    const GameSettings& chosen = choices.settings();
    EXPECT_EQ(chosen.rules, (MoveRules{false, true, true, false, true}));
    EXPECT_EQ(chosen.tileSet, edited);
    EXPECT_EQ(chosen.sounds, kBareNames);
    EXPECT_EQ(bitmapOf(chosen), kBuiltInBitmap);
    EXPECT_EQ(chosen.layout, current.layout);
    EXPECT_EQ(choices.layoutChoice(), RadioChoice::Default);
    EXPECT_EQ(choices.bitmapChoice(), RadioChoice::Default);
    EXPECT_EQ(choices.tileSetChoice(), RadioChoice::Custom);
    EXPECT_EQ(choices.soundsChoice(), RadioChoice::Custom);
    EXPECT_FALSE(current.layoutIsDefault);
}

}  // namespace
}  // namespace morvane
