#pragma once

#include <string_view>
#include <vector>

// The game's texts whose parts vary, as the templates a translation places the parts in: the
// window's captions and the messages that name a file, a folder, a reason or a size.
std::vector<std::string_view> GameTextTemplates();
