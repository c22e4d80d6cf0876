#include "catalogue.h"

#include "pictures.h"

// In the order in which the game stores them.
const std::vector<Picture>& catalogue() {
    static const std::vector<Picture> pictures = {
        {"menu_background.png", 320, 240, Stored::Palette8, NO_KEY, drawMenuBackground},
        {"menu_pointer.png", 16, 13, Stored::Palette8, {192, 192, 192}, drawMenuPointer},
        {"flag_1.png", 39, 20, Stored::Palette8, NO_KEY, drawFlag1},
        {"flag_2.png", 40, 20, Stored::Palette8, NO_KEY, drawFlag2},
        {"flag_3.png", 39, 20, Stored::Palette8, NO_KEY, drawFlag3},
        {"portrait_3.png", 23, 23, Stored::Palette8, {192, 192, 192}, drawPortrait3},
        {"portrait_2.png", 23, 23, Stored::Palette8, {192, 192, 192}, drawPortrait2},
        {"portrait_1.png", 23, 23, Stored::Palette8, {192, 192, 192}, drawPortrait1},
        {"armour_sheet_3.png", 64, 256, Stored::Palette8, {192, 192, 192}, drawArmourSheet3},
        {"armour_sheet_2.png", 64, 256, Stored::Palette8, {192, 192, 192}, drawArmourSheet2},
        {"armour_sheet_1.png", 64, 256, Stored::Palette8, {192, 192, 192}, drawArmourSheet1},
        {"infantry_sheet_3.png", 192, 384, Stored::Palette8, {192, 192, 192}, drawInfantrySheet3},
        {"infantry_sheet_2.png", 192, 384, Stored::Palette8, {192, 192, 192}, drawInfantrySheet2},
        {"infantry_sheet_1.png", 192, 384, Stored::Palette8, {192, 192, 192}, drawInfantrySheet1},
        {"tileset.png", 257, 32, Stored::Palette8, {0, 0, 0}, drawTileset, true},
        {"stats_panel.png", 100, 100, Stored::Palette8, NO_KEY, drawStatsPanel},
        {"attack_screen.png", 320, 240, Stored::Palette8, NO_KEY, drawAttackScreen},
        {"banner_strip.png", 320, 16, Stored::Rgb8, NO_KEY, drawBannerStrip},
        {"menu_highlight.png", 100, 26, Stored::Rgb8, {255, 255, 255}, drawMenuHighlight},
        {"move_range.png", 160, 160, Stored::Rgb8, {255, 255, 255}, drawMoveRange},
        {"cursor.png", 32, 32, Stored::Palette2, {255, 255, 255}, drawCursor},
        {"pause_menu.png", 100, 100, Stored::Rgb8, NO_KEY, drawPauseMenu},
        {"command_menu.png", 100, 100, Stored::Rgb8, NO_KEY, drawCommandMenu},
        {"attack_cursor.png", 32, 32, Stored::Rgb8, {255, 255, 255}, drawAttackCursor},
        {"title_splash.png", 320, 240, Stored::Rgb8, NO_KEY, drawTitleSplash},
    };
    return pictures;
}
