#include "harness.h"

#include "platform/buttons.h"
#include "shell/shell.h"

#include <gtest/gtest.h>

Uint32 displayColour(Uint8 r, Uint8 g, Uint8 b) {
    return SDL_MapRGB(screen->format, r, g, b);
}

namespace {

Uint32 rawPixel(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
    case 1:
        value = row[x];
        break;
    case 2:
        value = reinterpret_cast<const Uint16*>(row)[x];
        break;
    case 3:
        value = row[x * 3] | (row[x * 3 + 1] << 8) | (row[x * 3 + 2] << 16);
        break;
    default:
        value = reinterpret_cast<const Uint32*>(row)[x];
        break;
    }
    SDL_UnlockSurface(surface);
    return value;
}

} // namespace

SDL_Color surfaceColour(SDL_Surface* surface, int x, int y) {
    Uint32 value = rawPixel(surface, x, y);
    SDL_Color c{};
    SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
    return c;
}

Uint32 screenPixel(int x, int y) {
    SDL_LockSurface(screen);
    Uint32 value = static_cast<const Uint16*>(screen->pixels)[y * screen->pitch / 2 + x];
    SDL_UnlockSurface(screen);
    return value;
}

void fillScreen(Uint8 r, Uint8 g, Uint8 b) {
    SDL_FillRect(screen, nullptr, displayColour(r, g, b));
}

void pushPresses(std::initializer_list<int> buttons) {
    for (int button : buttons) {
        pushPress(button);
    }
}

void clearInput() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    releaseAllButtons();
}

// Peeked into a real array: given none, SDL 1.2-compat counts at most one.
int queuedEvents() {
    SDL_Event events[256];
    SDL_PumpEvents();
    return SDL_PeepEvents(events, 256, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

void freshBattle() {
    clearInput();
    setupBattlefield(MAP_ROWS, MAP_COLS, 0, 0);
    setupBattle();
}

void saveScreen(const std::string& path) {
    SDL_SaveBMP(screen, path.c_str());
}

std::vector<Uint16> grabScreen() {
    std::vector<Uint16> pixels;
    for (int y = 0; y < 240; ++y) {
        for (int x = 0; x < 320; ++x) {
            pixels.push_back(static_cast<Uint16>(screenPixel(x, y)));
        }
    }
    return pixels;
}

Uint32 spritePixel(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    Uint32 value = reinterpret_cast<const Uint16*>(static_cast<const Uint8*>(surface->pixels) +
                                                   y * surface->pitch)[x];
    SDL_UnlockSurface(surface);
    return value;
}

namespace {

bool keyed(SDL_Surface* picture, int x, int y) {
    return (picture->flags & SDL_SRCCOLORKEY) != 0 &&
           rawPixel(picture, x, y) == picture->format->colorkey;
}

bool onScreen(int x, int y) {
    return x >= 0 && y >= 0 && x < screen->w && y < screen->h;
}

} // namespace

int pictureMismatches(SDL_Surface* picture, int atX, int atY, SDL_Rect area) {
    int mismatches = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            int px = x - atX;
            int py = y - atY;
            if (!onScreen(x, y) || px < 0 || py < 0 || px >= picture->w || py >= picture->h ||
                keyed(picture, px, py)) {
                continue;
            }
            SDL_Color c = surfaceColour(picture, px, py);
            mismatches += screenPixel(x, y) != displayColour(c.r, c.g, c.b);
        }
    }
    return mismatches;
}

int tileMismatches(SDL_Rect area) {
    int mismatches = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
        for (int x = area.x; x < area.x + area.w; ++x) {
            if (!onScreen(x, y) || y >= VIEW_ROWS * TILE_SIZE) {
                continue;
            }
            int value = battleMap[(y / TILE_SIZE) * MAP_COLS + x / TILE_SIZE];
            int tileX = (value % battlefield.tileModulus) * TILE_SIZE - TILE_SIZE + x % TILE_SIZE;
            int tileY = y % TILE_SIZE;
            if (tileX < 0 || keyed(battlefield.tileset, tileX, tileY)) {
                continue;
            }
            SDL_Color c = surfaceColour(battlefield.tileset, tileX, tileY);
            mismatches += screenPixel(x, y) != displayColour(c.r, c.g, c.b);
        }
    }
    return mismatches;
}

