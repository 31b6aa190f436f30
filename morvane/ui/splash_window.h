#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <filesystem>

namespace morvane {

// The borderless picture shown at start-up; it closes after four seconds or at the first key or
// mouse press.
class SplashWindow : public QWidget {
    Q_OBJECT

public:
    // A missing or unreadable picture gives a plain window of the same size with the name.
    explicit SplashWindow(const std::filesystem::path& picture, QWidget* parent = nullptr);

    // Centres the window on the screen, shows it and starts its four seconds.
    void showCentred();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    QTimer m_closeTimer;
};

}  // namespace morvane
