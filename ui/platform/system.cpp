#include "ui/platform/system.h"

#include "ui/platform/busy_cursor.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QDesktopServices>
#include <QMessageBox>

namespace squadlens::platform {
namespace {

MessageBoxFunction &boxFunction()
{
    static MessageBoxFunction function;
    return function;
}

UrlOpener &urlOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

void messageBox(const QString &text, const QString &title, BoxIcon icon)
{
    const BusyCursor::Pause arrow; // a box shows the arrow
    if (const MessageBoxFunction &replaced = boxFunction()) {
        replaced(text, title, icon);
        return;
    }
    QMessageBox box(icon == BoxIcon::Error ? QMessageBox::Critical : QMessageBox::Information, title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function)
{
    return std::exchange(boxFunction(), std::move(function));
}

void openUrl(const QUrl &url)
{
    if (const UrlOpener &replaced = urlOpener()) {
        replaced(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

UrlOpener setUrlOpener(UrlOpener opener) { return std::exchange(urlOpener(), std::move(opener)); }

namespace {

// Watches one widget for its first paint, then runs its work once, after
// the painting, and goes.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget *widget, std::function<void()> work)
        : QObject(widget), m_work(std::move(work))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_work;
    bool m_done = false;
};

} // namespace

void afterFirstPaint(QWidget *widget, std::function<void()> work)
{
    new FirstPaintWatcher(widget, std::move(work));
}

} // namespace squadlens::platform
