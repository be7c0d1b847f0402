// SPDX-License-Identifier: MIT
#include "answers/Sides.h"

#include "answers/Refusal.h"
#include "answers/Text.h"

#include "rules/Dimensions.h"
#include "rules/NumberText.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace ratedload::answers {

namespace {

enum class Unit { Feet, Inches, Metres, Millimetres, Unknown };

// A piece of the side's text, which it points into.
struct Token {
    enum Kind { kNumber, kFraction, kUnit, kDash } kind = kNumber;
    std::string_view text; // the number as written, n/d, or the unit word
    Unit unit = Unit::Unknown;
};

constexpr std::string_view kImperialExample = "such as 7ft4in, 7ft4-1/2in, 88in or 7.5ft";
constexpr std::string_view kMetricExample = "such as 2.05m, 2m50mm or 2050mm";

Unit UnitNamed(std::string_view word)
{
    static constexpr std::array<std::pair<std::string_view, Unit>, 10> kUnits { {
        { "ft", Unit::Feet },
        { "feet", Unit::Feet },
        { "foot", Unit::Feet },
        { "'", Unit::Feet },
        { "in", Unit::Inches },
        { "inch", Unit::Inches },
        { "inches", Unit::Inches },
        { "\"", Unit::Inches },
        { "m", Unit::Metres },
        { "mm", Unit::Millimetres },
    } };
    for (const auto &[name, unit] : kUnits) {
        if (SameName(word, name))
            return unit;
    }
    return Unit::Unknown;
}

[[noreturn]] void RefuseSide(std::string_view text, rules::Units units, const std::string &why = {})
{
    const std::string_view example
        = units == rules::Units::Imperial ? kImperialExample : kMetricExample;
    Refuse("", "expected a length " + std::string(example) + ", got '" + std::string(text) + "'"
            + (why.empty() ? "" : " (" + why + ")"));
}

// The tokens of a side: a side has few, kept without an allocation; a text
// of many more is still read whole, for the refusal it deserves.
class TokenList {
public:
    void push_back(const Token &token)
    {
        if (size_ < first_.size())
            first_[size_] = token;
        else
            more_.push_back(token);
        ++size_;
    }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const Token &operator[](std::size_t i) const
    {
        return i < first_.size() ? first_[i] : more_[i - first_.size()];
    }
    const Token &back() const { return (*this)[size_ - 1]; }

private:
    std::array<Token, 8> first_;
    std::vector<Token> more_;
    std::size_t size_ = 0;
};

// Numbers (digits with at most one point), fractions n/d, unit words or marks,
// and dashes; blanks only separate.
TokenList Tokens(std::string_view text, rules::Units units)
{
    TokenList tokens;
    std::size_t pos = 0;
    auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == ' ' || c == '\t') {
            ++pos;
        } else if (IsDigit(c) || c == '.') {
            const std::size_t start = pos;
            bool point = false;
            bool digits = false;
            while (IsDigit(at(pos)) || (at(pos) == '.' && !point)) {
                point = point || at(pos) == '.';
                digits = digits || at(pos) != '.';
                ++pos;
            }
            if (!digits)
                RefuseSide(text, units);
            Token token;
            token.kind = Token::kNumber;
            token.text = text.substr(start, pos - start);
            if (at(pos) == '/') {
                const std::size_t denominator = ++pos;
                while (IsDigit(at(pos)))
                    ++pos;
                if (point || pos == denominator)
                    RefuseSide(text, units, "a fraction is written as whole numbers, such as 1/2");
                token.kind = Token::kFraction;
                token.text = text.substr(start, pos - start);
            }
            tokens.push_back(token);
        } else if (IsLetter(c) || c == '\'' || c == '"') {
            const std::size_t start = pos++;
            while (IsLetter(c) && IsLetter(at(pos)))
                ++pos;
            Token token;
            token.kind = Token::kUnit;
            token.text = text.substr(start, pos - start);
            token.unit = UnitNamed(token.text);
            tokens.push_back(token);
        } else if (c == '-') {
            Token token;
            token.kind = Token::kDash;
            token.text = text.substr(pos, 1);
            tokens.push_back(token);
            ++pos;
        } else {
            RefuseSide(text, units);
        }
    }
    return tokens;
}

