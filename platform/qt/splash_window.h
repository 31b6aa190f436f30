#pragma once

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QSize>
#include <QString>
#include <QWidget>
#include <chrono>

#include "platform/qt/window_timer.h"

namespace platform::qt {

// How a program's start-up picture is shown.
struct SplashLook {
    QString windowTitle;  // a framed window with this title; none: a borderless picture on top
    QString name;         // the program's name, drawn on the frame's strip or on a plain window
    QSize plainSize;      // the picture's room when the picture is missing
    QMargins frame;       // room around the picture; the name stands in the room below it
    QColor frameTop, frameBottom, nameColour;
    int namePixels = 28;       // the name's height on a plain window
    int stripNamePixels = 12;  // its height on the strip below a picture
    // Closes itself after this long or at a key or a click; zero: the program closes it.
    std::chrono::milliseconds shownFor{0};
};

// The picture shown at start-up. A missing or unreadable picture gives a plain window of the
// look's plain size with the program's name.
class SplashWindow : public QWidget {
public:
    SplashWindow(const QImage& picture, SplashLook look);

    // Centres the window on the screen and paints it at once, before the event loop runs.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    SplashLook m_look;
    WindowTimer m_closeTimer;
};

}  // namespace platform::qt
