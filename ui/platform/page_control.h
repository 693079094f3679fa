#pragma once
// The page control: a tab widget whose tabs can be marked as highlighted,
// and whose change signal comes from the user only (setting the active page
// from code raises nothing).

#include <QTabBar>
#include <QTabWidget>

#include <vector>

namespace squadlens::platform {

class PageTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit PageTabBar(QWidget *parent = nullptr) : QTabBar(parent) {}

    void setHighlighted(int index, bool highlighted);
    bool isHighlighted(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<bool> m_highlighted;
};

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget *parent = nullptr);

    PageTabBar *pageTabBar() const { return m_tabBar; }

    void setActivePage(int index);
    void setTabHighlighted(int index, bool highlighted) { m_tabBar->setHighlighted(index, highlighted); }
    bool isTabHighlighted(int index) const { return m_tabBar->isHighlighted(index); }

signals:
    // The user chose another page.
    void pageChanged(int index);

private:
    PageTabBar *m_tabBar;
    bool m_setting = false;
};

} // namespace squadlens::platform
