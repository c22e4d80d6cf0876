#include "script_player.h"

#include "script_input.h"

#include <cstdio>
#include <cstdlib>

namespace {

void playStep(InputPoint, void* context) {
    Script* script = static_cast<Script*>(context);
    if (script->next >= script->steps.size()) {
        if (script->finished) {
            script->finished();
            return;
        }
        std::fprintf(stderr, "the script ended while the game still wants input\n");
        std::exit(4);
    }
    const ScriptStep& step = script->steps[script->next++];
    if (step.look) {
        step.look();
    }
    for (int b : step.release) {
        releaseButton(b);
    }
    for (int b : step.hold) {
        holdButton(b);
    }
    for (int b : step.presses) {
        pushPress(b);
    }
}

} // namespace

Script& Script::press(std::initializer_list<int> buttons) {
    steps.push_back({buttons, {}, {}, {}});
    return *this;
}

Script& Script::hold(std::initializer_list<int> buttons) {
    steps.push_back({{}, buttons, {}, {}});
    return *this;
}

Script& Script::release(std::initializer_list<int> buttons) {
    steps.push_back({{}, {}, buttons, {}});
    return *this;
}

Script& Script::idle(int points) {
    for (int i = 0; i < points; ++i) {
        steps.push_back({});
    }
    return *this;
}

Script& Script::look(std::function<void()> at) {
    steps.push_back({{}, {}, {}, std::move(at)});
    return *this;
}

void playScript(Script* script) {
    setInputHook(script ? playStep : nullptr, script);
}
