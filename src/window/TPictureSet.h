#pragma once

#include "base/TPicture.h"

#include <QObject>
#include <functional>

// The three pictures of a button: normal, selected and pressed. Skinned menu
// buttons and picture buttons draw the picture of their state.
class TPictureSet : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TPicture *Default READ Default CONSTANT)
    Q_PROPERTY(TPicture *Selected READ Selected CONSTANT)
    Q_PROPERTY(TPicture *Pressed READ Pressed CONSTANT)
public:
    enum TButtonState { bsDefault, bsSelected, bsPressed };
    Q_ENUM(TButtonState)

    using ChangeHandler = std::function<void(TPicture *)>;

    explicit TPictureSet(QObject *parent = nullptr);

    TPicture *Default() const { return m_default; }
    TPicture *Selected() const { return m_selected; }
    TPicture *Pressed() const { return m_pressed; }

    // The state's own picture, or Default when the Selected or Pressed picture
    // is empty. Asking changes none of the pictures.
    TPicture *ForState(TButtonState state) const;

    // Called, with the changed picture, whenever any of the three changes.
    void setOnChange(ChangeHandler handler) { m_onChange = std::move(handler); }

private:
    void pictureChanged(TPicture *picture);

    TPicture *m_default;
    TPicture *m_selected;
    TPicture *m_pressed;
    ChangeHandler m_onChange;
};
