#pragma once

class QApplication;

// True when the process can open a window; otherwise prints why to stderr.
bool displayAvailable();

// Russian texts on the standard buttons ("Да", "Нет", "Отмена").
void installRussianTranslation(QApplication& app);
