// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Classes by name, so that a definition can create its objects from their class names. The
// engine's classes, the picture and barcode objects included, are registered from the start: a
// registration left to a module's own static initialiser would be dropped by the linker whenever
// nothing names that module's classes directly, as with a definition read by class names alone.
// Only the report, which these classes cannot name, registers itself that way: no definition is
// read without one.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace report {

class TrpComponent;
class TrpPersistent;

class TrpClassRegistry {
public:
    // Creates an object; components are given the owner (and become its children).
    using Factory = std::function<std::unique_ptr<TrpPersistent>(TrpComponent* owner)>;

    static void Register(const std::string& className, Factory factory);
    template <class T>
    static void Register(const std::string& className) {
        Register(className, factoryOf<T>());
    }
    template <class T>
    static Factory factoryOf() {
        return [](TrpComponent* owner) -> std::unique_ptr<TrpPersistent> {
            if constexpr (std::is_constructible_v<T, TrpComponent*>)
                return std::make_unique<T>(owner);
            else
                return std::make_unique<T>();
        };
    }
    static bool IsRegistered(const std::string& className);
    // Null for a name that is not registered (letter case ignored). A component created with an
    // owner is on the owner's lists as well and is destroyed with it: release the pointer once the
    // object is kept there. Destroying it first takes it off those lists again.
    static std::unique_ptr<TrpPersistent> Create(const std::string& className, TrpComponent* owner);
    // The same, and null as well when the class creates no T (the object is destroyed again).
    template <class T>
    static std::unique_ptr<T> CreateAs(const std::string& className, TrpComponent* owner) {
        std::unique_ptr<TrpPersistent> created = Create(className, owner);
        auto* object = dynamic_cast<T*>(created.get());
        if (!object)
            return nullptr;
        created.release();
        return std::unique_ptr<T>(object);
    }
    static std::vector<std::string> RegisteredNames();
};

} // namespace report
