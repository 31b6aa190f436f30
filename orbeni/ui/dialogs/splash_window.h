#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>

namespace orbeni {

// "Welcome to Orbeni...": the picture shown while the main window is being built.
class TSplash : public QWidget {
    Q_OBJECT

public:
    // A missing or unreadable picture gives a small plain window with the program's name.
    explicit TSplash(const std::filesystem::path& picture, QWidget* parent = nullptr);

    // Centres the window on the screen and paints it at once, before the event loop runs.
    void showNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

}  // namespace orbeni
