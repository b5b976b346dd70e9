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
        const bool complete =
            bind(functions.getNamedDest, "cupsGetNamedDest") &&
            bind(functions.freeDests, "cupsFreeDests") &&
            bind(functions.getOption, "cupsGetOption") &&
            bind(functions.addOption, "cupsAddOption") &&
            bind(functions.freeOptions, "cupsFreeOptions") &&
            bind(functions.lastErrorString, "cupsLastErrorString") &&
            bind(functions.lastError, "cupsLastError") && bind(functions.server, "cupsServer") &&
            bind(functions.port, "ippPort") && bind(functions.encryption, "cupsEncryption") &&
            bind(functions.connect, "httpConnect2") &&
            bind(functions.setTimeout, "httpSetTimeout") && bind(functions.close, "httpClose") &&
            bind(functions.createJob, "cupsCreateJob") &&
            bind(functions.startDocument, "cupsStartDocument") &&
            bind(functions.writeRequestData, "cupsWriteRequestData") &&
            bind(functions.finishDocument, "cupsFinishDocument") &&
            bind(functions.cancelJob, "cupsCancelJob2") &&
            bind(functions.newRequest, "ippNewRequest") &&
            bind(functions.addString, "ippAddString") &&
            bind(functions.addStrings, "ippAddStrings") &&
            bind(functions.doRequest, "cupsDoRequest") &&
            bind(functions.findAttribute, "ippFindAttribute") &&
            bind(functions.getInteger, "ippGetInteger") &&
            bind(functions.getString, "ippGetString") && bind(functions.getCount, "ippGetCount") &&
            bind(functions.getStatusCode, "ippGetStatusCode") &&
            bind(functions.deleteIpp, "ippDelete");
        return complete ? &functions : nullptr;
    }();
    return library;
}

} // namespace preview
