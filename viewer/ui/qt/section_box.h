#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <functional>

#include "ui/windows.h"

// The section dialog: first cast, last cast, variable, OK and Cancel. It does
// not block the main window; Cancel hides it and keeps the section as it was.
class SectionBox : public QWidget, public SectionDialog {
    Q_OBJECT
public:
    explicit SectionBox(QWidget* owner);
    void connect_events(std::function<void()> ok_clicked);

    void offer(const SectionChoice& choice, int ncast, const std::vector<int>& vars) override;
    SectionChoice choice() const override;
    void Visible(bool on) override;

    QSpinBox* first_box() const { return first_; }
    QSpinBox* last_box() const { return last_; }
    QComboBox* variable_box() const { return variable_; }
    QPushButton* ok_button() const { return ok_; }

private:
    QSpinBox* first_;
    QSpinBox* last_;
    QComboBox* variable_;
    QPushButton* ok_;
};
