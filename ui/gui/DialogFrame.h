#pragma once

class QDialog;
class QWidget;

// A dialog with a fixed border: its title bar carries the close box only, no
// minimise or maximise, under any window manager that honours the hints. Its
// size is fixed when it is first shown: the size set, else the layout's, widened
// where the title needs it. Called in the dialog's constructor.
void UseFixedBorder(QDialog& dialog);

// The width a window needs for its title to show whole beside the window
// manager's icon and buttons: a narrower window gets its title cut.
int TitleBarWidth(const QWidget& window);

// The pixel size of bold text in the dialogs (the password field's).
inline constexpr int kBoldPixelSize = 14;
