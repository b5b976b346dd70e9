// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateIdentifier.h"
#include "app/CertificateWindow.h"
#include "app/Startup.h"
#include "controls/Edit.h"
#include "controls/NumEdit.h"
#include "platform/Cp1250.h"
#include "platform/RecordingCanvas.h"
#include "platform/RegionalSettings.h"
#include "report/engine/RpErrorBox.h"
#include "report/objects/RpBarCodeView.h"
#include "report/objects/RpMemoView.h"
#include "report/prepared/RpPreviewPages.h"
#include "support/ModalAnswerer.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace app;

TEST(CertificateIdentifier, IsTheSignaturesLastSixDigitsAndTheNameChecksum) {
    EXPECT_EQ(NameChecksum("abc"), 391u);
    EXPECT_EQ(NameChecksum("\xE9"), 2u * 0xE9); // one character counts twice
    EXPECT_EQ(NameChecksum(""), 0u);
    const platform::CpuIdLeaf1 id{526058, 0, 4294967295u, 178}; // eax, ebx, ecx, edx
    EXPECT_EQ(ProcessorSignature(id), "42949672950178526058");  // ECX, EBX, EDX, EAX
    EXPECT_EQ(CertificateIdentifier("abc", id), "526058187");
    EXPECT_EQ(CertificateIdentifier("abc", {4, 2, 1, 3}), "1234187"); // a short signature whole
    EXPECT_EQ(CertificateIdentifier(std::string(20000000, '\xFF'), id),
              "5260582FFBD3FF"); // the checksum wraps at 32 bits
}

namespace {

class PrintCommand : public ::testing::Test {
protected:
    Forms forms = CreateForms();
    TForm1& w = *forms.form1;
    int previews = 0;

    void SetUp() override {
        w.ReadProcessorId = [] { return platform::CpuIdLeaf1{526058, 0, 4294967295u, 178}; };
        w.OpenPreview = [this](report::TrpReport& report) {
            ++previews;
            EXPECT_EQ(report.PreviewPages().PageCount(), 1);
        };
    }

    std::string value(const char* name) {
        report::TrpVariant v;
        w.rpReport1GetValue(name, v);
        return v.isEmpty() ? "<declined>" : v.toString();
    }

    // The footer's identifier as the prepared page prints it.
    std::string footer() {
        platform::RecordingCanvas canvas;
        w.rpReport1.PreviewPages().PaintPage(0, canvas, 1, 1, 0, 0);
        for (const auto& r : canvas.records())
            if (r.kind == platform::CanvasRecord::Kind::TextOut && !r.text.empty() &&
                r.text[0] == '(')
                return r.text;
        return "<none>";
    }
};

} // namespace

TEST_F(PrintCommand, WithoutANameTheFooterShowsEmptyBracketsAndTheBarcodeKeepsItsText) {
    w.Edit3->clear();
    w.Nyomtats1Click();
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(footer(), "()");
    EXPECT_EQ(dynamic_cast<report::TrpBarCodeView*>(w.rpReport1.FindByName("BarCode1"))->Text,
              "12345678");
}

TEST_F(PrintCommand, ANamedPrintSetsTheIdentifierWhichLaterUnnamedPrintsKeep) {
    w.Edit3->setText("abc");
    w.Nyomtats1Click();
    EXPECT_EQ(w.CertificateId(), "526058187");
    EXPECT_EQ(footer(), "(526058187)");
    EXPECT_EQ(dynamic_cast<report::TrpBarCodeView*>(w.rpReport1.FindByName("BarCode1"))->Text,
              "526058187");
    w.Edit3->clear();
    w.Nyomtats1Click();
    EXPECT_EQ(footer(), "(526058187)");
    EXPECT_EQ(previews, 2);
}

