#pragma once
// What the report benchmarks share: the Qt application, and the floor of a
// printed report: its own drawings, recorded once, drawn with QPainter
// straight onto a QPdfWriter.
#include "platform/forms/testing/RecordingPrinter.h"
#include "platform/qt/Convert.h"
#include "platform/qt/QtBackend.h"
#include "qtApplication.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <vector>

namespace benchsupport {


using forms::doubles::Drawing;

// The drawings of one print, recorded.
inline std::vector<Drawing> recorded(const std::function<void()>& print) {
    forms::doubles::RecordingPrinter rec;
    print();
    return rec.drawings;
}

// The same drawings with QPainter alone: fonts, pens and positions as the
// print service makes them, with nothing in between.
inline void drawFloor(const std::vector<Drawing>& drawings, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Point));
    QPainter p(&writer);
    const double k = 600.0 / 1440.0;
    bool first = true;
    for (const Drawing& d : drawings) {
        switch (d.kind) {
        case Drawing::Kind::StartPage:
            if (!first) writer.newPage();
            first = false;
            break;
        case Drawing::Kind::Text: {
            if (d.text.empty()) break;
            QFont f(qtui::substituteFamily(d.font.Name));
            f.setPointSizeF(d.font.Size);
            f.setBold(d.font.Bold);
            f.setHintingPreference(QFont::PreferNoHinting);
            p.setFont(f);
            p.setPen(Qt::black);
            p.drawText(QPointF(d.x * k, d.y * k + p.fontMetrics().ascent()), qtui::qs(d.text));
            break;
        }
        case Drawing::Kind::Line:
            p.setPen(QPen(Qt::black, d.pen.width));
            p.drawLine(QPointF(d.x * k, d.y * k), QPointF(d.x2 * k, d.y2 * k));
            break;
        default:
            break;
        }
    }
}

} // namespace benchsupport
