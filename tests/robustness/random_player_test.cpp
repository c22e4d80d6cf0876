#include "harness.h"
#include "platform/buttons.h"
#include "rules/rules.h"
#include "shell/shell.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// A seeded player that presses and holds whatever it likes across the splash,
// the main menu, battles and both battle menus, and at every battle pass checks
// what must always hold. It also reads the records to play with some purpose
// (toward soldiers, toward enemies, into the menus), so that it moves, aims and
// strikes as well as wanders. Everything it gives the game is kept as a replay
// script, written out when a check fails.

namespace {

const char* const BUTTON_WORDS[BUTTON_COUNT] = {
    "UP",    "UPLEFT", "LEFT", "DOWNLEFT", "DOWN", "DOWNRIGHT", "RIGHT", "UPRIGHT",
    "START", "SELECT", "L",    "R",        "A",    "B",         "Y",     "X"};

enum class Screen { Splash, MainMenu, Battle, PauseMenu, CommandMenu, Gone };

const char* screenName(Screen s) {
    switch (s) {
    case Screen::Splash:
        return "the splash";
    case Screen::MainMenu:
        return "the main menu";
    case Screen::Battle:
        return "a battle";
    case Screen::PauseMenu:
        return "the pause menu";
    case Screen::CommandMenu:
        return "the command menu";
    default:
        return "nothing";
    }
}

Squad* const FIGHTING[] = {&playerSquad, &enemySquad1, &enemySquad2, &enemyArmour};
const char* const FIGHTING_NAMES[] = {"playerSquad", "enemySquad1", "enemySquad2", "enemyArmour"};

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

unsigned long fromEnvironment(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

class Player {
  public:
    // The replay script goes straight to `replayPath`, so that a soak of a
    // million passes keeps no more in memory than a short run.
    Player(unsigned long seed, unsigned long passes, const std::string& replayPath)
        : seed_(seed), limit_(passes), rng_(seed), replay_(replayPath) {
        replay_ << "# seed " << seed << ", " << passes << " passes\n";
    }

    static void hook(InputPoint point, void* self) { static_cast<Player*>(self)->at(point); }

    // Counts that show the player did more than wander.
    unsigned long battles = 0;
    unsigned long strikes = 0;
    unsigned long deaths = 0;
    unsigned long pauseMenus = 0;
    unsigned long commandMenus = 0;
    unsigned long passes = 0;
    long residentAtWarmUp = 0;
    long residentAtEnd = 0;
    std::string failure;

  private:
    unsigned long seed_;
    unsigned long limit_;
    std::mt19937 rng_;
    std::ofstream replay_;
    std::string line_;

    Screen screen_ = Screen::Splash;
    bool closing_ = false;
    bool held_[BUTTON_COUNT] = {};
    // The line the open menu stands on, by the presses it has been given, and
    // whether it has been given its accept press.
    int menuLine_ = 0;
    bool accepted_ = false;
    // Whether the last battle pass ended with an X press that may open menus.
    bool selecting_ = false;
    bool startPressed_ = false;
    unsigned goal_ = 0;
    // END TURN was chosen since the last battle pass, which gives attacks back.
    bool turnEnded_ = false;

    bool newBattle_ = false;
    int life_[4][SQUAD_SIZE] = {};
    int attacks_[4][SQUAD_SIZE] = {};
    bool dead_[4][SQUAD_SIZE] = {};
    SDL_Surface* kept_[4][SQUAD_SIZE] = {};
    SDL_Surface* marker_[4][SQUAD_SIZE] = {};

    unsigned random(unsigned n) { return std::uniform_int_distribution<unsigned>(0, n - 1)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    void fail(const std::string& what) {
        if (failure.empty()) {
            failure = "seed " + std::to_string(seed_) + ", pass " + std::to_string(passes) +
                      ", in " + screenName(screen_) + ": " + what;
            closing_ = true;
        }
    }

    void append(const std::string& command) { line_ += (line_.empty() ? "" : "; ") + command; }

    void press(int button) {
        pushPress(button);
        append(std::string("press ") + BUTTON_WORDS[button]);
    }

    void hold(int button, bool down) {
        if (held_[button] == down) {
            return;
        }
        held_[button] = down;
        if (down) {
            holdButton(button);
        } else {
            releaseButton(button);
        }
        append(std::string(down ? "hold " : "release ") + BUTTON_WORDS[button]);
    }

    void releaseEverything() {
        for (int b = 0; b < BUTTON_COUNT; ++b) {
            hold(b, false);
        }
    }

    void at(InputPoint point) {
        line_.clear();
        if (point == InputPoint::BattlePass) {
            ++passes;
            arriveInBattle();
            if (screen_ == Screen::Battle) {
                check();
                if (passes == 1000) {
                    residentAtWarmUp = residentKiB();
                }
                if (passes >= limit_) {
                    closing_ = true;
                }
                playBattle();
            }
        } else {
            arriveWaiting();
            switch (screen_) {
            case Screen::Splash:
                playSplash();
                break;
            case Screen::MainMenu:
                playMainMenu();
                break;
            case Screen::PauseMenu:
            case Screen::CommandMenu:
                checkHighlight();
                playBattleMenu();
                break;
            default:
                fail("a screen waits where none should");
                break;
            }
        }
        replay_ << (line_.empty() ? "idle 1" : line_) << "\n";
    }

    // Where the game must be when it asks at a battle pass, from what was given.
    void arriveInBattle() {
        if (screen_ == Screen::MainMenu && accepted_ && menuLine_ == 0) {
            screen_ = Screen::Battle;
            newBattle_ = true;
            ++battles;
        } else if (screen_ == Screen::PauseMenu && accepted_ && menuLine_ != PAUSE_EXIT_GAME) {
            screen_ = Screen::Battle;
            turnEnded_ = menuLine_ == PAUSE_END_TURN;
        } else if ((screen_ == Screen::CommandMenu && accepted_)) {
            screen_ = Screen::Battle;
        } else if (screen_ != Screen::Battle || startPressed_) {
            fail("a battle pass came instead of a waiting screen");
            screen_ = Screen::Battle;
        }
        selecting_ = false;
        startPressed_ = false;
    }

    void arriveWaiting() {
        Screen was = screen_;
        if (was == Screen::Splash && accepted_) {
            screen_ = Screen::MainMenu;
        } else if (was == Screen::MainMenu && accepted_) {
            if (menuLine_ != 1) {
                fail("the main menu waits again after START on its first or last line");
            }
        } else if (was == Screen::PauseMenu && accepted_) {
            if (menuLine_ != PAUSE_EXIT_GAME) {
                fail("a screen waits after the pause menu closed without EXIT GAME");
            }
            screen_ = Screen::MainMenu;
        } else if (was == Screen::Battle && startPressed_) {
            screen_ = Screen::PauseMenu;
            ++pauseMenus;
            if (cursor.state != STATE_INACTIVE) {
                fail("the cursor is shown while the pause menu is open");
            }
        } else if ((was == Screen::Battle && selecting_) ||
                   (was == Screen::CommandMenu && accepted_)) {
            screen_ = Screen::CommandMenu;
            ++commandMenus;
        } else if (was == Screen::Battle) {
            fail("a screen waits although nothing was pressed to open one");
        }
        if (screen_ != was || accepted_) {
            menuLine_ = 0;
            accepted_ = false;
        }
        selecting_ = false;
        startPressed_ = false;
    }

    // Moves the modelled line as the menus move theirs: no wrap-around.
    void menuPress(int button, int lines, int accept) {
        press(button);
        if (button == accept) {
            accepted_ = true;
        } else if (button == BUTTON_UP && menuLine_ > 0) {
            --menuLine_;
        } else if (button == BUTTON_DOWN && menuLine_ < lines - 1) {
            ++menuLine_;
        }
    }

    void moveTo(int line, int lines, int accept) {
        while (menuLine_ < line) {
            menuPress(BUTTON_DOWN, lines, accept);
        }
        while (menuLine_ > line) {
            menuPress(BUTTON_UP, lines, accept);
        }
    }

    void choose(int line, int lines, int accept) {
        moveTo(line, lines, accept);
        menuPress(accept, lines, accept);
    }

    void wander(int lines, int accept, int presses) {
        for (int i = 0; i < presses; ++i) {
            int button = chance(0.8) ? (chance(0.5) ? BUTTON_UP : BUTTON_DOWN) : int(random(16));
            if (button != accept && button != BUTTON_START) {
                menuPress(button, lines, accept);
            }
        }
    }

    void playSplash() {
        if (closing_ || chance(0.5)) {
            wander(1, BUTTON_START, int(random(3)));
            press(BUTTON_START);
            accepted_ = true;
            // Taken by the splash, and by nothing after it.
            for (int i = int(random(3)); i > 0; --i) {
                press(chance(0.5) ? BUTTON_START : BUTTON_DOWN);
            }
        } else {
            wander(1, BUTTON_START, 1 + int(random(3)));
        }
    }

    // Lines top to bottom: START, LOAD, EXIT. EXIT only to end the run.
    void playMainMenu() {
        if (closing_) {
            choose(2, 3, BUTTON_START);
            return;
        }
        if (chance(0.3)) {
            wander(3, BUTTON_START, 1 + int(random(3)));
            return;
        }
        int line = chance(0.85) ? 0 : 1;
        if (chance(0.3)) {
            // Queued behind START, and they still move the pointer.
            menuPress(BUTTON_START, 3, BUTTON_START);
            wander(3, BUTTON_START, int(random(3)));
            moveTo(line, 3, BUTTON_START);
            return;
        }
        choose(line, 3, BUTTON_START);
    }

    void playBattleMenu() {
        bool pause = screen_ == Screen::PauseMenu;
        int accept = pause ? BUTTON_START : BUTTON_A;
        if (closing_) {
            choose(pause ? PAUSE_EXIT_GAME : CMD_SPECIAL, 4, accept);
            return;
        }
        if (chance(0.25)) {
            wander(4, accept, 1 + int(random(3)));
            return;
        }
        int line;
        if (pause) {
            unsigned r = random(20);
            line = r < 10   ? PAUSE_END_TURN
                   : r < 14 ? PAUSE_LOAD
                   : r < 18 ? PAUSE_SAVE
                            : PAUSE_EXIT_GAME;
        } else {
            unsigned r = random(20);
            line = r < 8 ? CMD_MOVE : r < 16 ? CMD_ATTACK : r < 18 ? CMD_SPECIAL : CMD_CANCEL;
        }
        choose(line, 4, accept);
        // An order given with X still held would be ended by the next pass's rules.
        if (!pause && chance(0.9)) {
            hold(BUTTON_X, false);
        }
        if (!pause && chance(0.3)) {
            // Behind the accept press: still moves the highlight, the menu keeps its word.
            for (int i = 1 + int(random(2)); i > 0; --i) {
                press(chance(0.5) ? BUTTON_UP : BUTTON_DOWN);
            }
        }
    }

    static int toward(int from, int to, int less, int more) {
        return to < from ? less : to > from ? more : -1;
    }

    Sprite* nearestLive(Squad* const* squads, int count, const Sprite& from) {
        Sprite* best = nullptr;
        int bestDistance = 0;
        for (int s = 0; s < count; ++s) {
            for (Sprite& unit : *squads[s]) {
                int distance = std::abs(unit.x - from.x) + std::abs(unit.y - from.y);
                if (unit.state == STATE_ACTIVE && unit.life > 0 &&
                    (!best || distance < bestDistance)) {
                    best = &unit;
                    bestDistance = distance;
                }
            }
        }
        return best;
    }

    void stepToward(const Sprite& from, const Sprite& to) {
        int dx = to.x - from.x;
        int dy = to.y - from.y;
        int button = std::abs(dx) > std::abs(dy) ? toward(from.x, to.x, BUTTON_LEFT, BUTTON_RIGHT)
                                                 : toward(from.y, to.y, BUTTON_UP, BUTTON_DOWN);
        if (button >= 0) {
            press(button);
        }
    }

    bool cursorOverSoldier() {
        for (Sprite& soldier : playerSquad) {
            if (spritesOverlap(&cursor, &soldier)) {
                return true;
            }
        }
        return false;
    }

    Sprite* walker() {
        for (Sprite& soldier : playerSquad) {
            if (soldier.moveOrdered == 1) {
                return &soldier;
            }
        }
        return nullptr;
    }

    void select() {
        hold(BUTTON_X, true);
        press(BUTTON_X);
        selecting_ = true;
    }

    // Held buttons come and go; B, which withdraws every order, least and briefest.
    void changeHeldButtons() {
        static const int BRIEF[] = {BUTTON_B, BUTTON_Y, BUTTON_R, BUTTON_L, BUTTON_A};
        for (int b : BRIEF) {
            if (held_[b] && chance(b == BUTTON_B ? 0.6 : 0.2)) {
                hold(b, false);
            }
        }
        if (chance(0.06)) {
            static const int HELD[] = {BUTTON_R, BUTTON_R, BUTTON_R, BUTTON_Y,
                                       BUTTON_Y, BUTTON_B, BUTTON_L, BUTTON_A};
            hold(HELD[random(sizeof HELD / sizeof HELD[0])], true);
        }
        if (chance(0.03)) {
            hold(BUTTON_X, !held_[BUTTON_X]);
        }
        if (attackScreen.state == STATE_ACTIVE && chance(0.3)) {
            hold(BUTTON_Y, true);
        }
    }

    // Leads a soldier toward the enemies, stops its walk somewhere on the
    // way, aims at the enemy nearest the attack cursor and strikes.
    void playWithPurpose() {
        Squad* const enemies[] = {&enemySquad1, &enemySquad2, &enemyArmour};
        if (attackCursor.state == STATE_ACTIVE) {
            Sprite* enemy = nearestLive(enemies, 3, attackCursor);
            if (enemy && spritesOverlap(&attackCursor, enemy)) {
                hold(BUTTON_X, true);
            } else if (enemy) {
                hold(BUTTON_X, false);
                stepToward(attackCursor, *enemy);
            }
        } else if (Sprite* soldier = walker()) {
            if (chance(0.12)) {
                hold(BUTTON_X, true);
            } else {
                hold(BUTTON_X, false);
                if (cursor.x <= soldier->x && chance(0.5)) {
                    press(BUTTON_RIGHT);
                }
            }
        } else if (cursorOverSoldier() && chance(0.6)) {
            select();
        } else {
            Squad* const own[] = {&playerSquad};
            Sprite* goal = &playerSquad[goal_ % SQUAD_SIZE];
            if (goal->state != STATE_ACTIVE || chance(0.02)) {
                goal_ = random(SQUAD_SIZE);
                goal = nearestLive(own, 1, playerSquad[goal_]);
            }
            if (goal) {
                stepToward(cursor, *goal);
            }
        }
    }

    void playBattle() {
        if (closing_) {
            releaseEverything();
            press(BUTTON_START);
            startPressed_ = true;
            return;
        }
        changeHeldButtons();
        if (chance(0.35)) {
            for (int i = int(random(4)); i > 0; --i) {
                press(int(random(8)));
            }
        } else {
            playWithPurpose();
            if (selecting_) {
                return;
            }
        }
        if (chance(0.015)) {
            press(BUTTON_START);
            startPressed_ = true;
        } else if (chance(0.03)) {
            select();
        }
    }

    void checkHighlight() {
        const Sprite& menu = screen_ == Screen::PauseMenu ? pauseMenu : commandMenu;
        if (menuHighlight.x != menu.x || menuHighlight.y != menu.y + HIGHLIGHT_OFFSETS[menuLine_]) {
            std::ostringstream what;
            what << "the highlight stands at (" << menuHighlight.x << ", " << menuHighlight.y
                 << ") and the menu at (" << menu.x << ", " << menu.y << "), line " << menuLine_
                 << " expected";
            fail(what.str());
        }
    }

    // A picture no battle sprite holds, to see whether a dead unit is drawn.
    SDL_Surface* markerFor(const Sprite& unit) {
        SDL_Surface* plain =
            SDL_CreateRGBSurface(SDL_SWSURFACE, unit.w, unit.h, 16, 0xf800, 0x07e0, 0x001f, 0);
        SDL_Surface* marker = SDL_DisplayFormat(plain);
        SDL_FreeSurface(plain);
        SDL_FillRect(marker, nullptr, SDL_MapRGB(marker->format, 255, 0, 255));
        return marker;
    }

    bool markerShown(const Sprite& unit) {
        const Uint32 magenta = displayColour(255, 0, 255);
        for (int y = std::max(0, unit.y); y < std::min(240, unit.y + unit.h); ++y) {
            for (int x = std::max(0, unit.x); x < std::min(320, unit.x + unit.w); ++x) {
                if (screenPixel(x, y) == magenta) {
                    return true;
                }
            }
        }
        return false;
    }

    void startBattleRecords() {
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < SQUAD_SIZE; ++i) {
                Sprite& unit = (*FIGHTING[s])[i];
                if (marker_[s][i]) {
                    unit.surface = kept_[s][i];
                    SDL_FreeSurface(marker_[s][i]);
                    marker_[s][i] = nullptr;
                }
                dead_[s][i] = false;
                life_[s][i] = unit.life;
                attacks_[s][i] = unit.attacksLeft;
            }
        }
    }

  public:
    void closeReplay() { replay_.close(); }

    void restoreSurfaces() {
        newBattle_ = true;
        startBattleRecords();
    }

  private:
    static bool inBounds(const Sprite& s) {
        return s.minX <= s.x && s.x <= s.maxX && s.minY <= s.y && s.y <= s.maxY;
    }

    void checkText(const char* name, const char (&text)[NUMBER_TEXT_SIZE]) {
        const void* end = std::memchr(text, '\0', sizeof text);
        if (!end) {
            fail(std::string(name) + " is not terminated within its 5 bytes");
            return;
        }
        if (text[0] == '\0') {
            return;
        }
        char* rest = nullptr;
        std::strtol(text, &rest, 10);
        if (*rest != '\0') {
            fail(std::string(name) + " holds \"" + text + "\", not a number");
        }
    }

    void check() {
        if (newBattle_) {
            newBattle_ = false;
            startBattleRecords();
        }
        Sprite* const singles[] = {&cursor,    &attackCursor, &moveRangeGrid, &statsPanel,
                                   &portrait1, &bannerStrip,  &attackScreen,  &commandMenu,
                                   &pauseMenu, &menuHighlight};
        for (Sprite* s : singles) {
            if (s->state < 0 || s->state > 2 || (s->state == STATE_TARGETING && s != &cursor)) {
                fail("a picture has state " + std::to_string(s->state));
            }
        }
        if (!inBounds(cursor)) {
            fail("the cursor stands at (" + std::to_string(cursor.x) + ", " +
                 std::to_string(cursor.y) + "), outside its bounds");
        }
        if (attackCursor.state != STATE_INACTIVE && !inBounds(attackCursor)) {
            fail("the attack cursor stands outside its bounds");
        }
        checkText("lifeText", lifeText);
        checkText("strengthText", strengthText);
        checkText("defenseText", defenseText);

        // Lives change only as one exchange of blows changes them.
        int changed = 0;
        int attackerS = -1, attackerI = -1, defenderS = -1, defenderI = -1;
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < SQUAD_SIZE; ++i) {
                Sprite& unit = (*FIGHTING[s])[i];
                std::string name = std::string(FIGHTING_NAMES[s]) + "[" + std::to_string(i) + "]";
                if (unit.state < 0 || unit.state > 1) {
                    fail(name + " has state " + std::to_string(unit.state));
                }
                if (unit.movePoints < 0 || unit.movePoints > TURN_MOVE_POINTS ||
                    unit.movePoints % 2 != 0) {
                    fail(name + " has " + std::to_string(unit.movePoints) + " move points");
                }
                if (unit.attacksLeft < 0 || unit.attacksLeft > 1) {
                    fail(name + " has " + std::to_string(unit.attacksLeft) + " attacks left");
                }
                if (dead_[s][i] && unit.state != STATE_INACTIVE) {
                    fail(name + " came back after it was switched off");
                }
                // The frame since its life ran out must not show it.
                if (marker_[s][i] && markerShown(unit)) {
                    fail(name + " was drawn after its life ran out");
                }
                if (unit.life <= 0 && !marker_[s][i]) {
                    ++deaths;
                    kept_[s][i] = unit.surface;
                    marker_[s][i] = markerFor(unit);
                    unit.surface = marker_[s][i];
                }
                if (unit.state == STATE_INACTIVE && unit.life <= 0) {
                    dead_[s][i] = true;
                }
                if (unit.life != life_[s][i]) {
                    ++changed;
                    if (s == 0) {
                        attackerS = s;
                        attackerI = i;
                    } else {
                        defenderS = s;
                        defenderI = i;
                    }
                }
            }
        }
        if (changed > 0) {
            if (changed != 2 || attackerS < 0 || defenderS < 0) {
                fail(std::to_string(changed) + " lives changed in one pass");
            } else {
                const Sprite& a = (*FIGHTING[attackerS])[attackerI];
                const Sprite& d = (*FIGHTING[defenderS])[defenderI];
                int attackerLoss = life_[attackerS][attackerI] - a.life;
                int defenderLoss = life_[defenderS][defenderI] - d.life;
                if (defenderLoss != a.strength - d.defense ||
                    attackerLoss != d.counterStrength - a.defense) {
                    fail("an exchange cost the defender " + std::to_string(defenderLoss) +
                         " and the attacker " + std::to_string(attackerLoss));
                }
                if (!turnEnded_ && a.attacksLeft != attacks_[attackerS][attackerI] - 1) {
                    fail("an attacker struck without spending its attack");
                }
                ++strikes;
            }
        }
        turnEnded_ = false;
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < SQUAD_SIZE; ++i) {
                life_[s][i] = (*FIGHTING[s])[i].life;
                attacks_[s][i] = (*FIGHTING[s])[i].attacksLeft;
            }
        }
    }
};

