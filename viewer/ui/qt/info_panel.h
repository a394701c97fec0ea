#pragma once

#include <QLineEdit>
#include <QWidget>
#include <map>

#include "ui/windows.h"

// The `info` window, "Station Information": six captioned fields that showinfo
// writes. The fields are for reading only and keep their places when the
// window is resized.
class InfoPanel : public QWidget, public InfoWindow {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* owner);
    void Text(InfoField field, const std::string& text) override;
    QString text_of(InfoField field) const;

private:
    std::map<InfoField, QLineEdit*> fields_;
};
