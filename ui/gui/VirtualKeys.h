#pragma once

class QKeyEvent;

// The Windows virtual-key number of a key press, as the numeric-entry routines
// count keys; 0 for keys they never see (focus keys, Escape, shortcuts with Alt).
int VirtualKeyOf(const QKeyEvent& event);
