#include "ui/qt/qt_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString qt_filter(const std::string& filter) {
    const QString f = QString::fromStdString(filter);
    const qsizetype bar = f.indexOf('|');
    if (bar < 0) return f;
    const QString description = f.left(bar);
    const QString pattern = f.mid(bar + 1);
    if (description.contains("(" + pattern + ")")) return description;
    return description + " (" + pattern + ")";
}

void QtOpenFileDialog::ShowOpen() {
    const QStringList chosen =
        multi_ ? QFileDialog::getOpenFileNames(owner_, QString(), last_folder_, qt_filter(filter_))
               : QStringList{QFileDialog::getOpenFileName(owner_, QString(), last_folder_, qt_filter(filter_))};
    if (chosen.isEmpty() || chosen.front().isEmpty()) return;
    last_folder_ = QFileInfo(chosen.front()).absolutePath();
    names_.clear();
    for (const QString& f : chosen) names_.push_back(QFileInfo(f).absoluteFilePath().toStdString());
    name_ = names_.front();
}

std::vector<std::string> QtOpenFileDialog::FileNames() const {
    if (name_.empty()) return {};
    if (!names_.empty() && names_.front() == name_) return names_;
    return {name_};
}

void QtAlerts::message_box(const std::string& title, const std::string& text) {
    if (before_show) before_show();
    QMessageBox::warning(owner_, QString::fromStdString(title), QString::fromStdString(text));
}
