#include "ui/qt/limit_box.h"

#include <QLabel>

#include "ui/qt/twips.h"

LimitBox::LimitBox(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("limitbox");
    setGeometry(twips_rect(765, 3030, 5310, 1320, this));

    auto* label1 = new QLabel("Minimum", this);
    label1->setObjectName("Label1");
    label1->setGeometry(twips_rect(600, 240, 735, 255, this));
    fit_text(label1);
    min_text_ = new QLineEdit(this);
    min_text_->setObjectName("min");
    min_text_->setReadOnly(true);  // display only: typed limits are never read
    min_text_->setGeometry(twips_rect(480, 600, 975, 285, this));
    min_bar_ = new QScrollBar(Qt::Vertical, this);
    min_bar_->setObjectName("minscrol");
    min_bar_->setGeometry(twips_rect(1440, 480, 255, 495, this));

    auto* label2 = new QLabel("Maximum", this);
    label2->setObjectName("Label2");
    label2->setGeometry(twips_rect(2880, 240, 975, 255, this));
    fit_text(label2);
    max_text_ = new QLineEdit(this);
    max_text_->setObjectName("max");
    max_text_->setReadOnly(true);
    max_text_->setGeometry(twips_rect(2640, 600, 1095, 285, this));
    max_bar_ = new QScrollBar(Qt::Vertical, this);
    max_bar_->setObjectName("maxscrol");
    max_bar_->setGeometry(twips_rect(3720, 480, 255, 495, this));

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("limitok");
    ok_->setGeometry(twips_rect(4560, 600, 495, 375, this));

    // The bars take focus too; the arrow keys then move a bar by its small step.
    min_bar_->setFocusPolicy(Qt::StrongFocus);
    max_bar_->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(min_text_, max_text_);
    setTabOrder(max_text_, min_bar_);
    setTabOrder(min_bar_, max_bar_);
    setTabOrder(max_bar_, ok_);
}

void LimitBox::connect_events(std::function<void()> min_changed, std::function<void()> max_changed,
                              std::function<void()> ok_clicked) {
    min_link_ = std::make_unique<ScrollBarLink>(min_model_, *min_bar_, std::move(min_changed));
    max_link_ = std::make_unique<ScrollBarLink>(max_model_, *max_bar_, std::move(max_changed));
    connect(ok_, &QPushButton::clicked, this, [f = std::move(ok_clicked)] { f(); });
}

void LimitBox::min(const std::string& text) { min_text_->setText(QString::fromStdString(text)); }
void LimitBox::max(const std::string& text) { max_text_->setText(QString::fromStdString(text)); }
void LimitBox::Caption(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }
void LimitBox::Visible(bool on) {
    // The small step is set without any change event (the routines set it
    // between the range and the value), so show it on the bars here: the
    // dialog is always made visible last.
    if (on && min_link_) min_link_->show_model();
    if (on && max_link_) max_link_->show_model();
    setVisible(on);
    if (on) raise();
}
