// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything a definition stores is a persistent object: it names its published properties, and
// the serializer writes and reads them by those names.
namespace report {

class TrpPropertyList;

class TrpPersistent {
public:
    virtual ~TrpPersistent() = default;
    virtual const char* ClassName() const = 0;
    // Appends the published properties in the order a definition writes them.
    virtual void DefineProperties(TrpPropertyList& properties) = 0;
};

} // namespace report
