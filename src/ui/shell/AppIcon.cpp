#include "ui/shell/AppIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace quarvex::ui {

namespace {

// Draws the picture, designed on a 64 x 64 grid, into `rect`.
void DrawIcon(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 64.0, rect.height() / 64.0);

    QLinearGradient tile(0, 4, 0, 60);
    tile.setColorAt(0, QColor(0x0b, 0x1f, 0x66));
    tile.setColorAt(1, QColor(0x1e, 0x5e, 0xff));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);

    painter.setBrush(QColor(0xf4, 0xf7, 0xff));
    painter.drawRoundedRect(QRectF(16, 11, 32, 42), 4, 4);
    painter.setBrush(QColor(0x1b, 0x3a, 0x7a));
    painter.drawRoundedRect(QRectF(20, 15, 24, 9), 2, 2);

    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 2 && column == 2;
            painter.setBrush(equals ? QColor(0xff, 0xa5, 0x1f) : QColor(0x8f, 0xa8, 0xdc));
            painter.drawRoundedRect(QRectF(20 + column * 8.5, 28 + row * 7.9, 6.5, 5.9), 1.2, 1.2);
        }
    }
    painter.restore();
}

// Draws the icon at whatever size is asked for, when it is asked for: nothing is drawn at
// start-up that no one shows.
class ProgramIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        DrawIcon(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return drawn;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
};

} // namespace

QIcon ProgramIcon() {
    return QIcon(new ProgramIconEngine);
}

} // namespace quarvex::ui
