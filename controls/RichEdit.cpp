#include "controls/RichEdit.h"

#include "platform/Cp1250.h"
#include "platform/Error.h"

#include <QFile>

namespace controls {

TRichEdit::TRichEdit(QWidget* parent) : QWidget(parent) {}

void TRichEdit::Clear() {
    lines_.clear();
}

void TRichEdit::Add(std::string_view text) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            lines_.emplace_back(text.substr(start));
            return;
        }
        lines_.emplace_back(text.substr(start, brk - start));
        start = brk + (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n' ? 2 : 1);
    }
    if (text.empty())
        lines_.emplace_back();
}

std::string TRichEdit::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TRichEdit::SetText(std::string_view text) {
    lines_.clear();
    if (!text.empty())
        Add(text);
}

void TRichEdit::AppendToText(std::string_view text) {
    if (lines_.empty()) {
        SetText(text);
        return;
    }
    std::string joined = std::move(lines_.back());
    lines_.pop_back();
    joined += text;
    Add(joined);
}

void TRichEdit::SaveToFile(const QString& path) const {
    QFile file(path);
    const std::string text = Text();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()))
        throw platform::Error(platform::toCp1250(
            QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString())));
}

void TRichEdit::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(platform::toCp1250(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString())));
    const QByteArray bytes = file.readAll();
    SetText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace controls
