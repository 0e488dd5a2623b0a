#include <iostream>
#include <string>
#include <vector>

#include "SkinTool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunSkinTool(arguments, std::cout, std::cerr);
}
