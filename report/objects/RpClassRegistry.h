#pragma once
// Classes by name, so that a definition can create its objects from their class names. The
// engine's classes, the picture and barcode objects included, are registered from the start: a
// registration left to a module's own static initialiser would be dropped by the linker whenever
// nothing names that module's classes directly, as with a definition read by class names alone.
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace report {

class TrpComponent;
class TrpPersistent;

class TrpClassRegistry {
public:
    // Creates an object; components are given the owner (and become its children).
    using Factory = std::function<TrpPersistent*(TrpComponent* owner)>;

    static void Register(const std::string& className, Factory factory);
    template <class T>
    static void Register(const std::string& className) {
        Register(className, factoryOf<T>());
    }
    template <class T>
    static Factory factoryOf() {
        return [](TrpComponent* owner) -> TrpPersistent* {
            if constexpr (std::is_constructible_v<T, TrpComponent*>)
                return new T(owner);
            else
                return new T();
        };
    }
    static bool IsRegistered(const std::string& className);
    // Null for a name that is not registered (letter case ignored).
    static TrpPersistent* Create(const std::string& className, TrpComponent* owner);
    static std::vector<std::string> RegisteredNames();
};

} // namespace report
