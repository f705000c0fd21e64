#include "core/angle_text.h"

#include "core/digit_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvola {

namespace {

using detail::DigitAt;
using detail::DigitReader;

constexpr std::array<std::string_view, 4> kLineBreaks {"\r", "\n", "\u2028", "\u2029"};
// Maps and word processors put no-break and thin spaces between the parts.
constexpr std::array<std::string_view, 5> kBlanks {" ", "\t", "\u00A0", "\u2009", "\u202F"};
constexpr std::array<std::string_view, 3> kMinusSigns {"-", "\u2212", "+"}; // the last is a plus
constexpr std::array<std::string_view, 3> kDegreeMarks {"\u00B0", "\u00BA", "\u02DA"};
// Two apostrophes before one: 30'' is seconds.
constexpr std::array<std::string_view, 4> kSecondMarks {"''", "\"", "\u2033", "\u201D"};
constexpr std::array<std::string_view, 3> kMinuteMarks {"'", "\u2032", "\u2019"};

// A pair needs at most 2 × (letter + three marked numbers) + separator tokens: any text with
// more is not an angle, however long it is.
constexpr std::size_t kMostTokens = 17;

enum class TokenKind { Number, Sign, DegreeMark, MinuteMark, SecondMark, Hemisphere, ListSeparator };

struct Token {
    explicit Token(TokenKind k) : kind(k) { }

    TokenKind kind;
    bool negative = false;   // a minus sign, or S or W
    std::string whole;       // a number's digits before the separator, in ASCII
    std::string fraction;    // and after it
    bool hasFraction = false;
};

// The length of the entry of `list` that text has at position, or 0.
template <std::size_t N>
std::size_t MatchAt(std::string_view text, std::size_t position, const std::array<std::string_view, N>& list,
                    std::size_t* index = nullptr)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (text.substr(position).starts_with(list[i])) {
            if (index)
                *index = i;
            return list[i].size();
        }
    }
    return 0;
}