namespace {

void addFields(RecordSnapshot& snapshot, const std::string& name, const Sprite& s,
               bool withPosition = true) {
    const std::pair<const char*, long long> fields[] = {
        {"x", s.x},
        {"y", s.y},
        {"frame", s.frame},
        {"lastFrame", s.lastFrame},
        {"state", s.state},
        {"sheetRow", s.sheetRow},
        {"surface", reinterpret_cast<long long>(s.surface)},
        {"loadedSurface", reinterpret_cast<long long>(s.loadedSurface)},
        {"w", s.w},
        {"h", s.h},
        {"animTick", s.animTick},
        {"step", s.step},
        {"statsShown", s.statsShown},
        {"moveOrdered", s.moveOrdered},
        {"homeX", s.homeX},
        {"homeY", s.homeY},
        {"movePoints", s.movePoints},
        {"attacksLeft", s.attacksLeft},
        {"maxX", s.maxX},
        {"minX", s.minX},
        {"minY", s.minY},
        {"maxY", s.maxY},
        {"attackOrdered", s.attackOrdered},
        {"life", s.life},
        {"strength", s.strength},
        {"defense", s.defense},
        {"counterStrength", s.counterStrength},
    };
    for (const auto& [field, value] : fields) {
        std::string key = field;
        if (withPosition || (key != "x" && key != "y")) {
            snapshot.emplace_back(name + "." + key, value);
        }
    }
}

void addSquad(RecordSnapshot& snapshot, const std::string& name, const Squad& squad) {
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        addFields(snapshot, name + "[" + std::to_string(i) + "]", squad[i]);
    }
}

} // namespace

RecordSnapshot snapshotRecords() {
    RecordSnapshot snapshot;
    addSquad(snapshot, "playerSquad", playerSquad);
    addSquad(snapshot, "enemySquad1", enemySquad1);
    addSquad(snapshot, "enemySquad2", enemySquad2);
    addSquad(snapshot, "enemyArmour", enemyArmour);
    addFields(snapshot, "cursor", cursor);
    addFields(snapshot, "attackCursor", attackCursor);
    addFields(snapshot, "moveRangeGrid", moveRangeGrid);
    addFields(snapshot, "statsPanel", statsPanel);
    addFields(snapshot, "portrait1", portrait1);
    addFields(snapshot, "attackScreen", attackScreen);
    addFields(snapshot, "bannerStrip", bannerStrip);
    addFields(snapshot, "pauseMenu", pauseMenu, false);
    addFields(snapshot, "commandMenu", commandMenu, false);
    addFields(snapshot, "menuHighlight", menuHighlight, false);
    for (int i = 0; i < SQUAD_SIZE; ++i) {
        snapshot.emplace_back("soldierHasHome[" + std::to_string(i) + "]", soldierHasHome[i]);
    }
    return snapshot;
}

std::string changesSince(const RecordSnapshot& before) {
    RecordSnapshot now = snapshotRecords();
    std::string changes;
    for (size_t i = 0; i < before.size() && i < now.size(); ++i) {
        if (before[i].second != now[i].second) {
            changes += before[i].first + " " + std::to_string(before[i].second) + " -> " +
                       std::to_string(now[i].second) + "\n";
        }
    }
    return changes;
}

namespace {

void reportWaiting(InputPoint point, void*) {
    if (point == InputPoint::Waiting) {
        ADD_FAILURE() << "a screen waited for a press the test never gave";
        pushPresses({BUTTON_DOWN, BUTTON_DOWN, BUTTON_A, BUTTON_START});
    }
}

} // namespace

void failWhenAScreenWaits() {
    setInputHook(reportWaiting, nullptr);
}
