// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The certificate's page as the bare Qt baselines draw it: the glyph runs, lines, fills and the
// two JPEG pictures the program draws, in device pixels, with nothing of the program's own code.
// The benchmarks record the page from the program once and hand it over as a small text file
// (one drawing per line, fields separated by tabs), so that a baseline process links Qt alone.
#include <QFile>
#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextStream>
#include <map>
#include <tuple>
#include <vector>

namespace bench {

struct BarePage {
    struct Run {
        QString family;
        int pixelSize = 0;
        bool bold = false;
        QList<quint32> glyphs;
        QList<QPointF> positions; // baseline points, one per glyph
    };
    struct Line {
        QPoint from, to;
        int width = 1;
    };
    struct Fill {
        QRect rect;
        QRgb color = 0;
    };
    struct Picture {
        QRect rect;
        QString file;
    };
    QSizeF paperMm{210, 297};
    std::vector<Run> runs;
    std::vector<Line> lines;
    std::vector<Fill> fills;
    std::vector<Picture> pictures;

    bool write(const QString& path) const {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QTextStream out(&file);
        out << "P\t" << paperMm.width() << '\t' << paperMm.height() << '\n';
        for (const Fill& f : fills)
            out << "F\t" << f.rect.x() << '\t' << f.rect.y() << '\t' << f.rect.width() << '\t'
                << f.rect.height() << '\t' << f.color << '\n';
        for (const Line& l : lines)
            out << "L\t" << l.from.x() << '\t' << l.from.y() << '\t' << l.to.x() << '\t' << l.to.y()
                << '\t' << l.width << '\n';
        for (const Picture& p : pictures)
            out << "I\t" << p.rect.x() << '\t' << p.rect.y() << '\t' << p.rect.width() << '\t'
                << p.rect.height() << '\t' << p.file << '\n';
        for (const Run& r : runs) {
            out << "T\t" << r.family << '\t' << r.pixelSize << '\t' << int(r.bold);
            for (qsizetype i = 0; i < r.glyphs.size(); ++i)
                out << '\t' << r.glyphs[i] << ' ' << r.positions[i].x() << ' '
                    << r.positions[i].y();
            out << '\n';
        }
        return file.error() == QFile::NoError;
    }

    static BarePage read(const QString& path) {
        BarePage page;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return page;
        QTextStream in(&file);
        for (QString text; in.readLineInto(&text);) {
            const QStringList f = text.split(u'\t');
            const auto n = [&](int i) { return f.value(i).toInt(); };
            const auto rect = [&] { return QRect(n(1), n(2), n(3), n(4)); };
            if (f[0] == u"P")
                page.paperMm = QSizeF(f.value(1).toDouble(), f.value(2).toDouble());
            else if (f[0] == u"F")
                page.fills.push_back({rect(), f.value(5).toUInt()});
            else if (f[0] == u"L")
                page.lines.push_back({QPoint(n(1), n(2)), QPoint(n(3), n(4)), n(5)});
            else if (f[0] == u"I")
                page.pictures.push_back({rect(), f.value(5)});
            else if (f[0] == u"T") {
                Run run{f.value(1), n(2), n(3) != 0, {}, {}};
                for (int i = 4; i < f.size(); ++i) {
                    const QStringList g = f[i].split(u' ');
                    run.glyphs.push_back(g.value(0).toUInt());
                    run.positions.push_back(QPointF(g.value(1).toDouble(), g.value(2).toDouble()));
                }
                page.runs.push_back(run);
            }
        }
        return page;
    }
};

// Draws a BarePage as plain Qt would: each font made once, each picture decoded once.
class BarePainter {
public:
    explicit BarePainter(const BarePage& page) : page_(page) {
        for (const BarePage::Picture& p : page.pictures)
            images_.push_back(QImage(p.file));
    }

    void draw(QPainter& painter) {
        for (const BarePage::Fill& f : page_.fills)
            painter.fillRect(f.rect, QColor::fromRgb(f.color));
        for (size_t i = 0; i < images_.size(); ++i)
            painter.drawImage(page_.pictures[i].rect, images_[i]);
        for (const BarePage::Line& l : page_.lines) {
            painter.setPen(QPen(Qt::black, l.width));
            painter.drawLine(l.from, l.to);
        }
        painter.setPen(Qt::black);
        for (const BarePage::Run& r : page_.runs) {
            QGlyphRun run;
            run.setRawFont(fontFor(r));
            run.setGlyphIndexes(r.glyphs);
            run.setPositions(r.positions);
            painter.drawGlyphRun(QPointF(0, 0), run);
        }
    }

private:
    const QRawFont& fontFor(const BarePage::Run& r) {
        const auto key = std::make_tuple(r.family, r.pixelSize, r.bold);
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            QFont font(r.family);
            font.setPixelSize(r.pixelSize);
            font.setBold(r.bold);
            it = fonts_.emplace(key, QRawFont::fromFont(font)).first;
        }
        return it->second;
    }

    const BarePage& page_;
    std::vector<QImage> images_;
    std::map<std::tuple<QString, int, bool>, QRawFont> fonts_;
};

} // namespace bench