// Every unit must be known and of the unit system in force, and every number
// must carry one.
void CheckUnits(std::string_view text, const TokenList &tokens, rules::Units units)
{
    const bool imperial = units == rules::Units::Imperial;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (token.kind == Token::kUnit) {
            if (token.unit == Unit::Unknown)
                RefuseSide(text, units, "unknown unit '" + Lower(token.text) + "'");
            const bool imperialUnit = token.unit == Unit::Feet || token.unit == Unit::Inches;
            if (imperial && !imperialUnit)
                Refuse("", "'" + std::string(text)
                    + "' is in metres; in imperial units, sides are in feet and inches, "
                    + std::string(kImperialExample));
            if (!imperial && imperialUnit)
                Refuse("", "'" + std::string(text)
                    + "' is in feet and inches; in metric units, sides are in metres and "
                      "millimetres, "
                    + std::string(kMetricExample));
        }
    }
    const bool lastIsNumber = !tokens.empty() && tokens.back().kind != Token::kUnit;
    if (lastIsNumber)
        RefuseSide(text, units, "a number needs its unit");
}

std::string FractionText(std::string_view text, const Token &token)
{
    const std::size_t slash = token.text.find('/');
    const double numerator = rules::ReadNumber(token.text.substr(0, slash));
    const double denominator = rules::ReadNumber(token.text.substr(slash + 1));
    if (!std::isfinite(numerator) || !std::isfinite(denominator))
        RefuseSide(text, rules::Units::Imperial, "a number beyond the range of double precision");
    if (denominator == 0.0)
        RefuseSide(text, rules::Units::Imperial, "a fraction with a zero denominator");
    const double fraction = numerator / denominator;
    if (!(fraction < 1.0))
        RefuseSide(text, rules::Units::Imperial, "a fraction of an inch is less than 1, such as 1/2");
    return rules::DoubleToText(fraction);
}

// Walks the tokens of a side against its grammar.
class Reader {
public:
    Reader(const TokenList &tokens)
        : tokens_(tokens)
    {
    }

    bool AtEnd() const { return next_ >= tokens_.size(); }
    bool Next(Token::Kind kind, Unit unit = Unit::Unknown) const
    {
        return !AtEnd() && tokens_[next_].kind == kind
            && (kind != Token::kUnit || tokens_[next_].unit == unit);
    }
    bool NextAre(Token::Kind kind, Unit unit) const
    {
        return Next(kind) && next_ + 1 < tokens_.size() && tokens_[next_ + 1].kind == Token::kUnit
            && tokens_[next_ + 1].unit == unit;
    }
    const Token &Take() { return tokens_[next_++]; }

private:
    const TokenList &tokens_;
    std::size_t next_ = 0;
};

SideTexts ReadImperial(std::string_view text, const TokenList &tokens)
{
    const auto units = rules::Units::Imperial;
    SideTexts side;
    Reader read(tokens);
    if (read.NextAre(Token::kNumber, Unit::Feet)) {
        side.whole = read.Take().text;
        read.Take();
        // 7'-4": a dash between the feet and the inches that follow.
        if (read.Next(Token::kDash)) {
            read.Take();
            if (!read.Next(Token::kNumber) && !read.Next(Token::kFraction))
                RefuseSide(text, units);
        }
    }
    // The inches: 4, 4.5, 4-1/2, 4 1/2 or 1/2, then the unit.
    bool inches = false;
    if (read.Next(Token::kNumber)) {
        side.inches = read.Take().text;
        inches = true;
        if (read.Next(Token::kDash)) {
            read.Take();
            if (!read.Next(Token::kFraction))
                RefuseSide(text, units);
        }
    }
    if (read.Next(Token::kFraction)) {
        side.fraction = FractionText(text, read.Take());
        inches = true;
    }
    if (inches) {
        if (!read.Next(Token::kUnit, Unit::Inches))
            RefuseSide(text, units);
        read.Take();
    }
    if (!read.AtEnd())
        RefuseSide(text, units);
    return side;
}

SideTexts ReadMetric(std::string_view text, const TokenList &tokens)
{
    const auto units = rules::Units::Metric;
    SideTexts side;
    Reader read(tokens);
    if (read.NextAre(Token::kNumber, Unit::Metres)) {
        side.whole = read.Take().text;
        read.Take();
    }
    if (read.NextAre(Token::kNumber, Unit::Millimetres)) {
        side.millimetres = read.Take().text;
        read.Take();
    }
    if (!read.AtEnd())
        RefuseSide(text, units);
    return side;
}

