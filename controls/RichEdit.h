// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A multi-line plain-text editor used as a line buffer: the form text is built and read through it.
// It holds code page 1250 lines exactly as given; a line is the text between two line breaks,
// however long, never split by width.
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

namespace controls {

class TRichEdit : public QWidget {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // Overwrites the lines' bytes before it lets them go: the buffer carries decrypted text.
    void Clear();
    // A text holding line breaks (CR LF, LF or CR) becomes several lines; a final line break opens
    // no further line.
    void Add(std::string_view line);
    int Count() const { return static_cast<int>(lines_.size()); }
    const std::string& Line(int index) const { return lines_.at(static_cast<size_t>(index)); }

    // Every line followed by CR LF.
    std::string Text() const;
    void SetText(std::string_view text);
    // Continues the text with no line break in between (the text's final line break not counted).
    void AppendToText(std::string_view text);

    // Plain bytes, no conversion. Both raise platform::Error when the file cannot be written or
    // read.
    void SaveToFile(const QString& path) const;
    void LoadFromFile(const QString& path);

private:
    std::vector<std::string> lines_;
};

} // namespace controls
