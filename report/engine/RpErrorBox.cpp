#include "report/engine/RpErrorBox.h"

#include "report/common/RpResources.h"

namespace report {
namespace {

TrpErrorBoxHandler& handler() {
    static TrpErrorBoxHandler installed;
    return installed;
}

} // namespace

TrpErrorBoxHandler rpSetErrorBoxHandler(TrpErrorBoxHandler newHandler) {
    TrpErrorBoxHandler previous = std::move(handler());
    handler() = std::move(newHandler);
    return previous;
}

std::string rpErrorBoxText(const std::vector<std::string>& lines) {
    std::string text = rpResource("clErrors") + "\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

void rpShowErrorBox(const std::vector<std::string>& lines) {
    if (handler())
        handler()(rpResource("mbError"), rpErrorBoxText(lines));
}

} // namespace report
