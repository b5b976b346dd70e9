// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/RpReport.h"
#include "report/RpReport_p.h"

#include "report/common/RpProperties.h"
#include "report/common/RpResources.h"
#include "report/objects/RpClassRegistry.h"
#include "report/objects/RpComponentXml.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpStyles.h"
#include "report/xml/RpXmlDocument.h"
#include "report/xml/RpXmlSerializer.h"

#include "platform/Error.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace report {
namespace {

constexpr std::array<std::string_view, 7> variantTypeNames{"Empty", "Null",     "String", "Integer",
                                                           "Float", "DateTime", "Boolean"};

std::string trimmedUpper(const std::string& s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return upperAscii(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

void writeVariant(TrpXMLItem& item, const TrpVariant& value) {
    std::string text;
    switch (value.type()) {
    case TrpVariant::Type::Float:
        text = floatText(value.floatValue());
        break;
    case TrpVariant::Type::DateTime:
        text = floatText(value.dateTimeValue());
        break;
    case TrpVariant::Type::Boolean:
        text = boolText(value.booleanValue());
        break;
    default:
        text = value.toString();
    }
    item.SetAttribute("Value", text);
    item.SetAttribute("Type", std::string(variantTypeNames[static_cast<size_t>(value.type())]));
}

TrpVariant readVariant(const TrpXMLItem& item) {
    const std::string text = item.Attribute("Value");
    const std::string type = item.Attribute("Type");
    switch (static_cast<TrpVariant::Type>(
        textToEnum(type.empty() ? "String" : type, variantTypeNames))) {
    case TrpVariant::Type::Empty:
        return {};
    case TrpVariant::Type::Null:
        return TrpVariant::Null();
    case TrpVariant::Type::Integer:
        return static_cast<int64_t>(std::stoll(text));
    case TrpVariant::Type::Float:
        return textToFloat(text);
    case TrpVariant::Type::DateTime:
        return TrpVariant::DateTime(textToFloat(text));
    case TrpVariant::Type::Boolean:
        return textToBool(text);
    case TrpVariant::Type::String:
        break;
    }
    return text;
}

// The report is the root that the objects' classes cannot name, so it registers itself. Every
// program that reads a definition has a report to read it into, so this file is always linked
// and its registration made before main.
[[maybe_unused]] const bool registered = [] {
    TrpClassRegistry::Register<TrpReport>("TrpReport");
    return true;
}();

} // namespace

TrpReport::TrpReport(TrpComponent* owner)
    : TrpCustomReport(owner)
    , d_(std::make_unique<Private>(*this)) {
    Clear();
}

TrpReport::~TrpReport() {
    // Children go first, while the report is still whole.
    TrpComponent::Clear();
}

InterpreterScript& TrpReport::Script() {
    return d_->script;
}

TrpExpressionCache& TrpReport::ExpressionCache() {
    return d_->cache;
}

void TrpReport::Clear() {
    TrpComponent::Clear();
    DataSets.clear();
    Variables.Clear();
    Styles.clear();
    EngineOptions.Clear();
    PreviewOptions.Clear();
    PrintOptions.Clear();
    ReportOptions.Clear();
    DataSetName.clear();
    DotMatrixReport = false;
    ScriptLanguage = "Pascal";
    ScriptText = {"begin", "", "end."};
    SystemVariables = {"Date",       "Time",        "Page", "Page#",
                       "TotalPages", "TotalPages#", "Line", "Line#"};
    RegisterScriptFunctions();
}

void TrpReport::RegisterScriptFunctions() {
    using Args = std::vector<TrpVariant>;
    d_->script.Scope.AddFunction(
        "Get", [this](Args& a) { return Get(a[0].toString()); }, 1, 1);
    d_->script.Scope.AddFunction(
        "Set",
        [this](Args& a) {
            Set(a[0].toString(), a[1]);
            return TrpVariant();
        },
        2, 2);
    if (!d_->script.Scope.Find("Value"))
        d_->script.Scope.AddVariable("Value");
}

void TrpReport::SetScriptValue(const TrpVariant& value) {
    auto entry = d_->script.Scope.Find("Value");
    if (!entry)
        entry = d_->script.Scope.AddVariable("Value");
    entry->write(value);
}

bool TrpReport::systemVariable(const std::string& name, TrpVariant& value) const {
    size_t index = 0;
    while (index < SystemVariables.size() && !sameTextIgnoringCase(SystemVariables[index], name))
        ++index;
    switch (index) {
    case 0:
        value = TrpVariant::DateTime(Run.StartDate);
        return true;
    case 1:
        value = TrpVariant::DateTime(Run.StartTime);
        return true;
    case 2:
        value = Run.CurrentPageIndex - Run.RunFirstPage + 1;
        return true;
    case 3:
        value = Run.CurrentPageIndex + 1;
        return true;
    case 4:
        value = Run.TotalPages - Run.RunFirstPage;
        return true;
    case 5:
        value = Run.TotalPages;
        return true;
    case 6:
        value = Run.Line;
        return true;
    case 7:
        value = Run.LineThrough;
        return true;
    default:
        return false;
    }
}

bool TrpReport::LookUpName(const std::string& expression, TrpVariant& value) {
    value = TrpVariant::Null();
    // Data-set fields ("name."field"") answer only with a data set of that name; this program
    // has none, so such names go on down the chain.
    if (systemVariable(expression, value))
        return true;
    if (const TrpVariable* variable = Variables.Find(expression)) {
        if (!variable->Value.isString()) {
            value = variable->Value;
            return true;
        }
        // A string value is an expression; one that leads back to itself is an error, not an
        // endless recursion.
        const std::string key = upperAscii(variable->Name);
        if (std::find(d_->variablesInEvaluation.begin(), d_->variablesInEvaluation.end(), key) !=
            d_->variablesInEvaluation.end())
            throw platform::Error("Circular reference in variable '" + variable->Name + "'");
        d_->variablesInEvaluation.push_back(key);
        try {
            value = Calc(variable->Value.stringValue());
        } catch (...) {
            d_->variablesInEvaluation.pop_back();
            throw;
        }
        d_->variablesInEvaluation.pop_back();
        return true;
    }
    if (const size_t paren = expression.find('('); paren != std::string::npos) {
        const std::string head = trimmedUpper(expression.substr(0, paren));
        if (head == "SUM" || head == "MIN" || head == "MAX" || head == "AVG" || head == "COUNT") {
            const size_t b = expression.find_first_not_of(' ');
            const std::string trimmed =
                expression.substr(b, expression.find_last_not_of(' ') - b + 1);
            value = AggregateValue ? AggregateValue(trimmed) : TrpVariant::Null();
            return true;
        }
    }
    if (const auto entry = d_->script.Scope.Find(expression);
        entry && entry->kind != InterpreterEntry::Kind::Function) {
        value = entry->read();
        return true;
    }
    value = TrpVariant();
    if (OnGetValue)
        OnGetValue(expression, value);
    return !value.isEmpty();
}

TrpVariant TrpReport::Calc(const std::string& expression) {
    TrpVariant value;
    if (LookUpName(expression, value))
        return value;
    InterpreterError error;
    const InterpreterRoutine* routine = d_->cache.Find(expression, error);
    if (!routine) {
        std::string line = rpResource("clExprError") + " '" + expression + "': " + error.message;
        if (!CurrentObjectName.empty())
            line = CurrentObjectName + ": " + line;
        ErrorList.push_back(line);
        throw platform::Error(line);
    }
    return routine->call({});
}

TrpVariant TrpReport::Get(const std::string& name) {
    TrpVariant value;
    if (LookUpName(name, value))
        return value;
    ErrorList.push_back(rpResource("clUnknownVar") + " " + name);
    return TrpVariant::Null();
}

void TrpReport::Set(const std::string& name, const TrpVariant& value) {
    Variables.Set(name, value);
}

void TrpReport::LoadFromStream(std::istream& stream) {
    // Read everything first: a damaged stream must not leave the report half cleared.
    TrpXMLDocument document;
    document.Read(stream);
    const TrpEngineOptions engine = EngineOptions;
    const TrpPreviewOptions preview = PreviewOptions;
    const std::string iniFile = IniFile;
    Clear();
    std::vector<std::string> errors;
    TrpComponentXML::Read(*this, document.Root, errors, true);
    const bool convertNulls = EngineOptions.ConvertNulls, doublePass = EngineOptions.DoublePass;
    EngineOptions = engine;
    EngineOptions.ConvertNulls = convertNulls;
    EngineOptions.DoublePass = doublePass;
    const bool outlineVisible = PreviewOptions.OutlineVisible;
    const int outlineWidth = PreviewOptions.OutlineWidth;
    PreviewOptions = preview;
    PreviewOptions.OutlineVisible = outlineVisible;
    PreviewOptions.OutlineWidth = outlineWidth;
    IniFile = iniFile;
    addLoadErrors(errors);
}

std::string TrpReport::SaveToText() {
    std::ostringstream out;
    SaveToStream(out, true);
    return out.str();
}

void TrpReport::LoadDefinition(const std::string& text) {
    TrpXMLDocument document;
    document.FromText(text);
    Clear();
    std::vector<std::string> errors;
    TrpComponentXML::Read(*this, document.Root, errors, false);
    addLoadErrors(errors);
}

void TrpReport::WriteExtraNodes(TrpXMLItem& node) {
    if (!DataSets.empty()) {
        TrpXMLItem& list = node.Add("Datasets");
        for (const std::string& name : DataSets)
            list.Add("item").SetAttribute("Name", name);
    }
    if (Variables.Count() > 0) {
        TrpXMLItem& list = node.Add("Variables");
        for (const TrpVariable& v : Variables.Items()) {
            TrpXMLItem& item = list.Add("item");
            item.SetAttribute("Name", v.Name);
            writeVariant(item, v.Value);
        }
    }
    if (!Styles.empty()) {
        TrpXMLItem& list = node.Add("Style");
        for (const auto& style : Styles)
            list.Add("item").Text = TrpXMLSerializer::WriteProperties(*style, true);
    }
}

bool TrpReport::ReadExtraNode(const TrpXMLItem& node, std::vector<std::string>& errors) {
    const bool datasets = sameTextIgnoringCase(node.Name, "Datasets");
    const bool variables = sameTextIgnoringCase(node.Name, "Variables");
    const bool styles = sameTextIgnoringCase(node.Name, "Style");
    if (!datasets && !variables && !styles)
        return false;
    for (size_t i = 0; i < node.Count(); ++i) {
        const TrpXMLItem& item = node.Item(i);
        try {
            if (datasets) {
                DataSets.push_back(item.Attribute("Name"));
            } else if (variables) {
                Variables.Set(item.Attribute("Name"), readVariant(item));
            } else {
                auto style = std::make_unique<TrpStyleItem>();
                TrpXMLSerializer::ReadProperties(*style, item.Text, errors);
                Styles.push_back(std::move(style));
            }
        } catch (const std::exception& e) {
            errors.push_back(e.what());
        }
    }
    return true;
}

void TrpReport::DefineProperties(TrpPropertyList& properties) {
    TrpComponent::DefineProperties(properties);
    properties.string("DataSetName", DataSetName);
    properties.boolean("DotMatrixReport", DotMatrixReport, false);
    properties.object("EngineOptions", EngineOptions);
    properties.string("IniFile", IniFile, "\\Software\\ReportEngine\\Reports");
    properties.object("PreviewOptions", PreviewOptions);
    properties.object("PrintOptions", PrintOptions);
    properties.object("ReportOptions", ReportOptions);
    properties.string("ScriptLanguage", ScriptLanguage, "Pascal");
    properties.value(
        "ScriptText", [this] { return linesText(ScriptText); },
        [this](const std::string& t) { ScriptText = textToLines(t); },
        linesText({"begin", "", "end."}));
    properties.string("OnStartReport", OnStartReport);
    properties.string("OnStopReport", OnStopReport);
}

} // namespace report
