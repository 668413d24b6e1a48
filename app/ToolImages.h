#pragma once

#include <QIcon>

// The tool-bar image list: 17 images (index 0..16), drawn as vector shapes at
// whatever size and pixel ratio a button needs, so they stay sharp when scaled.
inline constexpr int kToolImageCount = 17;

QIcon ToolImage(int index);