TEST_F(PrintCommand, VariablesAreAnsweredFromTheFieldsAsTheyAreNow) {
    w.Edit1->setText("Minta Kft.");
    w.Edit3->setText(QString::fromUtf8("Kiss Anna"));
    w.Edit6->clear();
    EXPECT_EQ(value("m1"), "Minta Kft.");
    EXPECT_EQ(value("m3"), "Kiss Anna");
    EXPECT_EQ(value("m13"), ""); // without a maiden name: nothing, not a decline
    EXPECT_EQ(value("m6"), "");
    w.Edit6->setText(QString::fromUtf8("Nagy Éva"));
    EXPECT_EQ(value("m13"), platform::fromUtf8(", leánykori neve: <b>Nagy Éva</b>"));
    EXPECT_EQ(value("m6"), platform::fromUtf8("Nagy Éva"));
    EXPECT_EQ(value("m7"), "0");
    EXPECT_EQ(value("M1"), "<declined>"); // names are compared with their case
    EXPECT_EQ(value("m10"), "<declined>");
    EXPECT_EQ(value("azon"), "");

    const platform::RegionalSettings saved = platform::regionalSettings();
    platform::RegionalSettings hungarian = saved;
    hungarian.shortDateFormat = "yyyy.MM.dd.";
    platform::setRegionalSettings(hungarian);
    EXPECT_EQ(value("datum"), QDate::currentDate().toString("yyyy.MM.dd.").toStdString());
    platform::setRegionalSettings(saved);
}

TEST_F(PrintCommand, AFailedPreparationShowsOneErrorBoxAndNoPreview) {
    auto* memo = dynamic_cast<report::TrpCustomMemoView*>(w.rpReport1.FindByName("Memo2"));
    ASSERT_NE(memo, nullptr);
    memo->Memo = {"[nincs_ilyen]"};
    InstallReportErrorBox(w);
    ModalAnswerer dialogs;
    w.Nyomtats1Click();
    EXPECT_EQ(previews, 0);
    ASSERT_EQ(dialogs.seen().size(), 1u);
    EXPECT_EQ(dialogs.seen()[0].title, "Hiba");
    EXPECT_TRUE(dialogs.seen()[0].text.startsWith(QString::fromUtf8("A következő hiba történt:")));
    EXPECT_TRUE(dialogs.seen()[0].text.contains("nincs_ilyen"));
}

TEST_F(PrintCommand, AFailedPreparationOpensNoPreview) {
    auto* memo = dynamic_cast<report::TrpCustomMemoView*>(w.rpReport1.FindByName("Memo2"));
    ASSERT_NE(memo, nullptr);
    memo->Memo = {"[nincs_ilyen]"}; // a name nobody answers
    w.rpReport1.EngineOptions.SilentMode = true;
    w.Nyomtats1Click();
    EXPECT_EQ(previews, 0);
    EXPECT_FALSE(w.rpReport1.ErrorList.empty());
}

TEST_F(PrintCommand, TextThatDoesNotFitIsShownInAWarningBeforeThePreviewOpens) {
    w.Edit1->setText(QString::fromUtf8("Tölgyesvárhely Településüzemeltető és Vagyonkezelő "
                                       "Nonprofit Korlátolt Felelősségű Társaság"));
    w.Edit3->setText(QString::fromUtf8("Kiss Anna"));
    w.Edit6->setText(QString::fromUtf8("Nagy Anna"));
    w.Edit7->setText(
        QString::fromUtf8("Tölgyesvárhely, Kossuth Lajos tér 2. második emelet, harmadik ajtó"));
    w.Edit4->setText(QString::fromUtf8("pénzügyi és számviteli csoportvezető"));
    w.Edit2->setText(QString::fromUtf8("Tölgyesvárhely, Fő utca 1."));
    w.Edit5->setText(QString::fromUtf8("2001. március 1."));
    w.NumEdit1->setText(QString::fromUtf8("123 456"));
    ModalAnswerer dialogs;
    size_t warningsBeforePreview = 0;
    w.OpenPreview = [&](report::TrpReport&) {
        ++previews;
        warningsBeforePreview = dialogs.seen().size();
    };
    w.Nyomtats1Click();
    EXPECT_EQ(previews, 1);
    ASSERT_EQ(warningsBeforePreview, 1u);
    EXPECT_TRUE(dialogs.seen()[0].text.contains(QString::fromUtf8("A családi pótlék összege:")))
        << dialogs.seen()[0].text.toStdString();

    w.Edit1->setText("Minta Kft.");
    w.Nyomtats1Click();
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(dialogs.seen().size(), 1u); // all fits: no warning
}
