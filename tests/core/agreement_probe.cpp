// Prints what the core and the refresh cycle make of many generated inputs, one line each, so
// that two builds (the desktop's and the WebAssembly one) can be compared byte for byte. The
// inputs come from a fixed seed and the raw engine output, which the C++ standard fixes (its
// distributions are not portable): every build sees the same inputs.
// Usage: agreement_probe [COUNT]   (default 50000 of each kind)

#include "app/memory_form.h"
#include "app/refresh_cycle.h"
#include "core/DDeci_to_DMS.h"
#include "core/number_text.h"
#include "tests/core/test_locales.h"

#include <cmath>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>

namespace {

using namespace tarvola;

std::mt19937_64 engine(20261208);

// The bits of a double and back (Emscripten's libc++ has no std::bit_cast).
std::uint64_t BitsOf(double x)
{
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

double DoubleOf(std::uint64_t bits)
{
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// A whole number in [0, bound).
std::uint64_t Below(std::uint64_t bound)
{
    return engine() % bound;
}

// A number text as a user could type it: a sign, digits with a decimal separator somewhere,
// sometimes group separators or an exponent, sometimes a tie at the 16th digit.
std::string NumberText(const LocaleSeparators& separators)
{
    std::string text;
    if (Below(4) == 0)
        text += '-';
    const int digits = 1 + static_cast<int>(Below(Below(5) == 0 ? 40 : 18));
    const int point = static_cast<int>(Below(static_cast<std::uint64_t>(digits) + 1));
    for (int i = 0; i < digits; ++i) {
        if (i == point && i > 0)
            text += separators.decimal;
        else if (i > 0 && i < point && (point - i) % 3 == 0 && Below(8) == 0)
            text += separators.group;
        text += static_cast<char>('0' + (i == 15 && Below(3) == 0 ? 5 : Below(10)));
    }
    // One draw a statement: the order in which operands are evaluated differs between compilers.
    if (Below(6) == 0) {
        text += Below(2) ? "e" : "E";
        text += Below(2) ? "-" : "";
        text += std::to_string(Below(330));
    }
    return text;
}

void PrintNumber(std::optional<double> value, const LocaleSeparators& separators)
{
    if (value)
        std::printf("%016" PRIx64 " %s\n", BitsOf(*value),
                    NumberToText(*value, separators).c_str());
    else
        std::printf("none\n");
}

} // namespace

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 50000;
    const LocaleSeparators* const locales[] {&test::kCommaDecimal, &test::kDotDecimal, &test::kArabic};

    // Every kind of double, by its bits.
    for (long i = 0; i < count; ++i) {
        const double x = DoubleOf(engine());
        if (std::isfinite(x))
            std::printf("%s\n", NumberToText(x, test::kCommaDecimal).c_str());
    }
    // Typed texts: read, written back, and converted to degrees, minutes and seconds.
    for (long i = 0; i < count; ++i) {
        const LocaleSeparators& separators = *locales[Below(3)];
        const std::string text = NumberText(separators);
        PrintNumber(TryParseNumber(text, separators), separators);
        std::printf("%s\n", DDeci_to_DMS::DeciToDMS(LooseValue::Text(text), separators).c_str());
    }
    // Refresh ticks over fields typed with short texts, as the window's fields take them.
    MemoryForm form;
    for (long i = 0; i < count / 10; ++i) {
        const std::string degrees = std::to_string(static_cast<long>(Below(400)) - 200);
        const std::string minutes = std::to_string(Below(100));
        const std::string seconds = std::to_string(Below(100));
        form.typeDms(degrees, minutes, seconds);
        form.text5.type(NumberText(test::kCommaDecimal).substr(0, 9));
        RunRefreshTick(form.fields, test::kCommaDecimal);
        std::printf("%s|%s|%s|%s\n", form.text1.text().c_str(), form.text4.text().c_str(),
                    form.text5.text().c_str(), form.text6.text().c_str());
    }
    return 0;
}