// The forms most sides are written in, 7ft4in, 7ft4-1/2in, 7ft and 88in,
// read at once, as the grammar reads them; false for any other text, and for
// a fraction the grammar refuses, which the grammar then reads.
bool ReadCommonImperial(std::string_view text, SideTexts &side)
{
    std::size_t pos = 0;
    auto digits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && IsDigit(text[pos]))
            ++pos;
        return text.substr(start, pos - start);
    };
    auto unit = [&](std::string_view name) {
        if (text.substr(pos, name.size()) != name)
            return false;
        pos += name.size();
        return true;
    };
    const std::string_view first = digits();
    if (first.empty())
        return false;
    if (unit("in")) {
        side.inches = first;
        return pos == text.size();
    }
    if (!unit("ft"))
        return false;
    side.whole = first;
    if (pos == text.size())
        return true;
    const std::string_view inches = digits();
    if (inches.empty())
        return false;
    side.inches = inches;
    if (pos < text.size() && text[pos] == '-') {
        ++pos;
        const std::string_view numerator = digits();
        if (numerator.empty() || !unit("/"))
            return false;
        const std::string_view denominator = digits();
        if (denominator.empty())
            return false;
        const double over = rules::ReadNumber(numerator);
        const double under = rules::ReadNumber(denominator);
        // A zero, or a number beyond double's range, below: for the grammar to refuse.
        if (!std::isfinite(under) || under == 0.0 || !(over / under < 1.0))
            return false;
        side.fraction = rules::DoubleToText(over / under);
    }
    return unit("in") && pos == text.size();
}

} // namespace

SideTexts ReadSide(std::string_view text, rules::Units units)
{
    const bool imperial = units == rules::Units::Imperial;
    SideTexts side;
    if (!imperial || !ReadCommonImperial(text, side)) {
        const TokenList tokens = Tokens(text, units);
        if (tokens.empty())
            RefuseSide(text, units);
        CheckUnits(text, tokens, units);
        side = imperial ? ReadImperial(text, tokens) : ReadMetric(text, tokens);
    }

    // A part below the feet or metres is less than one of them.
    const double whole = rules::ReadNumber(side.whole);
    const double length = imperial
        ? rules::SideInchesAsGiven(side.whole, side.inches, side.fraction)
        : rules::SideMetresAsGiven(side.whole, side.millimetres);
    const bool wholeGiven = side.whole != "0";
    if (imperial && wholeGiven && rules::ReadNumber(side.inches) >= 12)
        RefuseSide(text, units, "inches after feet are less than 12");
    if (imperial && wholeGiven && whole != std::floor(whole)
        && (side.inches != "0" || side.fraction != "0"))
        RefuseSide(text, units, "feet with a decimal part take no inches after them");
    // 11.5-1/2in would be 12 inches after the feet.
    if (imperial && side.inches.find('.') != std::string::npos && side.fraction != "0")
        RefuseSide(text, units, "inches with a decimal part take no fraction after them");
    if (!imperial && wholeGiven && side.millimetres != "0") {
        if (whole != std::floor(whole))
            RefuseSide(text, units, "metres with a decimal part take no millimetres after them");
        if (rules::ReadNumber(side.millimetres) >= 1000)
            RefuseSide(text, units, "millimetres after metres are less than 1000");
    }
    if (!std::isfinite(length))
        RefuseSide(text, units, "a number beyond the range of double precision");
    if (!(length > 0))
        RefuseSide(text, units, "a side is longer than 0");
    // So short that single precision, in which the rules take it, holds 0.
    const bool zero = length < 1
        && (imperial ? rules::SideInches(side.whole, side.inches, side.fraction) == 0
                     : rules::SideMetres(side.whole, side.millimetres) == 0);
    if (zero)
        RefuseSide(text, units, "a side is longer than 0; this one is 0 in single precision");
    return side;
}

void PutSide(rules::DimensionTexts &lists, int row, SideTexts side)
{
    const std::size_t first = row == 0 ? 0 : 4;
    lists[first + 0] = std::move(side.whole);
    lists[first + 1] = std::move(side.inches);
    lists[first + 2] = std::move(side.fraction);
    lists[first + 3] = std::move(side.millimetres);
}

} // namespace ratedload::answers
