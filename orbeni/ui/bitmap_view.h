#pragma once

#include <QWidget>
#include <functional>

#include "platform/bitmap/bitmap.h"

namespace orbeni {

// Shows an off-screen bitmap at its own size and hands the mouse to the window: the board image
// `Game` and the side panel `HofBox`. Only the areas it is told have changed are painted again.
class BitmapView : public QWidget {
    Q_OBJECT

public:
    BitmapView(const platform::Bitmap& bitmap, const QString& name, QWidget* parent = nullptr);

    // Follows the bitmap's size after it was replaced.
    void fitBitmap();
    // Lets the view grow past the bitmap, which then stands in its middle on the surround picture,
    // repeated so that it goes on from the bitmap's own corner.
    void centreOn(const platform::Bitmap& surround);
    void bitmapChanged(platform::Rect area);
    // Where the bitmap's corner stands in the view.
    QPoint bitmapOrigin() const;
    QSize sizeHint() const override;

    std::function<void(QPoint)> mouseMoved;
    std::function<void(Qt::MouseButton, QPoint)> mouseReleased;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintSurround(QPainter& painter, const QRect& area) const;

    const platform::Bitmap& m_bitmap;
    const platform::Bitmap* m_surround = nullptr;
};

}  // namespace orbeni
