// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/CustomPrinter.h"

#include "report/common/RpResources.h"

namespace preview {
namespace {

void appendDriverItems(std::vector<TrpPrinterListItem>& list,
                       const std::vector<TrpPrinterListItem>& driver) {
    const int firstCode = list.front().code;
    const std::size_t room = std::min<std::size_t>(driver.size(), driverListRoom);
    for (std::size_t i = 0; i < room; ++i)
        if (driver[i].code != firstCode)
            list.push_back(driver[i]);
}

} // namespace

TrpCustomPrinter::TrpCustomPrinter(std::string name, std::string port)
    : name_(std::move(name))
    , port_(std::move(port))
    , bins_{{report::rpResource("prDefault"), defaultBin}}
    , papers_{{report::rpResource("prCustom"), customPaper}} {}

TrpCustomPrinter::~TrpCustomPrinter() = default;

void TrpCustomPrinter::SetDriverLists(const std::vector<TrpPrinterListItem>& papers,
                                      const std::vector<TrpPrinterListItem>& bins) {
    papers_.resize(1);
    bins_.resize(1);
    appendDriverItems(papers_, papers);
    appendDriverItems(bins_, bins);
}

TrpPageMapping TrpCustomPrinter::PageMapping() const {
    return {resolutionX_ / 96.0, resolutionY_ / 96.0, -leftMargin_ * resolutionX_ / 25.4,
            -topMargin_ * resolutionY_ / 25.4};
}

} // namespace preview
