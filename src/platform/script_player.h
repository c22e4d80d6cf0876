#pragma once

#include <functional>
#include <string>
#include <vector>

// Plays a list of steps into the scripted machine, one step at every input
// point of the game: each battle pass, and each time a screen waits with an
// empty queue. This is how tests and the replay tool play whole games.
struct ScriptStep {
    std::vector<int> presses; // pushed onto SDL's queue, in order
    std::vector<int> hold;    // held from this step on
    std::vector<int> release; // let go from this step on
    // Runs first, with the screen as the game last presented it.
    std::function<void()> look;
};

struct Script {
    std::vector<ScriptStep> steps;
    size_t next = 0;
    // Called when the game wants input after the last step; the default stops
    // the process with a message, since the game would otherwise wait for ever.
    std::function<void()> finished;

    Script& press(std::initializer_list<int> buttons);
    Script& hold(std::initializer_list<int> buttons);
    Script& release(std::initializer_list<int> buttons);
    Script& idle(int points = 1);
    Script& look(std::function<void()> at);
};

// Install the script as the machine's input hook.
void playScript(Script* script);
