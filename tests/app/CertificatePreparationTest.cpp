// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CertificateTemplate.h"
#include "platform/Cp1250.h"
#include "platform/PainterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "report/RpReport.h"
#include "report/objects/RpPage.h"
#include "report/objects/RpView.h"
#include "report/prepared/RpPreviewPages.h"

#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

using namespace report;
using platform::CanvasRecord;

namespace {

// The template prepared with every variable answered, as the Print command does it.
class CertificatePreparation : public ::testing::Test {
protected:
    TrpReport report;
    std::map<std::string, std::string> values = {
        {"m1", "Minta Kft."},
        {"m2", "Fő utca 1."},
        {"m3", "Kiss Anna"},
        {"m4", "könyvelő"},
        {"m5", "2001. március 1."},
        {"m9", "Tölgyesvárhely, Kossuth Lajos tér 2. második emelet, harmadik ajtó, a kapucsengő "
               "neve szerint Kiss-Nagy"},
        {"m13", ", leánykori neve: <b>Nagy Anna</b>"},
        {"m7", "123 456"},
        {"m8", "0"},
        {"datum", "2026. 12. 09."}, // the Hungarian short date

        {"azon", "123456187"}};

    void SetUp() override {
        app::LoadCertificateTemplate(report);
        report.OnGetValue = [this](const std::string& name, TrpVariant& value) {
            if (const auto it = values.find(name); it != values.end())
                value = TrpVariant(platform::fromUtf8(it->second));
        };
        ASSERT_TRUE(report.BuildPreparedPages(true));
        ASSERT_TRUE(report.ErrorList.empty()) << report.ErrorList.front();
    }

    std::vector<CanvasRecord> drawAt600Dpi() {
        platform::RecordingCanvas canvas(600, 600, true);
        report.PreviewPages().PaintPage(0, canvas, 6.25, 6.25, 0, 0);
        return canvas.records();
    }
};

std::vector<const CanvasRecord*> textRecords(const std::vector<CanvasRecord>& records,
                                             const std::string& utf8) {
    std::vector<const CanvasRecord*> found;
    const std::string wanted = platform::fromUtf8(utf8);
    for (const CanvasRecord& r : records)
        if (r.kind == CanvasRecord::Kind::TextOut && r.text.find(wanted) != std::string::npos)
            found.push_back(&r);
    return found;
}

} // namespace

TEST_F(CertificatePreparation, GivesOnePageWithEveryVisibleObjectAtItsDesignPlace) {
    ASSERT_EQ(report.PreviewPages().PageCount(), 1);
    TrpReport design;
    app::LoadCertificateTemplate(design);
    std::map<std::string, std::pair<double, double>> expected;
    for (TrpComponent* c : design.Pages()[0]->Objects())
        if (c->Visible)
            expected[c->Name()] = {c->Left, c->Top};
    EXPECT_EQ(expected.count("Memo46"), 0u);
    EXPECT_EQ(expected.count("BarCode1"), 0u);

    std::map<std::string, std::pair<double, double>> prepared;
    for (TrpComponent* c : report.PreviewPages().RebuildPage(0)->AllObjects())
        if (dynamic_cast<TrpView*>(c))
            prepared[c->Name()] = {c->Left, c->Top};
    EXPECT_EQ(prepared, expected);
}

TEST_F(CertificatePreparation, TheBodyShowsTheFieldsInBoldUnderlinedAndJustifiedRuns) {
    const auto records = drawAt600Dpi();
    const auto name = textRecords(records, "Kiss Anna");
    ASSERT_EQ(name.size(), 1u);
    EXPECT_TRUE(name[0]->font.style & platform::fontBold);
    EXPECT_EQ(name[0]->font.name, "Tahoma");
    EXPECT_EQ(name[0]->font.pixelHeight, 92); // 11 pt at 600 dpi
    const auto employer = textRecords(records, "Minta Kft.");
    ASSERT_EQ(employer.size(), 1u);
    EXPECT_EQ(employer[0]->font.style & (platform::fontBold | platform::fontUnderline),
              platform::fontBold | platform::fontUnderline);
    const auto maiden = textRecords(records, "Nagy Anna");
    ASSERT_EQ(maiden.size(), 1u);
    EXPECT_TRUE(maiden[0]->font.style & platform::fontBold);
    EXPECT_FALSE(textRecords(records, "leánykori neve:").empty());

    // The body's lines: every line of a paragraph but its last ends one pixel past the text width,
    // so the wrapped lines of the long sentence all end at the same device column.
    std::map<int, int> lineEnds; // line top -> rightmost pixel drawn
    const double top = (10 * 3.77953 + 219.21274) * 6.25, bottom = top + 211.65368 * 6.25;
    for (const CanvasRecord& r : records)
        if (r.kind == CanvasRecord::Kind::TextOut && r.font.pixelHeight == 92 &&
            r.bounds.top >= top && r.bounds.bottom <= bottom)
            lineEnds[r.bounds.top] = std::max(lineEnds[r.bounds.top], r.bounds.right);
    ASSERT_GE(lineEnds.size(), 7u);
    std::map<int, int> ends; // right end -> number of lines ending there
    for (const auto& [top, right] : lineEnds)
        ++ends[right];
    int justified = 0;
    for (const auto& [right, count] : ends)
        justified = std::max(justified, count);
    EXPECT_GE(justified, 2) << "no two body lines end at the same column";
}

