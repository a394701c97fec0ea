#include "s3r_writer.h"

#include "exponent_format.h"
#include "fixed_text.h"

#include <cstring>

namespace halvane {
namespace {

constexpr std::size_t record_width = 30;

// Columns 1-6 of a record: the node number as i5, asterisks when it does
// not fit (never below nndim), and a blank.
void put_node(char* out, int node) {
    int n = node;
    for (int col = 4; col >= 0; --col) {
        out[col] = (n > 0 || col == 4) ? static_cast<char>('0' + n % 10) : ' ';
        n /= 10;
    }
    if (node < 0 || node > 99999)
        for (int col = 0; col < 5; ++col) out[col] = '*';
    out[5] = ' ';
}

void put_values(char* out, float z, float sigt) {
    write_exponent_form(z, out + 6);
    write_exponent_form(sigt, out + 6 + exponent_width);
}

}  // namespace

std::string s3r_record(int node, float z, float sigt) {
    std::string record(record_width, ' ');
    put_node(record.data(), node);
    put_values(record.data(), z, sigt);
    return record;
}

void write_s3r(const std::function<void(std::string_view)>& put, std::string_view mesh, int nn, int nnv,
               const NodeTable& z, const NodeTable& sigt) {
    std::string text = make_text72(mesh);
    text += "\n ";
    text += s3r_caption;
    text += "\n ";
    text += std::to_string(nnv);
    text += '\n';
    put(text);

    constexpr std::size_t line = record_width + 1;
    constexpr std::size_t lines_per_piece = 2048;
    char piece[lines_per_piece * line];
    std::size_t used = 0;
    for (int i = 1; i <= nn; ++i) {
        char node[6];
        put_node(node, i);
        const std::span<const float> levels = z.column(i);
        const std::span<const float> values = sigt.column(i);
        for (int j = 0; j < nnv; ++j) {
            char* cursor = piece + used * line;
            std::memcpy(cursor, node, sizeof node);
            put_values(cursor, levels[j], values[j]);
            cursor[record_width] = '\n';
            if (++used == lines_per_piece) {
                put({piece, sizeof piece});
                used = 0;
            }
        }
    }
    if (used > 0) put({piece, used * line});
}

}  // namespace halvane
