#include "child.h"

#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

// The real game started with a video or an audio driver that cannot work:
// the one message, or none, the status 1, and nothing else: nothing on
// stdout, no file left in its folder, no report from a sanitizer.

namespace {

struct Failure {
    const char* name;
    const char* video;
    const char* audio;
    bool screenMessage;
};

void PrintTo(const Failure& f, std::ostream* os) {
    *os << f.name;
}

std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            std::string name = e->d_name;
            if (name != "." && name != ".." && name != "child.out" && name != "child.err") {
                names.push_back(name);
            }
        }
        closedir(dir);
    }
    return names;
}

class StartupFailure : public ::testing::TestWithParam<Failure> {};

TEST_P(StartupFailure, EndsWithOneAndTheMessageAlone) {
    const Failure& f = GetParam();
    const std::string folder = freshFolder(std::string("startup-") + f.name);
    ChildRun run = runChild(HEDGEROW_BINARY, {}, folder,
                            {{"SDL_VIDEODRIVER", f.video}, {"SDL_AUDIODRIVER", f.audio}}, 60);
    EXPECT_EQ(1, run.status) << run.err;
    if (f.screenMessage) {
        EXPECT_EQ(0u, run.err.rfind("Error, screen mode: ", 0)) << run.err;
        EXPECT_EQ(1, std::count(run.err.begin(), run.err.end(), '\n')) << run.err;
    } else {
        EXPECT_EQ("", run.err);
    }
    EXPECT_EQ("", run.out);
    EXPECT_TRUE(entries(folder).empty()) << "left in its folder: " << entries(folder)[0];
}

// With both broken the screen is tried first, and its message is the only one.
INSTANTIATE_TEST_SUITE_P(
    Drivers, StartupFailure,
    ::testing::Values(Failure{"NoVideo", "no-such-video-driver", "dummy", true},
                      Failure{"NoAudio", "dummy", "no-such-audio-driver", false},
                      Failure{"Neither", "no-such-video-driver", "no-such-audio-driver", true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
