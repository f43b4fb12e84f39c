#include "qt_window/caption_fit.h"

#include <QFontMetrics>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>

#include <algorithm>

#include "presenter/layout_plan.h"

namespace combicalc {

namespace {

// Line breaks at spaces wherever a line would be wider than `width`. A single word is
// never broken.
QString wrap(const QString& caption, const QFontMetrics& metrics, int width) {
    QString wrapped;
    QString line;
    for (const QString& word : caption.split(' ')) {
        const QString longer = line.isEmpty() ? word : line + ' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            wrapped += line + '\n';
            line = word;
        } else {
            line = longer;
        }
    }
    return wrapped + line;
}

// The width an option button leaves for its caption beside the round indicator.
int captionWidth(const QRadioButton& option) {
    const QStyle* style = option.style();
    return option.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &option) -
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &option);
}

void setCaption(QRadioButton& option, const QString& caption, const QFont& font) {
    option.setFont(font);
    option.setText(wrap(caption, option.fontMetrics(), captionWidth(option)));
}

bool fits(const QRadioButton& option) {
    const QSize needed = option.sizeHint();
    return needed.width() <= option.width() && needed.height() <= option.height();
}

}  // namespace

void fitCaptions(const std::vector<std::pair<QRadioButton*, QString>>& captions) {
    if (captions.empty()) return;
    QFont font = captions.front().first->font();
    fittedCaptionPoints(font.pointSizeF(), [&](double points) {
        // Every option gets the font before any is measured, so they always share it.
        if (points != font.pointSizeF()) font.setPointSizeF(points);
        for (const auto& [option, caption] : captions) setCaption(*option, caption, font);
        return std::all_of(captions.begin(), captions.end(), [](const auto& entry) { return fits(*entry.first); });
    });
}

}  // namespace combicalc
