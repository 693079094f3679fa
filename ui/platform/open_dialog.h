#pragma once
// An open-file dialog kept for the program's lifetime: its filter, initial
// folder, the last file chosen (the next showing starts from it) and Tag, the
// archive mark of its side. The showing goes through a replaceable function,
// so tests can answer it.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace squadlens::platform {

class OpenDialog : public QObject {
    Q_OBJECT
public:
    // Shows the dialog modally; the chosen full path, or nothing when cancelled.
    using ShowFunction = std::function<std::optional<QString>(const OpenDialog &)>;

    explicit OpenDialog(QObject *parent = nullptr);

    QString Filter;        // "Description (patterns)"
    QString InitialDir;
    QString FileName;      // the last file chosen
    int Tag = 0;

    void setShowFunction(ShowFunction show) { m_show = std::move(show); }

    // Shows the dialog; on a choice FileName becomes the chosen path.
    std::optional<QString> Execute(QWidget *parent);

private:
    std::optional<QString> showDefault(QWidget *parent) const;
    ShowFunction m_show;
};

} // namespace squadlens::platform
