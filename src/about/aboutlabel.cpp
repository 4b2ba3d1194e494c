#include "about/aboutlabel.h"

#include "platform/core/linebreaks.h"

#include <QPainter>

namespace {

// No mnemonic flag, so "&" stays an ordinary character.
constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

// Qt draws "\r" as a space; here it breaks the line.
AboutLabel::AboutLabel(const QString &text, QWidget *parent)
    : QWidget(parent), shown_(withLineBreaks(text, u"\n")), text_(text)
{
}

int AboutLabel::heightForWidth(int width) const
{
    if (text_.isEmpty())
        return 0;
    return fontMetrics().boundingRect(QRect(0, 0, width, 1 << 20), textFlags, shown_).height() + 2;
}

void AboutLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (sunken_) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(rect().translated(1, 1), textFlags, shown_);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), textFlags, shown_);
}
