// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/content/RpPicture.h"

#include "report/common/RpProperties.h"

#include "platform/Error.h"

#include <cstdint>

namespace report {
namespace {

constexpr size_t maxClassNameLength = 63;
constexpr char binaryValue = 10; // the value-type byte of a binary property
// The name of the binary property, preceded by its length.
const std::string dataPropertyName = std::string(1, '\x04') + "Data";

uint32_t readUInt32(const std::string& data, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(data[at + static_cast<size_t>(i)]);
    return value;
}

uint16_t readUInt16(const std::string& data, size_t at) {
    return static_cast<uint16_t>(static_cast<unsigned char>(data[at]) |
                                 static_cast<unsigned char>(data[at + 1]) << 8);
}

void appendUInt32(std::string& data, size_t value) {
    if (value > UINT32_MAX)
        throw platform::Error("Picture data is too large");
    for (int i = 0; i < 4; ++i)
        data += static_cast<char>(value >> (8 * i) & 0xFF);
}

[[noreturn]] void damaged() {
    throw platform::Error("Picture data is damaged");
}

std::unique_ptr<TrpGraphic> loadedGraphic(const std::string& className, std::string bytes) {
    std::unique_ptr<TrpGraphic> graphic = rpCreateGraphic(className);
    if (!graphic)
        throw platform::Error("Unknown picture class '" + className + "'");
    graphic->LoadFromBytes(std::move(bytes));
    return graphic;
}

} // namespace

void TrpPicture::take(std::unique_ptr<TrpGraphic> graphic) {
    graphic_ = std::move(graphic);
    if (OnChange)
        OnChange();
}

void TrpPicture::Assign(const TrpPicture& source) {
    if (&source != this)
        take(source.graphic_ ? source.graphic_->Clone() : nullptr);
}

void TrpPicture::Clear() {
    take(nullptr);
}

std::string TrpPicture::StoredData() const {
    if (!graphic_)
        return {};
    const std::string name = graphic_->ClassName();
    std::string data(1, static_cast<char>(name.size()));
    data += name;
    appendUInt32(data, graphic_->Bytes().size());
    data += graphic_->Bytes();
    return data;
}

void TrpPicture::LoadFromStoredData(const std::string& data) {
    if (data.empty()) {
        Clear();
        return;
    }
    const size_t nameLength = static_cast<unsigned char>(data[0]);
    if (nameLength == 0 || nameLength > maxClassNameLength || data.size() < 1 + nameLength + 4)
        damaged();
    const std::string className = data.substr(1, nameLength);
    const size_t length = readUInt32(data, 1 + nameLength);
    if (data.size() - (5 + nameLength) != length)
        damaged();
    take(loadedGraphic(className, data.substr(5 + nameLength)));
}

std::string TrpPicture::PropData() const {
    const std::string stored = StoredData();
    std::string data = dataPropertyName + binaryValue;
    appendUInt32(data, stored.size());
    return data + stored;
}

void TrpPicture::LoadFromPropData(const std::string& data) {
    const size_t header = dataPropertyName.size() + 5;
    if (data.size() < header || data.compare(0, dataPropertyName.size(), dataPropertyName) != 0 ||
        data[header - 5] != binaryValue || readUInt32(data, header - 4) != data.size() - header)
        damaged();
    LoadFromStoredData(data.substr(header));
}

void TrpPicture::LoadFromBlob(const std::string& blob) {
    std::string data = blob;
    if (data.size() >= 8 && readUInt16(data, 0) == 1 && readUInt16(data, 2) == 256 &&
        readUInt32(data, 4) == data.size() - 8)
        data.erase(0, 8);
    const auto startsWith = [&data](std::string_view prefix, size_t at = 0) {
        return data.size() >= at + prefix.size() && data.compare(at, prefix.size(), prefix) == 0;
    };
    if (startsWith("BM"))
        take(loadedGraphic("TBitmap", std::move(data)));
    else if (startsWith("\xFF\xD8"))
        take(loadedGraphic("TJPEGImage", std::move(data)));
    else if ((data.size() >= 4 && readUInt32(data, 0) == 0x9AC6CDD7) || startsWith(" EMF", 40))
        throw platform::Error("Metafile pictures cannot be shown");
    else if (data.size() >= 6 && readUInt16(data, 2) < 2)
        take(loadedGraphic("TIcon", std::move(data)));
    else
        Clear();
}

void TrpPicture::DefineProperties(TrpPropertyList& properties) {
    properties.value(
        "Data", [this] { return hexText(StoredData()); },
        [this](const std::string& t) { LoadFromStoredData(textToBytes(t)); }, {});
    properties.alias("PropData",
                     [this](const std::string& t) { LoadFromPropData(textToBytes(t)); });
}

} // namespace report
