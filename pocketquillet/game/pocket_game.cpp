#include "pocketquillet/game/pocket_game.h"

#include <cstdio>
#include <utility>

#include "pocketquillet/game/hiscore_file.h"
#include "pocketquillet/game/hiscore_view.h"
#include "pocketquillet/game/profile_access.h"
#include "pocketquillet/game/random_source.h"
#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

PocketGame::Hold::Hold(PocketGame& game)
    : m_state(game.m_state), m_wasRunning(game.m_state == GameState::Running) {
    if (m_wasRunning) {
        m_state = GameState::Held;
    }
}

PocketGame::Hold::~Hold() {
    if (m_wasRunning && m_state == GameState::Held) {
        m_state = GameState::Running;
    }
}

namespace {

// Fills the one number of a headline pattern such as "... Round -%d- ".
std::string formatHeadline(std::string_view pattern, int number) {
    std::array<char, 160> buffer{};
    std::snprintf(buffer.data(), buffer.size(), std::string(pattern).c_str(), number);
    return buffer.data();
}

}  // namespace

PocketGame::PocketGame(Host& host, RandomSource& random, ProfileAccess& profile,
                       std::filesystem::path hiscoreFile)
    : m_host(host),
      m_random(random),
      m_profile(profile),
      m_hiscoreFile(std::move(hiscoreFile)),
      m_options(readOptions(profile)) {
    m_roundCounter = m_options.startRound - 2;
    m_skill.pointsFactor = kIdlePointsFactor;
}

void PocketGame::startGame() {
    if (isEnabled(Command::StartGame)) {
        startRound(RoundStart::FirstOfGame);
    }
}

void PocketGame::pauseGame() {
    if (!isEnabled(Command::PauseGame)) {
        return;
    }
    m_state = m_state == GameState::Running ? GameState::Held : GameState::Running;
    m_host.repaintStatus();
    m_host.updateCommands();
}

void PocketGame::endGame() {
    if (isEnabled(Command::EndGame) && askQuestion(Text::QuitThisGame) == Answer::Yes) {
        endGameWithScores();
    }
}

void PocketGame::nextRound() {
    if (isEnabled(Command::NextRound)) {
        startRound(RoundStart::NextOfGame);
    }
}

void PocketGame::showHiscore() {
    hiscoreEntry(m_currentPlayer, HiscoreCall::ViewOnly);
}

void PocketGame::toggleOption(Command command) {
    if (!isEnabled(command)) {
        return;
    }
    switch (command) {
        case Command::AllowHelp:
            m_options.allowHelp = !m_options.allowHelp;
            break;
        case Command::AllowNextRound:
            m_options.allowNextRound = !m_options.allowNextRound;
            break;
        case Command::Intermission:
            m_options.intermission = !m_options.intermission;
            break;
        case Command::Sound:
            m_options.sound = !m_options.sound;
            break;
        case Command::ShowScore:
            m_options.showScore = !m_options.showScore;
            m_host.repaintBoard();
            break;
        default:
            return;
    }
    m_host.updateCommands();
}

void PocketGame::playSound(Sound sound) {
    if (m_options.sound) {
        m_host.playSound(sound);
    }
}

void PocketGame::applyOptions(const Options& options) {
    const bool languageChanged = options.language != m_options.language;
    m_options = options;
    writeOptions(m_options, m_profile);
    if (languageChanged && m_state != GameState::Idle) {
        m_host.repaintStatus();
    }
    m_host.updateCommands();
}

bool PocketGame::isEnabled(Command command) const {
    const bool runs = m_state != GameState::Idle;
    const bool playing = m_state == GameState::Running;
    switch (command) {
        case Command::StartGame:
        case Command::AllowHelp:
        case Command::AllowNextRound:
            return !runs;
        case Command::EndGame:
            return runs;
        case Command::PauseGame:
            return runs && m_options.playMode == PlayMode::Challenge;
        case Command::NextRound:
            return playing && m_options.playMode != PlayMode::Solitaire &&
                   (m_stonesLeft <= m_threshold || m_options.allowNextRound);
        case Command::NextMove:
            return playing && m_options.allowHelp && !isComputer(m_currentPlayer);
        default:
            return true;
    }
}

bool PocketGame::isChecked(Command command) const {
    switch (command) {
        case Command::AllowHelp:
            return m_options.allowHelp;
        case Command::AllowNextRound:
            return m_options.allowNextRound;
        case Command::Intermission:
            return m_options.intermission;
        case Command::Sound:
            return m_options.sound;
        case Command::ShowScore:
            return m_options.showScore;
        default:
            return false;
    }
}

bool PocketGame::isComputer(int playerIndex) const {
    return m_options.playMode == PlayMode::Challenge && playerIndex >= 0 && playerIndex < kPlayerCount &&
           equalsIgnoringCase(m_players[static_cast<std::size_t>(playerIndex)].name, kComputerName);
}

// Begins the next round: the pause between rounds, the skill values, the Challenge names before
// the first round, then the deal.
void PocketGame::startRound(RoundStart start) {
    ++m_roundCounter;
    if (m_options.intermission && start == RoundStart::NextOfGame) {
        m_state = GameState::Held;
        playSound(Sound::BoardDone);
        showHiscoreView(
            readHiscoreFile(m_hiscoreFile),
            formatHeadline(text(m_options.language, Text::WellDoneNextRound), m_roundCounter + 1));
    }
    m_skill = skillValues(m_options.skill);
    if (m_options.playMode == PlayMode::Challenge && start == RoundStart::FirstOfGame &&
        !askChallengeNames()) {
        returnToIdle();
        return;
    }
    m_state = GameState::Held;
    clearSelection();
    m_host.updateCommands();
    dealRound();
    m_state = GameState::Running;
    m_host.updateCommands();
}

