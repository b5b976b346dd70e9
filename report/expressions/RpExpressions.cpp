// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/expressions/RpExpressions.h"

#include "report/expressions/RpValueFormat.h"

#include "platform/RegionalSettings.h"

namespace report {

std::optional<TrpDelimitedExpression> FindDelimitedExpression(const std::string& text,
                                                              const std::string& open,
                                                              const std::string& close,
                                                              size_t from) {
    if (open.empty() || close.empty())
        return std::nullopt;
    int depth = 0;
    bool inDouble = false, inSingle = false;
    size_t start = std::string::npos;
    for (size_t j = from; j < text.size(); ++j) {
        if (!inDouble && !inSingle) {
            if (text.compare(j, open.size(), open) == 0) {
                if (depth == 0)
                    start = j;
                ++depth;
            } else if (depth > 0 && text.compare(j, close.size(), close) == 0) {
                if (--depth == 0)
                    return TrpDelimitedExpression{
                        start, j + close.size(),
                        text.substr(start + open.size(), j - start - open.size())};
            }
        }
        if (depth == 0)
            return std::nullopt; // no expression starts here
        if (text[j] == '"' && !inSingle)
            inDouble = !inDouble;
        else if (text[j] == '\'' && !inDouble)
            inSingle = !inSingle;
    }
    return std::nullopt;
}

std::string ExpandDelimited(const std::string& text, const std::string& open,
                            const std::string& close,
                            const std::function<std::string(const std::string&)>& evaluate) {
    if (open.empty() || close.empty() || text.find(open) == std::string::npos)
        return text;
    std::string result = text;
    size_t pos = 0;
    while (pos < result.size()) {
        while (pos + 1 < result.size() && result.compare(pos, open.size(), open) != 0)
            ++pos;
        const auto found = FindDelimitedExpression(result, open, close, pos);
        if (!found)
            break;
        const std::string value = evaluate(found->expression);
        result.replace(found->start, found->end - found->start, value);
        pos = found->start + value.size();
    }
    return result;
}

std::string SplitFormatSuffix(const std::string& content, TrpFormat& format) {
    const size_t mark = content.find(" #");
    if (mark == std::string::npos)
        return content;
    const std::string suffix = content.substr(mark + 2);
    format.DecimalSeparator.clear();
    format.FormatStr = suffix.empty() ? std::string() : suffix.substr(1);
    const char kind = suffix.empty() ? '\0' : suffix[0];
    switch (kind) {
    case 'B':
    case 'b':
        format.Kind = fkBoolean;
        break;
    case 'D':
    case 'd':
    case 'T':
    case 't':
        format.Kind = fkDateTime;
        break;
    case 'N':
    case 'n':
        format.Kind = fkNumeric;
        for (char& c : format.FormatStr)
            if (c == ',' || c == '-' || c == '.') {
                format.DecimalSeparator = std::string(1, c);
                c = '.';
            }
        break;
    default:
        format.Kind = fkText;
    }
    return content.substr(0, mark);
}

std::string FormatExpressionValue(const TrpVariant& value, const TrpFormat& format) {
    if (value.isNull())
        return {};
    const platform::RegionalSettings& regional = platform::regionalSettings();
    try {
        switch (format.Kind) {
        case fkText:
            break;
        case fkNumeric: {
            const char separator = format.DecimalSeparator.size() == 1 ? format.DecimalSeparator[0]
                                                                       : regional.decimalSeparator;
            if (!format.FormatStr.empty() && format.FormatStr[0] == '#')
                return formatFloatPicture(format.FormatStr, value.toFloat(), separator,
                                          regional.thousandSeparator);
            return formatPrintf(format.FormatStr, value.toFloat(), separator,
                                regional.thousandSeparator);
        }
        case fkDateTime:
            return formatDateTimePicture(format.FormatStr, value.toFloat());
        case fkBoolean: {
            const size_t comma = format.FormatStr.find(',');
            const std::string whenFalse = format.FormatStr.substr(0, comma);
            const std::string whenTrue =
                comma == std::string::npos ? std::string() : format.FormatStr.substr(comma + 1);
            return value.toBoolean() ? whenTrue : whenFalse;
        }
        }
    } catch (const std::exception&) {
        // A value the format cannot take prints in its default form.
    }
    return value.toString();
}

bool IsZeroValue(const TrpVariant& value) {
    switch (value.type()) {
    case TrpVariant::Type::Integer:
    case TrpVariant::Type::Float:
    case TrpVariant::Type::DateTime:
    case TrpVariant::Type::Boolean:
    case TrpVariant::Type::Empty:
        return value.toFloat() == 0;
    default:
        return false;
    }
}

} // namespace report
