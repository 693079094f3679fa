#include "ui/platform/error_report.h"

#include "core/error.h"
#include "core/texts.h"
#include "ui/platform/system.h"

#include <exception>
#include <string>

namespace squadlens::platform {

QString withFullStop(std::string_view utf8Text)
{
    QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    if (!utf8Text.empty() && static_cast<unsigned char>(utf8Text.back()) > static_cast<unsigned char>('.'))
        text += QLatin1Char('.');
    return text;
}

void reportError(std::string_view utf8Text)
{
    messageBox(withFullStop(utf8Text), QString::fromUtf8(texts::kApplicationTitle), BoxIcon::Error);
}

bool runReported(const std::function<void()> &handler, const std::function<void()> &beforeReport)
{
    std::string text;
    try {
        handler();
        return true;
    } catch (const Error &e) {
        text = e.what();
    } catch (const std::exception &e) {
        text = e.what();
    } catch (...) {
        // An error that carries no text is shown with an empty one.
    }
    if (beforeReport)
        beforeReport();
    reportError(text);
    return false;
}

bool ReportingApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    runReported([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace squadlens::platform
