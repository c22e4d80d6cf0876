#include "child.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder,
                  const std::vector<std::pair<std::string, std::string>>& environment,
                  unsigned seconds) {
    const std::string out = folder + "/child.out";
    const std::string err = folder + "/child.err";
    // Built for another machine, the program runs under the same emulator as
    // the tests themselves.
    std::vector<std::string> words;
    std::istringstream emulator(HEDGEROW_CHILD_EMULATOR);
    for (std::string word; emulator >> word;) {
        words.push_back(word);
    }
    words.push_back(program);
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    for (const std::string& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        if (chdir(folder.c_str()) != 0 || !std::freopen(out.c_str(), "w", stdout) ||
            !std::freopen(err.c_str(), "w", stderr)) {
            _exit(99);
        }
        alarm(seconds);
        execv(argv[0], argv.data());
        _exit(98);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status), readFile(out),
            readFile(err)};
}

std::string freshFolder(const std::string& name) {
    std::string path = ::testing::TempDir() + "hedgerow-" + name + "-" + std::to_string(getpid());
    std::string command = "rm -rf '" + path + "' && mkdir -p '" + path + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "could not make " << path;
    }
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
