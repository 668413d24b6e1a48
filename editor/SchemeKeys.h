#pragma once

// What a key pressed anywhere in the main window does to the scheme's scroll position.
struct KeyScroll {
    bool consumed = false; // the key goes no further
    int position = 0;      // new scroll position (unchanged when the key does not scroll)
};

// key is a Qt::Key; maximum is the end of the scroll range.
KeyScroll SchemeKeyScroll(int key, int position, int maximum);
