#pragma once
// Labels with a caption and a font colour, transparent over their parent;
// the link labels also report a click.

#include "core/paint_rules.h"

#include <QLabel>

namespace squadlens::platform {

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString &caption = {}, QWidget *parent = nullptr);

    void setFontColour(const QColor &colour);
    void setFontColour(Rgb colour);
    QColor fontColour() const;
};

class LinkLabel : public Label {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &caption = {}, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace squadlens::platform
