#pragma once

#include <QObject>
#include <QScrollBar>
#include <functional>

#include "ui/scroll_bar.h"

// Keeps a QScrollBar showing a ScrollBar model. The model holds the truth: the
// widget's user actions set the model's value, which raises its change event;
// the model's changes (by the routines) are shown on the widget. The top end
// of the widget shows the model's Min, whichever of Min and Max is larger.
class ScrollBarLink : public QObject {
    Q_OBJECT
public:
    // `changed` runs after every change of the model's value: the event handler.
    ScrollBarLink(ScrollBar& model, QScrollBar& widget, std::function<void()> changed);

    void show_model();

private:
    int sign() const;

    ScrollBar& model_;
    QScrollBar& widget_;
    std::function<void()> changed_;
    bool showing_ = false;
};
