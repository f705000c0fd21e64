#include "qt/fitted_text.h"

#include "app/window_fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace tarvola {

namespace {

// QLineEdit keeps this many pixels of its own between its frame and its text, each side.
constexpr int kLineEditHorizontalMargin = 2;
constexpr int kLineEditVerticalMargin = 1;

// Whether the text's ink, drawn on a baseline this far down a box that tall, stays inside it.
bool InkInside(const QFontMetrics& metrics, const QString& text, int baseline, int height)
{
    const QRect ink = metrics.tightBoundingRect(text);
    return baseline + ink.top() >= 0 && baseline + ink.bottom() < height;
}

// Where a line of text sits in a box that tall, aligned as given.
int Baseline(const QFontMetrics& metrics, Qt::Alignment alignment, int height)
{
    if (alignment & Qt::AlignTop)
        return metrics.ascent();
    if (alignment & Qt::AlignBottom)
        return height - metrics.descent();
    return (height - metrics.height()) / 2 + metrics.ascent();
}

bool LabelFits(const QLabel& label)
{
    const QFontMetrics metrics = label.fontMetrics();
    const int height = label.contentsRect().height();
    return label.sizeHint().width() <= label.width()
        && InkInside(metrics, label.text(), Baseline(metrics, label.alignment(), height), height);
}

// The room for text inside the field: its rectangle less the frame, margins and caret.
QSize TextRoom(const QLineEdit& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    const QMargins margins = field.textMargins();
    const int width = field.width() - 2 * option.lineWidth - 2 * kLineEditHorizontalMargin - margins.left()
        - margins.right() - 1;
    const int height = field.height() - 2 * option.lineWidth - 2 * kLineEditVerticalMargin - margins.top()
        - margins.bottom();
    return {width, height};
}

} // namespace

void FitLabel(QLabel& label)
{
    if (LabelFits(label))
        return;
    if (const QWidget* parent = label.parentWidget()) {
        const int room = std::max(label.width(), parent->width() - label.x());
        label.resize(std::min(room, std::max(label.width(), label.sizeHint().width())), label.height());
    }
    QFont font = label.font();
    while (!LabelFits(label) && font.pointSizeF() - kFitStepPoints >= kSmallestFittedPoints) {
        font.setPointSizeF(font.pointSizeF() - kFitStepPoints);
        label.setFont(font);
    }
}

void FitField(QLineEdit& field, const QString& sample)
{
    QFont font = field.font();
    const auto fits = [&] {
        const QSize room = TextRoom(field);
        const QFontMetrics metrics = field.fontMetrics();
        return metrics.horizontalAdvance(sample) <= room.width()
            && InkInside(metrics, sample, Baseline(metrics, Qt::AlignVCenter, room.height()), room.height());
    };
    while (!fits() && font.pointSizeF() - kFitStepPoints >= kSmallestFittedPoints) {
        font.setPointSizeF(font.pointSizeF() - kFitStepPoints);
        field.setFont(font);
    }
}

} // namespace tarvola
