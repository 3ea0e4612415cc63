#include "window/TPictureSet.h"

TPictureSet::TPictureSet(QObject *parent)
    : QObject(parent), m_default(new TPicture(this)), m_selected(new TPicture(this)),
      m_pressed(new TPicture(this))
{
    for (TPicture *picture : {m_default, m_selected, m_pressed})
        picture->setOnChange([this](TPicture *changed) { pictureChanged(changed); });
}

void TPictureSet::pictureChanged(TPicture *picture)
{
    if (m_onChange)
        m_onChange(picture);
}

TPicture *TPictureSet::ForState(TButtonState state) const
{
    switch (state) {
    case bsSelected:
        return m_selected->isEmpty() ? m_default : m_selected;
    case bsPressed:
        return m_pressed->isEmpty() ? m_default : m_pressed;
    case bsDefault:
    default:
        return m_default;
    }
}