TEST_F(CertificatePreparation, TheFooterAndHiddenObjectsPrintAsTheTemplateSays) {
    const auto records = drawAt600Dpi();
    EXPECT_EQ(textRecords(records, "(123456187)").size(), 1u);
    EXPECT_EQ(textRecords(records, "Oldal: 1/1").size(), 1u);
    // The date whole on one line in the body and in the footer, each inside its object's box.
    const auto dates = textRecords(records, "2026. 12. 09.");
    ASSERT_EQ(dates.size(), 2u);
    for (const char* name : {"Memo8", "Memo65"}) {
        const TrpComponent* memo = report.FindByName(name);
        ASSERT_NE(memo, nullptr);
        const double left = (22 * 3.77953 + memo->Left) * 6.25;
        const double top = (10 * 3.77953 + memo->Top) * 6.25;
        const double right = left + memo->Width * 6.25, bottom = top + memo->Height * 6.25;
        const int inside = static_cast<int>(std::count_if(dates.begin(), dates.end(), [&](auto* r) {
            return r->bounds.left >= left && r->bounds.right <= right && r->bounds.top >= top &&
                   r->bounds.bottom <= bottom;
        }));
        EXPECT_EQ(inside, 1) << name;
    }
    EXPECT_EQ(textRecords(records, "KF2718").size(), 2u); // heading and footer
    EXPECT_TRUE(textRecords(records, "illetékbélyeg").empty());
    int pictures = 0;
    for (const CanvasRecord& r : records)
        pictures += r.kind == CanvasRecord::Kind::StretchDraw;
    EXPECT_EQ(pictures, 2); // the two logos; the barcode stays invisible
}

TEST_F(CertificatePreparation, RendersOnAnImageAtZoomOne) {
    const QSize extent = report.PreviewPages().PageExtent(0);
    EXPECT_EQ(extent, QSize(794, 1123));
    QImage image(extent, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::PainterCanvas canvas(image);
        report.PreviewPages().PaintPage(0, canvas, 1, 1, 0, 0);
    }
    if (const QByteArray path = qgetenv("KF_SAVE_PAGE_IMAGE"); !path.isEmpty())
        image.save(QString::fromLocal8Bit(path)); // for looking at the page by eye
    // The full-width line at 35 mm runs across the printable width in black.
    const int y = qRound(10 * 3.77953 + 132.28355);
    EXPECT_EQ(image.pixelColor(400, y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(400, y + 3), QColor(Qt::white));
}

TEST_F(CertificatePreparation, TextPushedOutOfItsBoxIsNotedAndNotDrawn) {
    EXPECT_TRUE(report.TextOverflows().empty());
    EXPECT_EQ(textRecords(drawAt600Dpi(), "A családi pótlék összege:").size(), 1u);

    values["m1"] = "Tölgyesvárhely Településüzemeltető és Vagyonkezelő Nonprofit Korlátolt "
                   "Felelősségű Társaság";
    ASSERT_TRUE(report.BuildPreparedPages(true));
    ASSERT_EQ(report.TextOverflows().size(), 1u);
    const TrpTextOverflow& lost = report.TextOverflows().front();
    EXPECT_EQ(lost.Page, 0);
    EXPECT_EQ(lost.ObjectName, "Memo3");
    EXPECT_EQ(lost.Text, QString::fromUtf8("A családi pótlék összege: 0 Ft."));
    const auto records = drawAt600Dpi();
    EXPECT_TRUE(textRecords(records, "A családi pótlék összege:").empty());
    EXPECT_EQ(textRecords(records, "3 havi nettó jövedelmi átlaga").size(), 1u);

    // A preparation that fits again leaves nothing noted from the one before.
    values["m1"] = "Minta Kft.";
    ASSERT_TRUE(report.BuildPreparedPages(true));
    EXPECT_TRUE(report.TextOverflows().empty());
}
