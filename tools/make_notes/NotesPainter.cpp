#include "NotesPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr int kMargin = 12;  // around the text, in pixels
constexpr int kGutter = 24;  // between two columns, a rule in its middle
constexpr double kScriptScale = 0.7;
constexpr double kFractionScale = 0.9;
constexpr double kFractionGap = 2;  // between the bar and its numerator or denominator

struct Extent {
    double width = 0;
    double ascent = 0;   // above the baseline
    double descent = 0;  // below the baseline
};

// Measures runs, and paints them when it has a painter; one function for both so
// that what is measured is what is painted.
class Typesetter {
public:
    Typesetter(const NotesFonts& fonts, QPainter* painter) : m_fonts(fonts), m_painter(painter) {}

    Extent Set(const std::vector<MathRun>& runs, double pixels, bool bold, QPointF baseline) const
    {
        Extent total;
        for (const MathRun& run : runs) {
            const Extent e = SetRun(run, pixels, bold, baseline + QPointF(total.width, 0));
            total.width += e.width;
            total.ascent = std::max(total.ascent, e.ascent);
            total.descent = std::max(total.descent, e.descent);
        }
        return total;
    }

private:
    Extent SetRun(const MathRun& run, double pixels, bool bold, QPointF baseline) const
    {
        switch (run.kind) {
        case MathRun::Kind::Text:
            return SetText(run.text, pixels, bold, baseline);
        case MathRun::Kind::Superscript:
        case MathRun::Kind::Subscript:
            return SetScript(run, pixels, bold, baseline);
        case MathRun::Kind::Fraction:
            return SetFraction(run, pixels, bold, baseline);
        }
        return {};
    }

    // Latin letters, digits and the signs of formulas in the Latin face, the rest
    // (Chinese, full-width punctuation, Chinese quotes) in the Chinese face.
    static bool IsLatin(QChar c)
    {
        return c.unicode() < 0x2000 || c == u'−' || c == u'…';
    }

    Extent SetText(const QString& text, double pixels, bool bold, QPointF baseline) const
    {
        Extent total;
        for (qsizetype start = 0, end = 0; start < text.size(); start = end) {
            const bool latin = IsLatin(text[start]);
            while (end < text.size() && IsLatin(text[end]) == latin)
                ++end;
            QFont font(latin ? m_fonts.latin : m_fonts.chinese);
            font.setPixelSize(static_cast<int>(std::lround(pixels)));
            font.setBold(bold);
            font.setStyleStrategy(QFont::NoAntialias);
            const QFontMetricsF metrics(font);
            const QString segment = text.mid(start, end - start);
            if (m_painter) {
                m_painter->setFont(font);
                m_painter->drawText(
                    QPointF(std::round(baseline.x() + total.width), std::round(baseline.y())), segment);
            }
            total.width += metrics.horizontalAdvance(segment);
            total.ascent = std::max(total.ascent, metrics.ascent());
            total.descent = std::max(total.descent, metrics.descent());
        }
        return total;
    }

    Extent SetScript(const MathRun& run, double pixels, bool bold, QPointF baseline) const
    {
        const double shift = run.kind == MathRun::Kind::Superscript ? -0.4 * pixels : 0.2 * pixels;
        const Extent e = Set(run.first, kScriptScale * pixels, bold, baseline + QPointF(1, shift));
        return {e.width + 2, std::max(0.0, e.ascent - shift), std::max(0.0, e.descent + shift)};
    }

    // The bar sits on the maths axis, about the height of a minus sign.
    Extent SetFraction(const MathRun& run, double pixels, bool bold, QPointF baseline) const
    {
        const double size = kFractionScale * pixels;
        const Typesetter measure(m_fonts, nullptr);
        const Extent num = measure.Set(run.first, size, bold, {});
        const Extent den = measure.Set(run.second, size, bold, {});
        const double width = std::max(num.width, den.width) + 6;
        const double axis = std::round(0.3 * pixels);
        const double bar = baseline.y() - axis;
        if (m_painter) {
            Set(run.first, size, bold,
                {baseline.x() + (width - num.width) / 2, bar - kFractionGap - num.descent});
            Set(run.second, size, bold,
                {baseline.x() + (width - den.width) / 2, bar + 1 + kFractionGap + den.ascent});
            m_painter->fillRect(QRectF(std::round(baseline.x() + 2), bar, std::round(width - 4), 1),
                                m_painter->pen().color());
        }
        return {width, axis + kFractionGap + num.ascent + num.descent,
                1 + kFractionGap + den.ascent + den.descent - axis};
    }