bool PocketGame::askChallengeNames() {
    for (Player& player : m_players) {
        player.points = 0;
        player.stonesRemoved = 0;
    }
    m_currentPlayer = 0;
    const std::optional<ChallengeNames> typed = m_host.askChallengeNames();
    if (!typed) {
        return false;
    }
    const ChallengeNames names = acceptChallengeNames(*typed, m_options.language);
    for (int i = 0; i < kPlayerCount; ++i) {
        m_players[i].name = names[i];
    }
    return true;
}

void PocketGame::dealRound() {
    m_selection.reset();
    m_shownPath.reset();
    m_players[0].helpsLeft = m_options.playMode == PlayMode::Challenge ? 1 : 4;
    m_players[1].helpsLeft = 1;
    BoardDefinition board;
    if (m_options.playMode == PlayMode::Solitaire) {
        m_roundCounter = 0;
        board = loadBoard(m_profile, 0, Lanes::AllCells);
    } else {
        const int boards = maxBoards(m_profile);
        board = loadBoard(m_profile, ((m_roundCounter % boards) + boards) % boards, Lanes::FromDefinition);
    }
    m_extent = extentOf(board.lanes);
    m_stoneSize = board.stoneSize;
    const int placed = dealStones(m_grid, board, m_random);
    playSound(Sound::Dealt);
    m_stonesTotal = m_stonesLeft = placed;
    m_secondsLeft = m_skill.turnSeconds;
    m_threshold = placed / m_skill.thresholdDivisor;
    m_host.repaintBoard();
}

void PocketGame::returnToIdle() {
    erasePath();
    clearSelection();
    m_state = GameState::Idle;
    m_currentPlayer = 0;
    for (Player& player : m_players) {
        player.points = 0;
        player.stonesRemoved = 0;
    }
    m_roundCounter = m_options.startRound - 2;
    m_skill.pointsFactor = kIdlePointsFactor;
    m_host.updateCommands();
    m_host.repaintBoard();
}

// Ends a game: Tournament enters the player's score, Challenge both players' scores.
void PocketGame::endGameWithScores() {
    if (m_options.playMode == PlayMode::Tournament) {
        hiscoreEntry(0, HiscoreCall::Enter);
    } else if (m_options.playMode == PlayMode::Challenge) {
        hiscoreEntry(0, HiscoreCall::Enter);
        hiscoreEntry(1, HiscoreCall::Enter);
    }
    returnToIdle();
}

// Ranks a player's points in the stored table: Challenge scores go in at once, a Tournament
// score asks for the name first, and every other call only shows the table.
void PocketGame::hiscoreEntry(int playerIndex, HiscoreCall call) {
    HiscoreTable table = readHiscoreFile(m_hiscoreFile);
    const Player& entering = m_players[static_cast<std::size_t>(playerIndex)];
    const int rank = table.rankOf(entering.points);
    const bool enter = call == HiscoreCall::Enter;
    if (enter && m_options.playMode == PlayMode::Challenge) {
        if (rank < kHiscoreEntries) {
            table.insert(rank, entering.name, entering.points);
            writeHiscoreFile(m_hiscoreFile, table);
        }
        if (playerIndex == 1) {
            playSound(Sound::Hiscore);
            const Hold hold(*this);
            m_host.showHiscores(HiscoreView{{}, hiscoreRows(table, {})});
        }
        return;
    }
    if (enter && m_options.playMode == PlayMode::Tournament && rank < kHiscoreEntries) {
        playSound(Sound::Hiscore);
        const Hold hold(*this);
        if (const std::optional<std::u16string> name = m_host.askHiscoreName()) {
            table.insert(rank, std::u16string_view(*name).substr(0, kPlayerNameLength), entering.points);
            writeHiscoreFile(m_hiscoreFile, table);
        }
        return;
    }
    playSound(Sound::Hiscore);
    std::string headline;
    if (m_options.playMode == PlayMode::Solitaire) {
        headline = text(m_options.language, Text::NoEntryInSolitaire);
    } else if (enter) {
        headline = text(m_options.language, Text::TooLessPoints);
    }
    showHiscoreView(table, std::move(headline));
}

// Shows the stored table with the running game's scores placed among it.
void PocketGame::showHiscoreView(const HiscoreTable& table, std::string headline) {
    std::array<RunningScore, kPlayerCount> running;
    int count = 0;
    if (m_options.playMode == PlayMode::Challenge) {
        for (const Player& player : m_players) {
            running[count++] = {player.points, player.name};
        }
    } else {
        running[count++] = {m_players[0].points, utf8ToUtf16(text(m_options.language, Text::Player1))};
    }
    const Hold hold(*this);
    m_host.showHiscores(
        HiscoreView{std::move(headline), hiscoreRows(table, std::span(running.data(), count))});
}

Answer PocketGame::askQuestion(Text question) {
    const Hold hold(*this);
    return m_host.ask(kMessageCaption, text(m_options.language, question));
}

// Asks whether to play once more: Yes goes back to the start picture, No closes the program.
void PocketGame::askOnceAgain(Text question) {
    if (askQuestion(question) == Answer::Yes) {
        returnToIdle();
    } else {
        m_host.closeProgram();
    }
}

ChallengeNames acceptChallengeNames(const ChallengeNames& typed, Language language) {
    ChallengeNames names;
    const std::array<Text, kPlayerCount> defaults = {Text::Player1, Text::Player2};
    for (int i = 0; i < kPlayerCount; ++i) {
        const std::u16string& name = typed[i];
        names[i] = name.empty() || name.front() == u' ' ? utf8ToUtf16(text(language, defaults[i]))
                                                        : name.substr(0, kPlayerNameLength);
    }
    return names;
}

}  // namespace pocketquillet
