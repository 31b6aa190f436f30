#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "platform/bitmap/bitmap.h"

namespace pocketquillet {

// The window's client area below the menu bar: shows the painter's picture, copying to the
// screen only the areas it is told have changed, and reports clicks and size changes.
class BoardView : public QWidget {
    Q_OBJECT

public:
    BoardView(const platform::Bitmap& image, QWidget* parent = nullptr);

    void showAreas(const std::vector<platform::Rect>& areas);
    QSize sizeHint() const override { return {640, 396}; }

    std::function<void(QPoint)> leftButtonDown;
    std::function<void(QSize)> resized;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const platform::Bitmap& m_image;
};

}  // namespace pocketquillet
