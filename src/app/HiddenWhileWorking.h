#pragma once

#include <QWidget>

// Hides a window for a long operation and shows it again afterwards if it
// was visible before.
class HiddenWhileWorking
{
public:
    explicit HiddenWhileWorking(QWidget *w) : m_w(w), m_wasVisible(w->isVisible())
    {
        if (m_wasVisible)
            m_w->hide();
    }
    ~HiddenWhileWorking()
    {
        if (m_wasVisible)
            m_w->show();
    }
    HiddenWhileWorking(const HiddenWhileWorking &) = delete;
    HiddenWhileWorking &operator=(const HiddenWhileWorking &) = delete;

private:
    QWidget *m_w;
    bool m_wasVisible;
};
