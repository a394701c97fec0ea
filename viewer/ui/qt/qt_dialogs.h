#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "ui/open_file.h"
#include "ui/windows.h"

// `cmdgetdata`: the platform's open-file dialog.
class QtOpenFileDialog : public OpenFileDialog {
public:
    explicit QtOpenFileDialog(QWidget* owner) : owner_(owner) {}
    void FileName(const std::string& name) override { name_ = name; }
    std::string FileName() const override { return name_; }
    void Filter(const std::string& filter) override { filter_ = filter; }
    void MultiSelect(bool on) override { multi_ = on; }
    void ShowOpen() override;
    std::vector<std::string> FileNames() const override;

private:
    QWidget* owner_;
    std::string name_;
    std::vector<std::string> names_;  // the last choice; names_[0] is name_
    std::string filter_;
    bool multi_ = false;
    QString last_folder_;
};

// Message boxes over the main window.
class QtAlerts : public Alerts {
public:
    explicit QtAlerts(QWidget* owner) : owner_(owner) {}
    // Runs `before_show`, then shows the box and waits for OK.
    void message_box(const std::string& title, const std::string& text) override;
    std::function<void()> before_show;

private:
    QWidget* owner_;
};

// "Description|pattern" as a Qt file-dialog filter: "Description (pattern)",
// or the description alone when it already names the pattern.
QString qt_filter(const std::string& filter);
