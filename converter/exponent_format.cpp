#include "exponent_format.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace halvane {
namespace {

// Single-precision values lie between 1.4e-45 and 3.4e38.
constexpr int lowest_power = -50;
constexpr int highest_power = 45;

// Powers of ten 1e-50 to 1e45 as the nearest doubles (exact up to 1e22).
constexpr double powers_of_ten[] = {
    1e-50, 1e-49, 1e-48, 1e-47, 1e-46, 1e-45, 1e-44, 1e-43, 1e-42, 1e-41, 1e-40, 1e-39, 1e-38, 1e-37, 1e-36, 1e-35,
    1e-34, 1e-33, 1e-32, 1e-31, 1e-30, 1e-29, 1e-28, 1e-27, 1e-26, 1e-25, 1e-24, 1e-23, 1e-22, 1e-21, 1e-20, 1e-19,
    1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,  1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,
    1e-2,  1e-1,  1e0,   1e1,   1e2,   1e3,   1e4,   1e5,   1e6,   1e7,   1e8,   1e9,   1e10,  1e11,  1e12,  1e13,
    1e14,  1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21,  1e22,  1e23,  1e24,  1e25,  1e26,  1e27,  1e28,  1e29,
    1e30,  1e31,  1e32,  1e33,  1e34,  1e35,  1e36,  1e37,  1e38,  1e39,  1e40,  1e41,  1e42,  1e43,  1e44,  1e45};
static_assert(std::size(powers_of_ten) == highest_power - lowest_power + 1);

double power_of_ten(int n) { return powers_of_ten[n - lowest_power]; }

// Four significant digits of |value| > 0 as an integer 1000..9999 and the
// exponent k with value ~ 0.dddd x 10^k, rounded as printf("%.3e") rounds.
void printf_digits(double magnitude, int& digits, int& k) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3e", magnitude);
    // "d.ddde+XX"
    digits = (text[0] - '0') * 1000 + (text[2] - '0') * 100 + (text[3] - '0') * 10 + (text[4] - '0');
    k = std::atoi(text + 6) + 1;
}

// The same, mostly without printf: the scaled value is exact to about 1e-12,
// so only a fraction within 1e-6 of one half (a tie or near tie) or a decade
// misjudged at its edge needs printf to decide.
void significant_digits(double magnitude, int& digits, int& k) {
    // A float widened to double is always a normal double: its binary
    // exponent gives the decade to within one.
    const int binary_exponent = static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - 1023;
    k = binary_exponent * 30103 / 100000;
    while (k > lowest_power + 5 && magnitude < power_of_ten(k - 1)) --k;
    while (k < highest_power && magnitude >= power_of_ten(k)) ++k;
    const double scaled = magnitude / power_of_ten(k - 4);
    // scaled is positive and near 1000..9999: truncation is the floor.
    const double whole = static_cast<double>(static_cast<std::int64_t>(scaled));
    const double fraction = scaled - whole;
    if (whole < 1000.0 || whole > 9999.0 || std::fabs(fraction - 0.5) < 1e-6) {
        printf_digits(magnitude, digits, k);
        return;
    }
    digits = static_cast<int>(whole) + (fraction > 0.5 ? 1 : 0);
    if (digits == 10000) {
        digits = 1000;
        ++k;
    }
}

// "00" to "99" for n = 0 to 99.
const char* two_digits(int n) {
    static constexpr char pairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                    "8081828384858687888990919293949596979899";
    return pairs + 2 * n;
}

void right_justify(const char* text, char* out) {
    const std::size_t length = std::strlen(text);
    std::memset(out, ' ', exponent_width - length);
    std::memcpy(out + exponent_width - length, text, length);
}

}  // namespace

void write_exponent_form(float value, char* out) {
    if (std::isnan(value)) return right_justify("NaN", out);
    if (std::isinf(value)) return right_justify(value > 0 ? "Infinity" : "-Infinity", out);
    if (value == 0.0f) return right_justify("0.0000E+00", out);

    int digits = 0;
    int k = 0;
    significant_digits(std::fabs(static_cast<double>(value)), digits, k);
    const int exponent = k < 0 ? -k : k;
    out[0] = ' ';
    out[1] = value < 0 ? '-' : ' ';
    out[2] = '0';
    out[3] = '.';
    std::memcpy(out + 4, two_digits(digits / 100), 2);
    std::memcpy(out + 6, two_digits(digits % 100), 2);
    out[8] = 'E';
    out[9] = k < 0 ? '-' : '+';
    std::memcpy(out + 10, two_digits(exponent), 2);
}

std::string exponent_form(float value) {
    std::string text(exponent_width, ' ');
    write_exponent_form(value, text.data());
    return text;
}

}  // namespace halvane
