#include "ui/qt/main_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

#include "ui/qt/twips.h"

MainWindow::MainWindow() {
    setObjectName("quenvar");
    setWindowTitle("");
    view_ = new SurfaceWidget(this, rgb(192, 255, 255), 0);
    setCentralWidget(view_);
    filemsg_ = new QLineEdit(view_);
    filemsg_->setObjectName("filemsg");
    filemsg_->setReadOnly(true);
    filemsg_->setFocusPolicy(Qt::NoFocus);
    filemsg_->setGeometry(twips_rect(1200, 1440, 3735, 375, this));
    filemsg_->hide();
    build_menus();
    status_ = new QLabel(menuBar());
    status_->setObjectName("status");
    status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    status_->setContentsMargins(0, 0, 0, 0);
    menuBar()->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);

    // The client area is 6270 x 4320 twips below the menu bar.
    const QRect client = twips_rect(30, 660, 6270, 4320, this);
    move(client.topLeft());
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

void MainWindow::build_menus() {
    struct Entry {
        const char* menu;
        const char* name;
        const char* caption;
    };
    const Entry entries[] = {
        {"getdata", "mk5", "SB911 data"},
        {"getdata", "bongosb", "Bongo-SB data"},
        {"getdata", "cnvcasts", "CNV casts"},
        {"getdata", "csvexport", "Export CSV"},
        {"getdata", "netcdfexport", "Export NetCDF"},
        {"getdata", "odvexport", "Export ODV spreadsheet"},
        {"limits", "depth", "&Depth"},
        {"limits", "temp", "&Temperature"},
        {"limits", "salt", "&Salinity"},
        {"limits", "fluor", "&Fluoresence"},
        {"limits", "sigma", "Si&gma-t"},
        {"limits", "fitcruise", "Fit to &cruise"},
        {"limits", "fitcast", "Fit to c&ast"},
        {"report", "staplt", "&Station PLot"},
        {"report", "track", "S&tation PLot (w/ trackline)"},
        {"report", "allcasts", "&CTD Casts (All)"},
        {"report", "onecast", "CT&D Cast (one)"},
        {"report", "tsplot", "T-S d&iagram"},
        {"report", "sectionplot", "S&ection"},
        {"section", "section", "&Section..."},
    };
    const std::pair<const char*, const char*> tops[] = {
        {"getdata", "&Data"}, {"limits", "&Limits"}, {"report", "&Report"}, {"section", "&Section"}};
    for (const auto& [name, caption] : tops) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        menus_[name] = m;
    }
    for (const Entry& e : entries) {
        QAction* a = menus_.at(e.menu)->addAction(e.caption);
        a->setObjectName(e.name);
        actions_[e.name] = a;
    }
    QAction* quit = menuBar()->addAction("&Quit");
    quit->setObjectName("Quit");
    actions_["Quit"] = quit;
}

void MainWindow::on_action(const std::string& name, std::function<void()> handler) {
    connect(actions_.at(name), &QAction::triggered, this, [h = std::move(handler)] { h(); });
}

void MainWindow::Caption(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

void MainWindow::status(const std::string& text) {
    status_text_ = QString::fromStdString(text);
    status_->setToolTip(status_text_);
    place_status();
}

void MainWindow::place_status() {
    QMenuBar* bar = menuBar();
    const int gap = bar->fontMetrics().averageCharWidth() * 2;
    const QRect quit = bar->actionGeometry(actions_.at("Quit"));  // empty when the bar is too narrow to show it
    const int left = quit.right() + 1 + gap;
    const int width = quit.isEmpty() ? 0 : qMax(0, bar->width() - left - gap / 2);
    status_->setText(status_->fontMetrics().elidedText(status_text_, Qt::ElideLeft, width));
    status_->setGeometry(left, 0, width, bar->height());
    status_->setVisible(width > 0 && !status_text_.isEmpty());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        place_status();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Visible(bool on) {
    filemsg_->setVisible(on);
    if (on) filemsg_->raise();
}

void MainWindow::Text(const std::string& text) {
    filemsg_->setText(QString::fromStdString(text));
    filemsg_->setCursorPosition(0);
    // A load runs inside one event: paint the text now so the user sees progress.
    if (filemsg_->isVisible()) filemsg_->repaint();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (on_key_down) on_key_down(key_code(event->key()), shift_mask(event->modifiers()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (on_close) on_close();
}

int key_code(int qt_key) {
    switch (qt_key) {
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        default:
            break;
    }
    if ((qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) || (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z)) return qt_key;
    return 0;
}
