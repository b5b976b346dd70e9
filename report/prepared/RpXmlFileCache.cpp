// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/prepared/RpXmlFileCache.h"

#include "report/xml/RpXmlDocument.h"

#include "platform/Error.h"

#include <QDir>
#include <QTemporaryFile>
#include <sstream>

namespace report {
namespace {

[[noreturn]] void fileFailed(const QTemporaryFile& file) {
    throw platform::Error("Cannot use the temporary file \"" + file.fileName().toStdString() +
                          "\". " + file.errorString().toStdString());
}

[[noreturn]] void missingEntry() {
    throw platform::Error("Prepared page is missing from the temporary file");
}

} // namespace

TrpXMLFileCache::TrpXMLFileCache() = default;
TrpXMLFileCache::~TrpXMLFileCache() = default;

QString TrpXMLFileCache::FileName() const {
    return file_ ? file_->fileName() : QString();
}

// Each entry is the length in decimal, a blank, and the node written as XML; the node remembers
// where its entry starts.
void TrpXMLFileCache::Unload(TrpXMLItem& item) {
    if (!item.Loaded)
        return;
    if (item.FilePosition < 0) {
        if (!file_) {
            const QString folder = folder_.isEmpty() ? QDir::tempPath() : folder_;
            file_ = std::make_unique<QTemporaryFile>(QDir(folder).filePath("frXXXXXX"));
            if (!file_->open()) {
                const auto failed = std::move(file_);
                fileFailed(*failed);
            }
        }
        std::ostringstream text;
        TrpXMLDocument::WriteItem(text, item);
        const std::string entry = std::to_string(text.str().size()) + ' ' + text.str();
        const qint64 position = file_->size();
        if (!file_->seek(position) ||
            file_->write(entry.data(), static_cast<qint64>(entry.size())) !=
                static_cast<qint64>(entry.size()))
            fileFailed(*file_);
        item.FilePosition = position;
    }
    // Children only: name, text and flags stay, so the tree keeps its shape.
    item.Clear();
    item.Loaded = false;
}

void TrpXMLFileCache::Load(TrpXMLItem& item) {
    if (item.Loaded)
        return;
    if (!file_ || item.FilePosition < 0 || !file_->seek(item.FilePosition))
        missingEntry();
    qint64 size = 0;
    int digits = 0;
    char c = 0;
    while (file_->getChar(&c) && c >= '0' && c <= '9' && ++digits <= 15)
        size = size * 10 + (c - '0');
    if (c != ' ' || digits == 0 || digits > 15 || size > file_->size())
        missingEntry();
    std::string text(static_cast<size_t>(size), '\0');
    if (file_->read(text.data(), size) != size)
        missingEntry();
    const std::string name = item.Name, attributes = item.Text;
    const bool unloadable = item.Unloadable;
    const long long position = item.FilePosition;
    TrpXMLDocument::ReadItem(text, item);
    item.Name = name;
    item.Text = attributes;
    item.Unloadable = unloadable;
    item.FilePosition = position;
    item.Loaded = true;
}

void TrpXMLFileCache::Clear() {
    file_.reset();
}

} // namespace report
