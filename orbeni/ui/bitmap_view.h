#pragma once

#include <QWidget>
#include <functional>

#include "orbeni/view/board_scale.h"
#include "platform/bitmap/bitmap.h"

namespace orbeni {

// Shows an off-screen bitmap at its own size and hands the mouse to the window: the board image
// `Game` and the side panel `HofBox`. Only the areas it is told have changed are painted again.
// A bitmap may hold more pixels than the view shows (two for each on a HiDPI screen), and the board
// may be drawn as large as the view allows; points and areas given out and taken in are always in
// the bitmap's own board pixels.
class BitmapView : public QWidget {
    Q_OBJECT

public:
    BitmapView(const platform::Bitmap& bitmap, const QString& name, QWidget* parent = nullptr);

    // Follows the bitmap's size after it was replaced.
    void fitBitmap();
    // Lets the view grow past the bitmap, which then stands in its middle on the surround picture,
    // repeated so that it goes on from the bitmap's own corner.
    void centreOn(const platform::Bitmap& surround);
    // Tells how many pixels of the bitmap make one board pixel each way.
    void setPixelRatio(int ratio);
    // Draws the bitmap as large as the view allows, keeping its proportions, or at its own size.
    void scaleToView(bool scaled);
    void bitmapChanged(platform::Rect area);
    // Where the bitmap's corner stands in the view.
    QPoint bitmapOrigin() const;
    // Where the bitmap stands in the view and how large it is drawn.
    BoardScale boardScale() const;
    QSize sizeHint() const override;

    std::function<void(QPoint)> mouseMoved;
    std::function<void(Qt::MouseButton, QPoint)> mouseReleased;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize boardSize() const;
    QPoint boardPointAt(QPointF at) const;
    void paintBitmap(QPainter& painter, const QRect& area, const BoardScale& scale) const;
    void paintSurround(QPainter& painter, const QRect& area, const BoardScale& scale) const;

    const platform::Bitmap& m_bitmap;
    const platform::Bitmap* m_surround = nullptr;
    int m_pixelRatio = 1;
    bool m_scaled = false;
};

}  // namespace orbeni
