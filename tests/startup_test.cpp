#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ChildRun {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The real game as a child process, with the SDL drivers it is given; it
// must end by itself (both failures come before anything waits for a press).
ChildRun runGame(const char* video, const char* audio) {
    std::string dir = ::testing::TempDir();
    std::string tag = std::string(video) + "-" + audio + "-" + std::to_string(getpid());
    std::string out = dir + "/hedgerow-" + tag + ".out";
    std::string err = dir + "/hedgerow-" + tag + ".err";
    pid_t child = fork();
    if (child == 0) {
        setenv("SDL_VIDEODRIVER", video, 1);
        setenv("SDL_AUDIODRIVER", audio, 1);
        if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr) ||
            chdir(HEDGEROW_SOURCE_DIR) != 0) {
            _exit(99);
        }
        alarm(20);
        execl(HEDGEROW_BINARY, HEDGEROW_BINARY, static_cast<char*>(nullptr));
        _exit(98);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status), slurp(out), slurp(err)};
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
