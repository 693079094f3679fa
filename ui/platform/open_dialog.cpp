#include "ui/platform/open_dialog.h"

#include <QFileDialog>

namespace squadlens::platform {

OpenDialog::OpenDialog(QObject *parent) : QObject(parent) {}

std::optional<QString> OpenDialog::Execute(QWidget *parent)
{
    std::optional<QString> chosen = m_show ? m_show(*this) : showDefault(parent);
    if (chosen)
        FileName = *chosen;
    return chosen;
}

std::optional<QString> OpenDialog::showDefault(QWidget *parent) const
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The name typed need not name an existing file: loading reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The description carries its own "(*.zip,*.dat)"; the patterns follow.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(Filter);
    if (FileName.isEmpty())
        dialog.setDirectory(InitialDir);
    else
        dialog.selectFile(FileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.front();
}

} // namespace squadlens::platform
