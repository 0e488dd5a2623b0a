#pragma once

#include <string>
#include <vector>

// One finding of a skin check: the file at fault and what to change.
struct TSkinProblem {
    bool Warning = false;  // the game shows the skin, though not as its author meant
    std::string File;
    std::string Text;
};

using TSkinProblems = std::vector<TSkinProblem>;
