#pragma once

#include <QIcon>

// The tool-bar image list: 20 images (index 0..19), drawn as vector shapes at
// whatever size and pixel ratio a button needs, so they stay sharp when scaled.
inline constexpr int kToolImageCount = 20;

QIcon ToolImage(int index);
