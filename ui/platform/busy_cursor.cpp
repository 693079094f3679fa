#include "ui/platform/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace squadlens::platform {
namespace {

bool g_shown = false;

BusyCursor::Observer &observer()
{
    static BusyCursor::Observer function;
    return function;
}

void tell(bool shown)
{
    if (observer())
        observer()(shown);
}

} // namespace

BusyCursor::BusyCursor(bool show)
{
    if (!show || g_shown)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    g_shown = m_owner = true;
    tell(true);
}

void BusyCursor::release()
{
    if (m_owner && g_shown) {
        QGuiApplication::restoreOverrideCursor();
        g_shown = false;
        tell(false);
    }
    m_owner = false;
}

BusyCursor::Pause::Pause()
{
    if (!g_shown)
        return;
    QGuiApplication::restoreOverrideCursor();
    g_shown = false;
    m_paused = true;
    tell(false);
}

BusyCursor::Pause::~Pause()
{
    if (!m_paused || g_shown)
        return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    g_shown = true;
    tell(true);
}

bool BusyCursor::shown() { return g_shown; }

BusyCursor::Observer BusyCursor::setObserver(Observer function)
{
    std::swap(observer(), function);
    return function;
}

} // namespace squadlens::platform
