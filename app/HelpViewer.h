#pragma once

#include <QObject>
#include <QUrl>

class QLabel;
class QRect;
class QTextBrowser;
class QWidget;

// The program's own help, shipped inside it and opened by context number:
// 3 is the contents, the scheme elements have their topics.
inline constexpr int kHelpContentsContext = 3;
QUrl HelpPage(int context);

// The help window and the pop-up topic of context help. Both are made on first
// use and kept for the run.
class HelpViewer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* mainWindow);

    // The help window at a context; links lead between the topics, Back and
    // Forward (Alt+Left, Alt+Right) through the pages seen, Escape closes it.
    void open(int context);
    // The topic as a pop-up beside an area of the screen; the next mouse press
    // elsewhere or Escape closes it.
    void popup(int context, const QRect& beside);

    QWidget* helpWindow() const { return window_; }
    QTextBrowser* helpBrowser() const { return browser_; }
    QLabel* popupWindow() const { return popup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void closePopup();

    QWidget* mainWindow_;
    QWidget* window_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QLabel* popup_ = nullptr;
};
