#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/qt/scroll_bar_link.h"
#include "ui/windows.h"

// The `limitbox` dialog: two scroll bars with their values beside them and OK.
// It does not block the main window.
class LimitBox : public QWidget, public LimitDialog {
    Q_OBJECT
public:
    explicit LimitBox(QWidget* owner);

    // Handlers of the bars' change events and of OK.
    void connect_events(std::function<void()> min_changed, std::function<void()> max_changed,
                        std::function<void()> ok_clicked);

    ScrollBar& minscrol() override { return min_model_; }
    ScrollBar& maxscrol() override { return max_model_; }
    void min(const std::string& text) override;
    void max(const std::string& text) override;
    void Caption(const std::string& title) override;
    void Visible(bool on) override;

    QScrollBar* min_widget() const { return min_bar_; }
    QScrollBar* max_widget() const { return max_bar_; }
    QPushButton* ok_button() const { return ok_; }

private:
    ScrollBar min_model_, max_model_;
    QLineEdit* min_text_;
    QLineEdit* max_text_;
    QScrollBar* min_bar_;
    QScrollBar* max_bar_;
    QPushButton* ok_;
    std::unique_ptr<ScrollBarLink> min_link_, max_link_;
};
