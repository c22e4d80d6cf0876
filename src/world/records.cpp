#include "world.h"

Squad playerSquad;
Squad enemySquad1;
Squad enemySquad2;
Squad enemyArmour;
Squad reserveSquad1;
Squad reserveSquad2;

Sprite cursor;
Sprite attackCursor;
Sprite moveRangeGrid;
Sprite statsPanel;
Sprite portrait1;
Sprite portrait2;
Sprite portrait3;
Sprite bannerStrip;
Sprite attackScreen;
Sprite commandMenu;
Sprite pauseMenu;
Sprite menuHighlight;

Battlefield battlefield;

bool soldierHasHome[SQUAD_SIZE];
