#pragma once

#include <string>
#include <utility>
#include <vector>

// A program run to its end in a folder of its own, with what it printed.
struct ChildRun {
    // The exit status, or minus the signal that ended it.
    int status;
    std::string out;
    std::string err;
};

// Runs `program` with `arguments` in `folder`, with the environment of the
// tests plus `environment`; stopped after `seconds` seconds if it has not
// ended by then.
ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& folder,
                  const std::vector<std::pair<std::string, std::string>>& environment,
                  unsigned seconds);

// A new empty folder under the tests' temporary folder.
std::string freshFolder(const std::string& name);

// The whole of a file, or empty when it cannot be read.
std::string readFile(const std::string& path);
