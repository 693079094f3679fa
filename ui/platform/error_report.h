#pragma once
// The top-level error report: what a handler does not catch ends the handler
// and is shown in a modal box under the application's title, with the error
// icon; then the event loop goes on, and what the handler wrote stays.

#include <QApplication>
#include <QString>

#include <functional>
#include <string_view>

namespace squadlens::platform {

// The report's text: a full stop is appended unless the text is empty or
// ends in "." or in a byte that sorts before it.
QString withFullStop(std::string_view utf8Text);

// Shows an error's text (UTF-8) as the report does.
void reportError(std::string_view utf8Text);

// Runs a handler; an exception escaping it is reported and swallowed.
// `beforeReport` runs first, so the window shows what the handler left
// behind the box. Returns false when the handler failed.
bool runReported(const std::function<void()> &handler, const std::function<void()> &beforeReport = {});

// The application object of the window program: whatever a handler let
// through is caught where the event was delivered and reported, so the
// event loop goes on.
class ReportingApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace squadlens::platform
