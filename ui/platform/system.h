#pragma once
// What the window asks of the desktop: message boxes and opening a web
// address. Both go through replaceable functions, so tests answer them
// instead of a person (a real message box would block a test).

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace squadlens::platform {

enum class BoxIcon { Error, Information };

// Modal, one OK button; the result is never used.
using MessageBoxFunction = std::function<void(const QString &text, const QString &title, BoxIcon icon)>;
void messageBox(const QString &text, const QString &title, BoxIcon icon);
// Replaces the message box; an empty function brings back QMessageBox.
// Returns the function it replaced.
MessageBoxFunction setMessageBoxFunction(MessageBoxFunction function);

// Opens an address with the system's handler; the result is ignored.
using UrlOpener = std::function<void(const QUrl &url)>;
void openUrl(const QUrl &url);
UrlOpener setUrlOpener(UrlOpener opener);

// Runs `work` once, as soon as `widget` has painted for the first time.
void afterFirstPaint(QWidget *widget, std::function<void()> work);

} // namespace squadlens::platform
