#include "ui/platform/file_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace squadlens::platform {

FileDrop::FileDrop(QWidget *widget, QStringList suffixes, Target target)
    : QObject(widget), m_suffixes(std::move(suffixes)), m_target(std::move(target))
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

QString FileDrop::acceptedFile(const QMimeData *data) const
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    if (QFileInfo(path).isDir())
        return {};
    for (const QString &suffix : m_suffixes)
        if (path.endsWith(suffix, Qt::CaseInsensitive))
            return path;
    return {};
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!acceptedFile(drag->mimeData()).isEmpty() && m_target(drag->position().toPoint()) >= 0)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = acceptedFile(drop->mimeData());
        const int target = m_target(drop->position().toPoint());
        if (path.isEmpty() || target < 0) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The file manager waits for the drop to end: the work comes after.
        QMetaObject::invokeMethod(
            this, [this, target, path] { emit dropped(target, path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace squadlens::platform
