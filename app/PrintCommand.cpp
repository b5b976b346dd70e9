// SPDX-License-Identifier: GPL-3.0-or-later
// The Print command of the certificate window and the values it hands to the report.
#include "app/CertificateIdentifier.h"
#include "app/CertificateWindow.h"
#include "app/TextOverflowMessage.h"
#include "controls/Edit.h"
#include "controls/LangDlgs.h"
#include "controls/NumEdit.h"
#include "platform/Cp1250.h"
#include "platform/RegionalSettings.h"
#include "report/objects/RpBarCodeView.h"

#include <QDate>
#include <QLineEdit>

namespace app {
namespace {

std::string textOf(const QLineEdit* edit) {
    return platform::toCp1250(edit->text());
}

} // namespace

void TForm1::Nyomtats1Click() {
    if (!PrepareCertificate(true))
        return;
    // The preview still opens, so that the clerk sees what is cut off.
    if (!rpReport1.TextOverflows().empty() && !rpReport1.EngineOptions.SilentMode)
        controls::LangMessageDlg(platform::toCp1250(TextOverflowWarning(rpReport1.TextOverflows())),
                                 controls::mtWarning, {controls::mbOK}, 0);
    if (OpenPreview)
        OpenPreview(rpReport1);
}

bool TForm1::PrepareCertificate(bool discardPrevious) {
    const std::string name = textOf(Edit3);
    if (!name.empty()) {
        certificateId_ = CertificateIdentifier(name, ReadProcessorId());
        if (auto* barcode = dynamic_cast<report::TrpBarCodeView*>(rpReport1.FindByName("BarCode1")))
            barcode->Text = certificateId_;
    }
    return rpReport1.BuildPreparedPages(discardPrevious);
}

void TForm1::rpReport1GetValue(const std::string& VarName, report::TrpVariant& Value) {
    const auto answer = [&](const std::string& text) { Value = report::TrpVariant(text); };
    if (VarName == "m1")
        answer(textOf(Edit1));
    else if (VarName == "m2")
        answer(textOf(Edit2));
    else if (VarName == "m3")
        answer(textOf(Edit3));
    else if (VarName == "m4")
        answer(textOf(Edit4));
    else if (VarName == "m5")
        answer(textOf(Edit5));
    else if (VarName == "m6")
        answer(textOf(Edit6));
    else if (VarName == "m9")
        answer(textOf(Edit7));
    else if (VarName == "m13")
        answer(Edit6->text().isEmpty()
                   ? std::string()
                   : platform::fromUtf8(", leánykori neve: <b>") + textOf(Edit6) + "</b>");
    else if (VarName == "m7")
        answer(textOf(NumEdit1));
    else if (VarName == "m8")
        answer(textOf(NumEdit2));
    else if (VarName == "datum")
        answer(platform::formatShortDate(QDate::currentDate()));
    else if (VarName == "azon")
        answer(certificateId_);
}

} // namespace app
