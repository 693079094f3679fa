#pragma once
// Files dropped on a widget from a file manager: one local file whose name
// ends in one of the given suffixes (in any letter case, as a file dialog
// shows them). Anything else is refused as soon as it is dragged over the
// widget, so the cursor says so before the drop.

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

namespace squadlens::platform {

class FileDrop : public QObject {
    Q_OBJECT
public:
    // Where a drop at a point of the widget goes: a target number, or -1
    // for none there.
    using Target = std::function<int(QPoint)>;
    FileDrop(QWidget *widget, QStringList suffixes, Target target);

    // The local file `data` carries when it is one this takes; else empty.
    QString acceptedFile(const QMimeData *data) const;

signals:
    // Comes from the event loop once the drop itself has ended.
    void dropped(int target, const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStringList m_suffixes;
    Target m_target;
};

} // namespace squadlens::platform
