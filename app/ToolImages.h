#pragma once

#include <QIcon>

// The tool-bar image list: 18 images (index 0..17), drawn as vector shapes at
// whatever size and pixel ratio a button needs, so they stay sharp when scaled.
inline constexpr int kToolImageCount = 18;

QIcon ToolImage(int index);
