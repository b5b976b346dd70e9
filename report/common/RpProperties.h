// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Published properties as the serializer sees them: a name, the value as text, a setter from text
// and the default text (a value equal to its default is not written). A sub-object (a frame, a
// font, an option group) is a property whose own properties are addressed by dotted names.
#include "report/common/RpPersistent.h"
#include "report/common/RpTypes.h"

#include "platform/Color.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace report {

struct TrpProperty {
    std::string name;
    std::function<std::string()> get;
    std::function<void(const std::string&)> set; // raises platform::Error on a bad value
    std::string defaultText;
    // When set, decides whether the value is written instead of the comparison with the default.
    std::function<bool()> stored;
    TrpPersistent* object = nullptr; // a sub-object instead of a value
    // A short name that is read but never written (the prepared pages' "l", "t", "w", "h", "x").
    bool alias = false;

    bool isDefault() const;
};

// Text forms of property values. Readers accept what the writers give and the usual variants
// (ordinals for enumeration names, "1"/"0" for Booleans, bracketed name lists for sets).
std::string boolText(bool value);
bool textToBool(const std::string& text);
std::string floatText(double value); // shortest form that reads back to the same number
double textToFloat(const std::string& text);
int textToInt(const std::string& text);
std::string colorText(platform::TColor value);
platform::TColor textToColor(const std::string& text);
std::string enumText(int value, EnumNames names);
int textToEnum(const std::string& text, EnumNames names);
std::string setText(int bits);
int textToSet(const std::string& text, EnumNames names);
std::string linesText(const std::vector<std::string>& lines); // every line followed by CR LF
std::vector<std::string> textToLines(const std::string& text);
std::string hexText(const std::string& bytes);
std::string textToBytes(const std::string& hex);

class TrpPropertyList {
public:
    void add(TrpProperty property) {
        // A text object publishes some sixty properties, and lists are built for every object
        // that is stored or read: growing the vector step by step cost more than filling it.
        if (items_.empty())
            items_.reserve(64);
        items_.push_back(std::move(property));
    }
    void value(std::string name, std::function<std::string()> get,
               std::function<void(const std::string&)> set, std::string defaultText);

    // Plain fields, bound by reference.
    void boolean(const std::string& name, bool& field, bool defaultValue);
    void integer(const std::string& name, int& field, int defaultValue);
    void number(const std::string& name, double& field, double defaultValue);
    void string(const std::string& name, std::string& field, const std::string& defaultValue = {});
    void color(const std::string& name, platform::TColor& field, platform::TColor defaultValue);
    void lines(const std::string& name, std::vector<std::string>& field);
    void dateTime(const std::string& name, double& field);
    template <class E>
    void enumeration(const std::string& name, E& field, EnumNames names, E defaultValue) {
        value(
            name, [&field, names] { return enumText(field, names); },
            [&field, names](const std::string& t) { field = static_cast<E>(textToEnum(t, names)); },
            enumText(defaultValue, names));
    }
    void set(const std::string& name, int& field, EnumNames names, int defaultValue = 0);
    void alias(std::string name, std::function<void(const std::string&)> set);
    void object(const std::string& name, TrpPersistent& object, std::function<bool()> stored = {});

    // Case-insensitive lookup; null when there is no such property.
    const TrpProperty* find(const std::string& name) const;
    const std::vector<TrpProperty>& items() const { return items_; }

private:
    std::vector<TrpProperty> items_;
};

bool sameTextIgnoringCase(const std::string& a, const std::string& b);

} // namespace report
