#pragma once

// The GP2X button numbers, as joystick 0 reports them on the console. Every
// other source of input (keyboard, desktop pad, test script) is turned into
// these numbers by the platform layer before the game sees it.
inline constexpr int BUTTON_UP = 0;
inline constexpr int BUTTON_UP_LEFT = 1;
inline constexpr int BUTTON_LEFT = 2;
inline constexpr int BUTTON_DOWN_LEFT = 3;
inline constexpr int BUTTON_DOWN = 4;
inline constexpr int BUTTON_DOWN_RIGHT = 5;
inline constexpr int BUTTON_RIGHT = 6;
inline constexpr int BUTTON_UP_RIGHT = 7;
inline constexpr int BUTTON_START = 8;
inline constexpr int BUTTON_SELECT = 9;
inline constexpr int BUTTON_L = 10;
inline constexpr int BUTTON_R = 11;
inline constexpr int BUTTON_A = 12;
inline constexpr int BUTTON_B = 13;
inline constexpr int BUTTON_Y = 14;
inline constexpr int BUTTON_X = 15;
inline constexpr int BUTTON_COUNT = 16;
