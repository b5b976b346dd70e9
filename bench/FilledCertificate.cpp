// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/FilledCertificate.h"

#include "app/CertificateWindow.h"
#include "controls/NumEdit.h"
#include "platform/Color.h"
#include "platform/FontCache.h"
#include "platform/RecordingCanvas.h"
#include "report/objects/RpPage.h"
#include "report/prepared/RpPreviewPages.h"

#include <QLineEdit>

namespace bench {

const std::vector<std::pair<QString, QString>>& certificateFields() {
    static const std::vector<std::pair<QString, QString>> fields = {
        {"Edit1", "Minta Kft."},
        {"Edit2", QString::fromUtf8("Fő utca 1.")},
        {"Edit3", "Kiss Anna"},
        {"Edit4", QString::fromUtf8("könyvelő")},
        {"Edit5", QString::fromUtf8("2001. március 1.")},
        {"Edit7", QString::fromUtf8("Kossuth tér 2.")},
        {"NumEdit1", "123 456"}};
    return fields;
}

std::vector<std::string> certificateFieldArguments() {
    std::vector<std::string> arguments;
    for (const auto& [name, value] : certificateFields()) {
        arguments.push_back("--field");
        arguments.push_back((name + u'=' + value).toStdString());
    }
    return arguments;
}

void fillCertificateWindow(app::TForm1& window) {
    for (const auto& [name, value] : certificateFields()) {
        auto* edit = qobject_cast<QLineEdit*>(window.FindComponent(name.toStdString()));
        edit->setText(value);
        if (auto* amount = qobject_cast<controls::TNumEdit*>(edit))
            amount->Reformat();
    }
}

BarePage recordCertificatePage(app::TForm1& window, int dpi) {
    window.PrepareCertificate(true);
    report::TrpPreviewPages& pages = window.rpReport1.PreviewPages();
    BarePage page;
    if (auto* paper = dynamic_cast<report::TrpReportPage*>(pages.RebuildPage(0)))
        page.paperMm = QSizeF(paper->PaperWidth(), paper->PaperHeight());
    platform::RecordingCanvas recording(dpi, dpi, true);
    const double scale = dpi / 96.0;
    pages.PaintPage(0, recording, scale, scale, 0, 0);

    std::vector<std::pair<QImage, QString>> originals;
    for (const char* name : {"coat_of_arms.jpg", "iso9001.jpg"}) {
        const QString file = QStringLiteral(KF_PROGRAM_RESOURCES "/") + QLatin1String(name);
        originals.push_back({QImage(file), file});
    }
    for (const platform::CanvasRecord& r : recording.records()) {
        const QRect rect(r.rect.left, r.rect.top, r.rect.right - r.rect.left,
                         r.rect.bottom - r.rect.top);
        switch (r.kind) {
        case platform::CanvasRecord::Kind::FillRect:
            page.fills.push_back({rect, platform::toQColor(r.brush.color).rgb()});
            break;
        case platform::CanvasRecord::Kind::Rectangle:
            page.lines.push_back({rect.topLeft(), rect.topRight(), r.pen.width});
            page.lines.push_back({rect.topRight(), rect.bottomRight(), r.pen.width});
            page.lines.push_back({rect.bottomRight(), rect.bottomLeft(), r.pen.width});
            page.lines.push_back({rect.bottomLeft(), rect.topLeft(), r.pen.width});
            break;
        case platform::CanvasRecord::Kind::Line:
            page.lines.push_back({QPoint(r.points[0].x, r.points[0].y),
                                  QPoint(r.points[1].x, r.points[1].y), r.pen.width});
            break;
        case platform::CanvasRecord::Kind::StretchDraw:
            for (const auto& [image, file] : originals)
                if (image.size() == r.image.size())
                    page.pictures.push_back({rect, file});
            break;
        case platform::CanvasRecord::Kind::TextOut: {
            const QRawFont& font = platform::rawFontFor(r.font);
            const platform::GlyphLine glyphs = platform::glyphLineFor(r.font, r.text);
            const int ascent = platform::metricsFor(r.font).ascent;
            BarePage::Run run{font.familyName(),
                              r.font.pixelHeight,
                              (r.font.style & platform::fontBold) != 0,
                              glyphs.glyphs,
                              {}};
            int x = r.points[0].x;
            for (qsizetype i = 0; i < glyphs.glyphs.size(); ++i) {
                run.positions.push_back(QPointF(x, r.points[0].y + ascent));
                x += r.advances[static_cast<size_t>(i)];
            }
            page.runs.push_back(run);
            break;
        }
        default:
            break;
        }
    }
    return page;
}

} // namespace bench
