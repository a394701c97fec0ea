#include "ui/qt/section_box.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "ui/qt/twips.h"

namespace {

const char* variable_name(int var) {
    switch (var) {
        case kTemp:
            return "temperature";
        case kSalt:
            return "salinity";
        case kFluor:
            return "fluorescence";
        case kSigma:
            return "sigma-t";
        case kTrans:
            return "transmission";
        default:
            return "";
    }
}

}  // namespace

SectionBox::SectionBox(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName("sectionbox");
    setWindowTitle("Section");
    move(twips_rect(765, 3030, 0, 0, this).topLeft());
    first_ = new QSpinBox(this);
    first_->setObjectName("first");
    last_ = new QSpinBox(this);
    last_->setObjectName("last");
    variable_ = new QComboBox(this);
    variable_->setObjectName("variable");
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("sectionok");
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("sectioncancel");
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    auto* form = new QFormLayout(this);
    form->addRow("First cast", first_);
    form->addRow("Last cast", last_);
    form->addRow("Variable", variable_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    form->addRow(buttons);
}

void SectionBox::connect_events(std::function<void()> ok_clicked) {
    connect(ok_, &QPushButton::clicked, this, [f = std::move(ok_clicked)] { f(); });
}

void SectionBox::offer(const SectionChoice& choice, int ncast, const std::vector<int>& vars) {
    for (QSpinBox* box : {first_, last_}) box->setRange(std::min(1, ncast), ncast);
    first_->setValue(choice.first);
    last_->setValue(choice.last);
    variable_->clear();
    for (int var : vars) variable_->addItem(variable_name(var), var);
    variable_->setCurrentIndex(std::max(0, variable_->findData(choice.var)));
    setVisible(true);
    raise();
}

SectionChoice SectionBox::choice() const {
    const QVariant var = variable_->currentData();
    return {first_->value(), last_->value(), var.isValid() ? var.toInt() : kTemp};
}

void SectionBox::Visible(bool on) { setVisible(on); }