std::string_view FirstLine(std::string_view text)
{
    std::size_t end = text.size();
    for (const std::string_view lineBreak : kLineBreaks)
        end = std::min(end, text.find(lineBreak));
    return text.substr(0, end);
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A number at position: digits of one script, then optionally . or , and more of them. Moves
// past it. Nothing when no digit starts there or the digits mix scripts.
std::optional<Token> NumberAt(std::string_view line, std::size_t& position)
{
    Token number {TokenKind::Number};
    DigitReader digits(line);
    std::size_t at = position;
    while (const std::optional<char> digit = digits.next(at))
        number.whole.push_back(*digit);
    if (number.whole.empty() || digits.mixed())
        return std::nullopt;
    // . or , whatever the locale, or the Arabic decimal separator that goes with Arabic digits.
    const std::size_t separator = line.substr(at).starts_with("\u066B") ? 2 : at < line.size() && (line[at] == '.' || line[at] == ',') ? 1 : 0;
    if (separator > 0) {
        std::size_t after = at + separator;
        while (const std::optional<char> digit = digits.next(after))
            number.fraction.push_back(*digit);
        if (digits.mixed())
            return std::nullopt;
        // A separator with no digit after it is not the number's (48.8584, 2.2945).
        if (!number.fraction.empty()) {
            number.hasFraction = true;
            at = after;
        }
    }
    // Digits of another script straight after: not two numbers, and not one.
    if (at < line.size() && DigitAt(line, at))
        return std::nullopt;
    position = at;
    return number;
}

// A hemisphere letter standing alone at position: not part of a word, and not the exponent
// of a number (1e5, 2E-3), which stays a plain number.
std::optional<Token> HemisphereAt(std::string_view line, std::size_t position)
{
    const char c = line[position];
    const bool negative = c == 'S' || c == 's' || c == 'W' || c == 'w';
    if (!negative && c != 'N' && c != 'n' && c != 'E' && c != 'e')
        return std::nullopt;
    const bool nextIsLetter = position + 1 < line.size() && IsAsciiLetter(line[position + 1]);
    if (nextIsLetter)
        return std::nullopt;
    if (c == 'E' || c == 'e') {
        // Every digit takes one or two bytes.
        const bool afterDigit = (position >= 1 && DigitAt(line, position - 1))
            || (position >= 2 && DigitAt(line, position - 2) && DigitAt(line, position - 2)->size == 2);
        const bool beforeNumber = position + 1 < line.size()
            && (DigitAt(line, position + 1) || line[position + 1] == '+' || line[position + 1] == '-');
        if (afterDigit && beforeNumber)
            return std::nullopt;
    }
    Token letter {TokenKind::Hemisphere};
    letter.negative = negative;
    return letter;
}

// The tokens of one line, blanks dropped; nothing when some character belongs to no token or
// there are too many tokens for an angle or a pair.
std::optional<std::vector<Token>> Tokens(std::string_view line)
{
    std::vector<Token> tokens;
    std::size_t position = 0;
    while (position < line.size()) {
        if (tokens.size() > kMostTokens)
            return std::nullopt;
        std::size_t index = 0;
        if (const std::size_t blank = MatchAt(line, position, kBlanks)) {
            position += blank;
        } else if (std::optional<Token> number = NumberAt(line, position)) {
            tokens.push_back(std::move(*number));
        } else if (DigitAt(line, position)) {
            return std::nullopt; // digits of mixed scripts
        } else if (const std::size_t sign = MatchAt(line, position, kMinusSigns, &index)) {
            Token token {TokenKind::Sign};
            token.negative = index + 1 < kMinusSigns.size();
            tokens.push_back(token);
            position += sign;
        } else if (const std::size_t mark = MatchAt(line, position, kDegreeMarks)) {
            tokens.emplace_back(TokenKind::DegreeMark);
            position += mark;
        } else if (const std::size_t mark = MatchAt(line, position, kSecondMarks)) {
            tokens.emplace_back(TokenKind::SecondMark);
            position += mark;
        } else if (const std::size_t mark = MatchAt(line, position, kMinuteMarks)) {
            tokens.emplace_back(TokenKind::MinuteMark);
            position += mark;
        } else if (std::optional<Token> letter = HemisphereAt(line, position)) {
            tokens.push_back(*letter);
            ++position;
        } else if (line[position] == ',' || line[position] == ';') {
            tokens.emplace_back(TokenKind::ListSeparator);
            ++position;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

// One angle as written, before it is judged.
struct WrittenAngle {
    const Token* sign = nullptr;
    const Token* letter = nullptr;
    std::vector<const Token*> parts; // degrees, then minutes, then seconds as written
    bool marked = false;
    std::size_t end = 0; // the token after it

    // A lone number with neither mark nor letter is a plain number, not an angle.
    [[nodiscard]] bool isAngle() const { return marked || letter || parts.size() > 1; }
};

bool IsKind(const std::vector<Token>& tokens, std::size_t position, TokenKind kind)
{
    return position < tokens.size() && tokens[position].kind == kind;
}

// The angle, or plain number, that starts at `position`.
std::optional<WrittenAngle> AngleAt(const std::vector<Token>& tokens, std::size_t position)
{
    WrittenAngle angle;
    if (IsKind(tokens, position, TokenKind::Sign))
        angle.sign = &tokens[position++];
    else if (IsKind(tokens, position, TokenKind::Hemisphere))
        angle.letter = &tokens[position++];
    if (!IsKind(tokens, position, TokenKind::Number))
        return std::nullopt;
    if (IsKind(tokens, position + 1, TokenKind::DegreeMark)) {
        angle.marked = true;
        for (const TokenKind mark : {TokenKind::DegreeMark, TokenKind::MinuteMark, TokenKind::SecondMark}) {
            if (!IsKind(tokens, position, TokenKind::Number) || !IsKind(tokens, position + 1, mark))
                break;
            angle.parts.push_back(&tokens[position]);
            position += 2;
        }
    } else {
        while (angle.parts.size() < 3 && IsKind(tokens, position, TokenKind::Number))
            angle.parts.push_back(&tokens[position++]);
    }
    if (!angle.letter && IsKind(tokens, position, TokenKind::Hemisphere))
        angle.letter = &tokens[position++];
    angle.end = position;
    return angle;
}

bool SixtyOrMore(const std::string& whole)
{
    const std::size_t first = whole.find_first_not_of('0');
    if (first == std::string::npos)
        return false;
    const std::string_view significant = std::string_view(whole).substr(first);
    return significant.size() > 2 || (significant.size() == 2 && significant >= "60");
}

AngleText Refused(AngleRefusal reason)
{
    AngleText text;
    text.kind = AngleText::Kind::Refused;
    text.refusal = reason;
    return text;
}

AngleText Judge(const WrittenAngle& written)
{
    if (written.sign && written.letter)
        return Refused(AngleRefusal::SignWithHemisphere);
    const bool minus = written.sign && written.sign->negative;
    // This window writes -0.5 as -1° 30' 0", most tools mean -1.5 by it: either reading would
    // be wrong for someone without a word.
    if (minus && written.parts.size() > 1)
        return Refused(AngleRefusal::AmbiguousMinus);
    for (std::size_t i = 0; i + 1 < written.parts.size(); ++i)
        if (written.parts[i]->hasFraction)
            return Refused(AngleRefusal::FractionBeforeLastPart);
    for (std::size_t i = 1; i < written.parts.size(); ++i)
        if (SixtyOrMore(written.parts[i]->whole))
            return Refused(AngleRefusal::MinutesOrSecondsTooLarge);

    const auto wholeOf = [&](std::size_t i) {
        return i < written.parts.size() ? static_cast<unsigned>(std::stoul(written.parts[i]->whole)) : 0U;
    };
    constexpr AngleUnit kUnits[] {AngleUnit::Degree, AngleUnit::Minute, AngleUnit::Second};
    AngleText text;
    text.kind = AngleText::Kind::Angle;
    text.angle = ExactAngle(minus || (written.letter && written.letter->negative), written.parts[0]->whole,
                            wholeOf(1), wholeOf(2), written.parts.back()->fraction, kUnits[written.parts.size() - 1]);
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    for (;;) {
        std::size_t blank = MatchAt(text, 0, kBlanks);
        if (!blank)
            break;
        text.remove_prefix(blank);
    }
    for (bool trimmed = true; trimmed && !text.empty();) {
        trimmed = false;
        for (const std::string_view blank : kBlanks) {
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

} // namespace

AngleText ReadAngle(std::string_view text)
{
    const std::optional<std::vector<Token>> tokens = Tokens(TrimBlanks(FirstLine(text)));
    if (!tokens)
        return {};
    const std::optional<WrittenAngle> first = AngleAt(*tokens, 0);
    if (!first)
        return {};
    if (first->end == tokens->size())
        return first->isAngle() ? Judge(*first) : AngleText {};

    // What follows must be a second angle, or a second number after a comma: a position.
    std::size_t next = first->end;
    const bool listed = IsKind(*tokens, next, TokenKind::ListSeparator);
    if (listed)
        ++next;
    const std::optional<WrittenAngle> second = AngleAt(*tokens, next);
    if (second && second->end == tokens->size() && (listed || (first->isAngle() && second->isAngle())))
        return Refused(AngleRefusal::TwoAngles);
    return {};
}

} // namespace tarvola
