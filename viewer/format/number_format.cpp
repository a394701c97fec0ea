#include "format/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace {

bool is_placeholder(char c) { return c == '0' || c == '#'; }

// The shortest decimal digits that read back as a (finite, >= 0), and where the
// point stands: a = 0.<digits> x 10^point.
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal shortest_decimal(double a) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    const std::string_view s(buf, ec == std::errc{} ? std::size_t(end - buf) : 0);
    // "d.ddde+XX" or "de-XX"
    const std::size_t e = s.find('e');
    if (e == std::string_view::npos) return {"0", 1};
    Decimal out;
    for (char c : s.substr(0, e))
        if (c != '.') out.digits += c;
    std::string_view exp = s.substr(e + 1);
    const bool neg = !exp.empty() && exp.front() == '-';
    if (!exp.empty() && (exp.front() == '-' || exp.front() == '+')) exp.remove_prefix(1);
    int n = 0;
    std::from_chars(exp.data(), exp.data() + exp.size(), n);
    out.point = (neg ? -n : n) + 1;
    return out;
}

// Integer digits (no leading zeros; empty for 0) and exactly `decimals`
// fraction digits of a (finite, >= 0). The rounding works on the shortest
// decimal form, so a value printed as 4.255 rounds up like the text it is,
// whatever binary fraction lies beneath it.
void round_decimal(double a, std::size_t decimals, std::string& ip, std::string& fp) {
    const Decimal dec = shortest_decimal(a);
    const auto n = static_cast<std::ptrdiff_t>(dec.digits.size());
    if (dec.point > 0) {
        const auto p = std::min<std::ptrdiff_t>(dec.point, n);
        ip = dec.digits.substr(0, std::size_t(p));
        ip.append(std::size_t(dec.point - p), '0');
        fp = dec.digits.substr(std::size_t(p));
    } else {
        ip.clear();
        // Only the first decimals + 1 fraction digits matter.
        const std::size_t zeros = std::min<std::size_t>(std::size_t(-dec.point), decimals + 1);
        fp = std::string(zeros, '0') + dec.digits;
    }
    const bool up = fp.size() > decimals && fp[decimals] >= '5';
    fp.resize(decimals, '0');
    if (up) {
        std::string all = ip + fp;
        std::ptrdiff_t i = std::ptrdiff_t(all.size()) - 1;
        for (; i >= 0 && all[std::size_t(i)] == '9'; --i) all[std::size_t(i)] = '0';
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[std::size_t(i)];
        ip = all.substr(0, all.size() - decimals);
        fp = all.substr(all.size() - decimals);
    }
    ip.erase(0, std::min(ip.find_first_not_of('0'), ip.size()));
}

}  // namespace

std::string format_number(double x, std::string_view pattern) {
    const std::size_t first = std::min(pattern.find_first_of("0#."), pattern.size());
    std::string out(pattern.substr(0, first));
    const std::string_view body = pattern.substr(first);
    const std::size_t pt = body.find('.');
    const std::string_view int_pat = body.substr(0, pt);
    const std::string_view frac_pat = pt == std::string_view::npos ? std::string_view{} : body.substr(pt + 1);

    if (std::isnan(x)) return out + "nan";
    if (std::isinf(x)) return out + (x < 0 ? "-inf" : "inf");

    const auto decimals = std::size_t(std::count_if(frac_pat.begin(), frac_pat.end(), is_placeholder));
    std::string ip, fp;
    round_decimal(std::fabs(x), decimals, ip, fp);
    const bool nonzero = !ip.empty() || fp.find_first_not_of('0') != std::string::npos;

    // Trailing zeros go only from the places of `#` placeholders.
    std::size_t shown = decimals;
    for (auto it = frac_pat.rbegin(); it != frac_pat.rend() && shown > 0; ++it) {
        if (!is_placeholder(*it)) continue;
        if (*it != '#' || fp[shown - 1] != '0') break;
        --shown;
    }

    const auto zeros = std::size_t(std::count(int_pat.begin(), int_pat.end(), '0'));
    if (ip.size() < zeros) ip.insert(0, zeros - ip.size(), '0');

    // Integer digits fill the placeholders from the right; literals keep their
    // place among them and surplus digits go in front.
    std::string int_text;
    std::size_t left = ip.size();
    for (auto it = int_pat.rbegin(); it != int_pat.rend(); ++it) {
        if (is_placeholder(*it)) {
            if (left > 0) int_text.insert(int_text.begin(), ip[--left]);
        } else {
            int_text.insert(int_text.begin(), *it);
        }
    }
    int_text.insert(0, ip, 0, left);

    if (x < 0 && nonzero) out += '-';
    out += int_text;
    if (pt != std::string_view::npos) {
        out += '.';
        std::size_t j = 0;
        for (char c : frac_pat) {
            if (!is_placeholder(c))
                out += c;
            else if (j++ < shown)
                out += fp[j - 1];
        }
    }
    return out;
}

std::string padnum(int width, int decimals, double x) {
    width = std::max(width, 0);
    decimals = std::max(decimals, 0);
    const std::string pattern = std::string(std::size_t(std::max(0, width - decimals - 2)), '#') + "0." +
                                std::string(std::size_t(decimals), '0');
    std::string s = format_number(x, pattern);
    if (s.size() < std::size_t(width)) s.insert(0, std::size_t(width) - s.size(), ' ');
    return s;
}

std::string signed_text(double x) {
    if (std::isnan(x)) return " nan";
    std::string out(1, x < 0 ? '-' : ' ');  // -0 is not negative: " 0"
    const double a = std::fabs(x);
    if (std::isinf(a)) return out + "inf";
    const auto form = a == 0 || (a >= 1e-5 && a < 1e15) ? std::chars_format::fixed : std::chars_format::scientific;
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, a, form);
    if (ec != std::errc{}) return out + "0";
    std::string_view digits(buf, std::size_t(end - buf));
    if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.remove_prefix(1);  // ".5", not "0.5"
    return out.append(digits);
}
