#include "ui/platform/page_control.h"

#include <QPainter>

namespace squadlens::platform {
namespace {

// The highlighted tab: navy text on a light blue wash.
constexpr QColor kHighlightText(0, 0, 128);
constexpr QColor kHighlightWash(0, 120, 215, 56);

} // namespace

void PageTabBar::setHighlighted(int index, bool highlighted)
{
    if (index < 0)
        return;
    if (static_cast<std::size_t>(index) >= m_highlighted.size())
        m_highlighted.resize(static_cast<std::size_t>(index) + 1, false);
    m_highlighted[static_cast<std::size_t>(index)] = highlighted;
    setTabTextColor(index, highlighted ? kHighlightText : QColor());
    update();
}

bool PageTabBar::isHighlighted(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_highlighted.size() &&
           m_highlighted[static_cast<std::size_t>(index)];
}

void PageTabBar::paintEvent(QPaintEvent *event)
{
    QTabBar::paintEvent(event);
    QPainter painter(this);
    for (int i = 0; i < count(); ++i)
        if (isHighlighted(i) && isTabVisible(i))
            painter.fillRect(tabRect(i).adjusted(2, 2, -2, -2), kHighlightWash);
}

PageControl::PageControl(QWidget *parent) : QTabWidget(parent), m_tabBar(new PageTabBar(this))
{
    setTabBar(m_tabBar);
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_setting)
            emit pageChanged(index);
    });
}

void PageControl::setActivePage(int index)
{
    m_setting = true;
    setCurrentIndex(index);
    m_setting = false;
}

} // namespace squadlens::platform