class RandomPlayer : public ::testing::TestWithParam<unsigned long> {};

// HEDGEROW_RANDOM_SEED and HEDGEROW_RANDOM_PASSES replace the seed and the
// number of battle passes, to rerun a failure or to soak.
TEST_P(RandomPlayer, KeepsEveryInvariantThroughSeveralBattles) {
    const unsigned long seed = fromEnvironment("HEDGEROW_RANDOM_SEED", GetParam());
    const unsigned long passes = fromEnvironment("HEDGEROW_RANDOM_PASSES", 12000);
    clearInput();
    setClock(0, 1000 / BATTLE_FPS + 1);
    const std::string path =
        ::testing::TempDir() + "hedgerow-random-seed-" + std::to_string(seed) + ".replay";
    Player player(seed, passes, path);
    setInputHook(Player::hook, &player);
    showTitleSplash();
    runMainCycle();
    setInputHook(nullptr, nullptr);
    player.restoreSurfaces();
    player.residentAtEnd = residentKiB();
    releaseAllButtons();

    std::printf("seed %lu: %lu passes, %lu battles, %lu pause menus, %lu command menus, %lu "
                "strikes, %lu units killed\n",
                seed, player.passes, player.battles, player.pauseMenus, player.commandMenus,
                player.strikes, player.deaths);
    if (player.residentAtWarmUp > 0) {
        std::printf("resident memory: %ld KiB after 1000 passes, %ld KiB at the end\n",
                    player.residentAtWarmUp, player.residentAtEnd);
    }
    player.closeReplay();
    if (player.failure.empty()) {
        std::remove(path.c_str());
    } else {
        FAIL() << player.failure << "\nrerun: HEDGEROW_RANDOM_SEED=" << seed
               << " HEDGEROW_RANDOM_PASSES=" << passes << "\nreplay: hedgerow-replay " << path;
    }
    EXPECT_GE(player.passes, passes);
    if (passes >= 5000) {
        EXPECT_GE(player.battles, 3u);
        EXPECT_GT(player.pauseMenus, 0u);
        EXPECT_GT(player.commandMenus, 0u);
        EXPECT_GT(player.strikes, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlayer, ::testing::Values(1ul, 2ul, 3ul),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

} // namespace
