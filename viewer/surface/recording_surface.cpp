#include "surface/recording_surface.h"

std::vector<RecordingSurface::Call> RecordingSurface::of(Op op) const {
    std::vector<Call> out;
    for (const Call& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

std::vector<std::string> RecordingSurface::texts() const {
    std::vector<std::string> out;
    for (const Call& c : calls_)
        if (c.op == Op::Print) out.push_back(c.text);
    return out;
}
