#include "ui/platform/system.h"

#include <QApplication>
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

} // namespace squadlens::platform