    NotesFonts m_fonts;
    QPainter* m_painter;
};

struct LineBox {
    const NotesLine* line;
    double pixels;
    bool bold;
    Extent extent;
    double height;
};

struct BandBox {
    std::vector<std::vector<LineBox>> columns;
    double height = 0;  // of its tallest column
};

std::vector<LineBox> Measure(const NotesPage& page, const NotesColumn& column, const Typesetter& measure)
{
    std::vector<LineBox> boxes;
    for (const NotesLine& line : column) {
        const bool heading = line.style == NotesLine::Style::Heading;
        const double pixels = heading ? page.fontPixels + 1 : page.fontPixels;
        if (line.style == NotesLine::Style::Space) {
            boxes.push_back({&line, pixels, false, {}, std::round(0.5 * pixels)});
            continue;
        }
        // Lines of plain text keep one pitch; only scripts and fractions widen it.
        const Extent plain = measure.Set({{MathRun::Kind::Text, "中", {}, {}}}, pixels, heading, {});
        Extent e = measure.Set(line.runs, pixels, heading, {});
        e.ascent = std::max(e.ascent, plain.ascent);
        e.descent = std::max(e.descent, plain.descent);
        boxes.push_back({&line, pixels, heading, e, std::ceil(e.ascent + e.descent + 0.3 * pixels)});
    }
    return boxes;
}

void PaintColumn(const Typesetter& paint, const std::vector<LineBox>& boxes, double left, double top,
                 double width)
{
    double y = top;
    for (const LineBox& box : boxes) {
        if (box.extent.width > width) {
            throw std::runtime_error("line " + std::to_string(box.line->sourceLine) + " is " +
                                     std::to_string(std::lround(box.extent.width)) +
                                     " pixels wide, its column holds " +
                                     std::to_string(std::lround(width)));
        }
        const bool centred = box.line->style != NotesLine::Style::Left;
        const double x = centred ? left + (width - box.extent.width) / 2 : left;
        paint.Set(box.line->runs, box.pixels, box.bold, {x, y + box.extent.ascent});
        y += box.height;
    }
}

} // namespace

QImage PaintNotesPage(const NotesPage& page, const NotesFonts& fonts)
{
    const Typesetter measure(fonts, nullptr);
    std::vector<BandBox> bands;
    double total = 0;
    for (const NotesBand& band : page.bands) {
        BandBox& box = bands.emplace_back();
        for (const NotesColumn& column : band) {
            box.columns.push_back(Measure(page, column, measure));
            double height = 0;
            for (const LineBox& line : box.columns.back())
                height += line.height;
            box.height = std::max(box.height, height);
        }
        total += box.height;
    }
    if (total > page.height - 2 * kMargin) {
        throw std::runtime_error("the text is " + std::to_string(std::lround(total)) +
                                 " pixels tall, the page holds " +
                                 std::to_string(page.height - 2 * kMargin));
    }

    QImage image(page.width, page.height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    const Typesetter paint(fonts, &painter);
    double top = std::round((page.height - total) / 2);
    for (const BandBox& band : bands) {
        const int count = static_cast<int>(band.columns.size());
        const double width = (page.width - 2 * kMargin - (count - 1) * kGutter) / double(count);
        for (int c = 0; c < count; ++c) {
            const double left = kMargin + c * (width + kGutter);
            PaintColumn(paint, band.columns[c], left, top, width);
            if (c > 0)
                painter.fillRect(QRectF(std::round(left - kGutter / 2.0), top, 1, band.height), Qt::white);
        }
        top += band.height;
    }
    return image;
}
