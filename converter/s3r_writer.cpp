#include "s3r_writer.h"

#include "exponent_format.h"
#include "fixed_text.h"

#include <cassert>

namespace halvane {
namespace {

constexpr std::size_t record_width = 30;

void put_record(char* out, int node, float z, float sigt)
{
    // i5: right-justified, asterisks when it does not fit (never below nndim).
    int n = node;
    for (int col = 4; col >= 0; --col) {
        out[col] = (n > 0 || col == 4) ? static_cast<char>('0' + n % 10) : ' ';
        n /= 10;
    }
    if (node < 0 || node > 99999)
        for (int col = 0; col < 5; ++col) out[col] = '*';
    out[5] = ' ';
    write_exponent_form(z, out + 6);
    write_exponent_form(sigt, out + 6 + exponent_width);
}

}  // namespace

std::string s3r_record(int node, float z, float sigt)
{
    std::string record(record_width, ' ');
    put_record(record.data(), node, z, sigt);
    return record;
}

void write_s3r(std::ostream& out, std::string_view mesh, int nn, int nnv, const NodeTable& z, const NodeTable& sigt)
{
    std::string text = make_text72(mesh);
    text += "\n ";
    text += s3r_caption;
    text += "\n ";
    text += std::to_string(nnv);
    text += '\n';

    const std::size_t head = text.size();
    const std::size_t records = static_cast<std::size_t>(nn) * static_cast<std::size_t>(nnv > 0 ? nnv : 0);
    text.resize(head + records * (record_width + 1));
    char* cursor = text.data() + head;
    for (int i = 1; i <= nn; ++i) {
        for (int j = 1; j <= nnv; ++j) {
            put_record(cursor, i, z(i, j), sigt(i, j));
            cursor[record_width] = '\n';
            cursor += record_width + 1;
        }
    }
    assert(cursor == text.data() + text.size());
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace halvane
