#pragma once

#include <string>

#include "Scene.h"

// The scene as an SVG document of the given side, with its shapes and gradients in user
// space, so that it scales as the painted pictures are drawn.
std::string SvgDocument(const TScene& scene, int side);
