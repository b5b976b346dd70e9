// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bracketed expressions in texts: finding them, replacing them with their values, and formatting
// values for printing.
#include "report/expressions/RpFormat.h"
#include "report/expressions/RpVariant.h"

#include <functional>
#include <optional>
#include <string>

namespace report {

struct TrpDelimitedExpression {
    size_t start = 0; // the opening delimiter
    size_t end = 0;   // one past the closing delimiter
    std::string expression;
};

// The expression whose opening delimiter starts at `from`: nested delimiters count, and
// delimiters inside '...' or "..." strings are part of the expression. None when no opening
// delimiter starts there or it is never closed.
std::optional<TrpDelimitedExpression> FindDelimitedExpression(const std::string& text,
                                                              const std::string& open,
                                                              const std::string& close,
                                                              size_t from);

// Replaces every expression by evaluate(expression), scanning from the start; inserted values are
// never scanned again, so delimiters in them print literally. An opening delimiter that is never
// closed is left as it is, together with the rest of the text.
std::string ExpandDelimited(const std::string& text, const std::string& open,
                            const std::string& close,
                            const std::function<std::string(const std::string&)>& evaluate);

// Splits "expression #Nformat" at the first " #": the format's first letter selects the kind
// (B Boolean; D or T date-time; N numeric; anything else text) and replaces format; for numeric
// formats every ",", "-" and "." becomes "." and the last of them becomes the decimal separator.
// Without " #" the content is the expression and format stays.
std::string SplitFormatSuffix(const std::string& content, TrpFormat& format);

// Null gives ""; fkText the default conversion; fkNumeric a picture ("#...") or printf-style
// format; fkDateTime a date-time picture; fkBoolean "false text,true text". A value the format
// cannot take falls back to the default conversion.
std::string FormatExpressionValue(const TrpVariant& value, const TrpFormat& format);

// A number, date-time or Boolean equal to 0 (HideZeros).
bool IsZeroValue(const TrpVariant& value);

} // namespace report
