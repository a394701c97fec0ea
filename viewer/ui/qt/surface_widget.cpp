#include "ui/qt/surface_widget.h"

#include <QMouseEvent>
#include <QPainter>

SurfaceWidget::SurfaceWidget(QWidget* parent, Color back, Color fore)
    : QWidget(parent), surface_(1, 1, devicePixelRatioF(), back, fore, font()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), surface_.image());
}

void SurfaceWidget::resizeEvent(QResizeEvent*) {
    surface_.set_font(font());
    if (surface_.size() == size() && surface_.device_pixel_ratio() == devicePixelRatioF()) return;
    surface_.resize(width(), height(), devicePixelRatioF());
    if (on_resize) on_resize();
    update();
}

void SurfaceWidget::fit_surface() {
    surface_.set_font(font());
    surface_.resize(width(), height(), devicePixelRatioF());
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
    if (!on_mouse_down) return;
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            break;
    }
    const QPointF user = surface_.to_user(event->position());
    on_mouse_down(button, shift_mask(event->modifiers()), user.x(), user.y());
}

int shift_mask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

SurfaceWidget* window_coloured_view(QWidget* parent) {
    const QColor back = parent->palette().color(QPalette::Base);
    const QColor text = parent->palette().color(QPalette::Text);
    return new SurfaceWidget(parent, rgb(back.red(), back.green(), back.blue()),
                             rgb(text.red(), text.green(), text.blue()));
}
