#include "ui/info_window.h"

void showinfo(Viewer&) {}
