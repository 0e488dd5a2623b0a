#pragma once

#include <memory>
#include <vector>

#include "SkinTheme.h"

// The skins that come with the game; the first is the default package "Buttons".
std::vector<std::unique_ptr<TSkinTheme>> ShippedSkins();
