#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <functional>
#include <map>
#include <string>

#include "ui/qt/surface_widget.h"
#include "ui/windows.h"

// The main window `quenvar`: the menu bar, the profile plot and `filemsg`.
// The plot keeps the laid-out client size below the menu bar; status notes
// stand in the menu bar's right-hand end.
// Its title is the path of the cast on display.
class MainWindow : public QMainWindow, public ProfileWindow, public FileMessage {
    Q_OBJECT
public:
    MainWindow();

    // The menu entries by name (mk5, bongosb, depth, ..., onecast, Quit) and the
    // top-level menus (getdata, limits, report, section).
    QAction* action(const std::string& name) const { return actions_.at(name); }
    QMenu* menu(const std::string& name) const { return menus_.at(name); }
    // Runs `handler` when the entry `name` is chosen.
    void on_action(const std::string& name, std::function<void()> handler);
    // Key handler: key code (37 left, 39 right, ...) and shift mask.
    std::function<void(int, int)> on_key_down;
    std::function<void()> on_close;

    SurfaceWidget* view() const { return view_; }
    QLineEdit* filemsg() const { return filemsg_; }
    // The status line: the right-hand end of the menu bar, where no companion
    // window of the default layout covers it.
    QLabel* status_line() const { return status_; }

    // ProfileWindow
    PlotSurface& surface() override { return view_->surface(); }
    void Caption(const std::string& title) override;
    void status(const std::string& text) override;
    // FileMessage
    void Visible(bool on) override;
    void Text(const std::string& text) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_menus();
    // Fits the status text into the menu bar right of its last entry, dropping
    // the start of a long text (a path keeps its file name).
    void place_status();

    SurfaceWidget* view_;
    QLineEdit* filemsg_;
    QLabel* status_;
    QString status_text_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
};

// The key code of a key press as the handlers know it: 37 to 40 for the
// arrows, the upper-case character code for letters and digits, else 0.
int key_code(int qt_key);
