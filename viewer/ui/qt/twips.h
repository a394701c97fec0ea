#pragma once

#include <QRect>
#include <QWidget>

// Window sizes and positions are laid out in twips, 1440 to the inch of the
// screen's logical resolution.
inline int twips_to_px(double twips, const QWidget* w) { return qRound(twips * w->logicalDpiX() / 1440.0); }
inline double px_to_twips(int px, const QWidget* w) { return px * 1440.0 / w->logicalDpiX(); }
inline QRect twips_rect(double left, double top, double width, double height, const QWidget* w) {
    return {twips_to_px(left, w), twips_to_px(top, w), twips_to_px(width, w), twips_to_px(height, w)};
}

// A caption laid out in twips keeps its place but grows to show its whole
// text when the font is wider than the layout assumed.
inline void fit_text(QWidget* w) {
    if (w->sizeHint().width() > w->width()) w->resize(w->sizeHint().width(), w->height());
}
