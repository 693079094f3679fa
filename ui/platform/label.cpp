#include "ui/platform/label.h"

#include "ui/platform/colours.h"

#include <QMouseEvent>

namespace squadlens::platform {

Label::Label(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
}

void Label::setFontColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void Label::setFontColour(Rgb colour) { setFontColour(toQColor(colour)); }

QColor Label::fontColour() const { return palette().color(QPalette::WindowText); }

LinkLabel::LinkLabel(const QString &caption, QWidget *parent) : Label(caption, parent) {}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    Label::mouseReleaseEvent(event);
}

} // namespace squadlens::platform
