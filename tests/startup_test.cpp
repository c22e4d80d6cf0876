#include "child.h"

#include <SDL.h>

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

// The real game as a child process, with the SDL drivers it is given; it
// must end by itself (both failures come before anything waits for a press).
ChildRun runGame(const char* video, const char* audio) {
    return runChild(HEDGEROW_BINARY, {}, freshFolder(std::string(video) + "-" + audio),
                    {{"SDL_VIDEODRIVER", video}, {"SDL_AUDIODRIVER", audio}}, 60);
}

// What SDL itself says when asked for the mode with that video driver.
std::string sdlErrorFor(const char* video) {
    setenv("SDL_VIDEODRIVER", video, 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK);
    SDL_Surface* s = SDL_SetVideoMode(320, 240, 16, SDL_HWSURFACE | SDL_DOUBLEBUF);
    std::string error = s ? "" : SDL_GetError();
    SDL_Quit();
    return error;
}

TEST(Startup, NoScreenModeSaysSoWithSdlsWordsAndEndsWithOne) {
    std::string expected = sdlErrorFor("no-such-video-driver");
    ASSERT_FALSE(expected.empty());
    ChildRun run = runGame("no-such-video-driver", "dummy");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("Error, screen mode: " + expected + "\n", run.err);
    EXPECT_EQ("", run.out);
}

TEST(Startup, NoAudioDeviceEndsWithOneAndSaysNothing) {
    ChildRun run = runGame("dummy", "no-such-audio-driver");
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("", run.err);
    EXPECT_EQ("", run.out);
}

} // namespace
