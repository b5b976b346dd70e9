// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/CupsLibrary.h"

#include <dlfcn.h>
#include <type_traits>

namespace preview {

const CupsLibrary* CupsLibrary::get() {
    static const CupsLibrary* const library = []() -> const CupsLibrary* {
        void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        static CupsLibrary functions;
        const auto bind = [handle](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            return function != nullptr;
        };
        const bool complete = bind(functions.getNamedDest, "cupsGetNamedDest") &&
                              bind(functions.freeDests, "cupsFreeDests") &&
                              bind(functions.getOption, "cupsGetOption") &&
                              bind(functions.addOption, "cupsAddOption") &&
                              bind(functions.freeOptions, "cupsFreeOptions") &&
                              bind(functions.printFile2, "cupsPrintFile2") &&
                              bind(functions.lastErrorString, "cupsLastErrorString");
        return complete ? &functions : nullptr;
    }();
    return library;
}

} // namespace preview
