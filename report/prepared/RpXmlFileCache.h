// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The temporary file that page nodes of long prepared reports move to while they are not needed.
// The file ("fr" + a unique suffix, in the chosen folder or the system's temporary folder) is
// created on the first unload and deleted by Clear and by destruction.
#include <QString>
#include <memory>

class QTemporaryFile;

namespace report {

class TrpXMLItem;

class TrpXMLFileCache {
public:
    TrpXMLFileCache();
    ~TrpXMLFileCache();
    TrpXMLFileCache(const TrpXMLFileCache&) = delete;
    TrpXMLFileCache& operator=(const TrpXMLFileCache&) = delete;

    // Empty: the system's temporary folder. Takes effect when the next file is created.
    void SetFolder(const QString& folder) { folder_ = folder; }
    // Writes the node's children to the file and frees them; the node keeps its name and text and
    // is marked not loaded. A node that still has a FilePosition is taken to be unchanged since it
    // was loaded and is not written again: whoever changes a loaded node sets it to -1. Raises
    // platform::Error when the file cannot be written.
    void Unload(TrpXMLItem& item);
    // Brings the children of an unloaded node back; a loaded node is left alone.
    void Load(TrpXMLItem& item);
    // Deletes the file; nodes still marked unloaded lose their children.
    void Clear();
    QString FileName() const;

private:
    QString folder_;
    std::unique_ptr<QTemporaryFile> file_;
};

} // namespace report
