#include "ui/listing.h"

void listcast(Viewer&, int) {}

namespace lister {
void VScroll1_Change(Viewer&) {}
}  // namespace lister
