#include "list_output.h"

namespace halvane {

std::string list_record(std::initializer_list<RecordItem> items) {
    std::string record = " ";
    bool first = true;
    for (const RecordItem& item : items) {
        const bool parted = first || record.back() == ' ' || item.text.empty() || item.text.front() == ' ';
        if (!parted) record += ' ';
        record += item.text;
        first = false;
    }
    return record;
}

void write_record(std::ostream& out, std::initializer_list<RecordItem> items) { out << list_record(items) << '\n'; }

}  // namespace halvane
