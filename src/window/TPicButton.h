#pragma once

#include "window/TControlWrapper.h"
#include "window/TImageEx.h"
#include "window/TPictureSet.h"
#include "window/TTextMeasure.h"

#include <QPointer>
#include <memory>

// A stand-alone picture button of the menu window: shows the picture of its
// current State in its picture control and draws its caption over it. What it
// does in the player is Action (with ItemID for baExecute); the editor only
// stores it.
//
// The design document creates the picture control and the button together
// and frees both together; the button never frees its control.
class TPicButton : public TControlWrapper
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Proportional READ Proportional WRITE setProportional)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(TPictureSet *Pictures READ Pictures CONSTANT)
    Q_PROPERTY(TPictureSet::TButtonState State READ State WRITE setState)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TButtonAction Action READ Action WRITE setAction)
    Q_PROPERTY(int ItemID READ ItemID WRITE setItemID)
    Q_PROPERTY(TFont *Font READ Font WRITE setFont)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE setShadowColor)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE setShadowSize)
    Q_PROPERTY(TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int PadVertical READ PadVertical WRITE setPadVertical)
    Q_PROPERTY(int PadHorizontal READ PadHorizontal WRITE setPadHorizontal)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE setShowCaption)
    Q_PROPERTY(TColor ColorSelected READ ColorSelected WRITE setColorSelected)
    Q_PROPERTY(TColor ColorNormal READ ColorNormal WRITE setColorNormal STORED false)
public:
    enum TButtonAction { baExit, baMinimize, baBrowse, baExecute, baHelp, baLevelUp };
    Q_ENUM(TButtonAction)

    // Creates the button over its picture control: hooks the caption drawing,
    // takes the control's picture as Default, Action baExecute, AutoSize on.
    TPicButton(TImageEx *image, const QString &caption, QObject *parent = nullptr);
    ~TPicButton() override;

    TImageEx *Image() const { return m_image; }

    bool AutoSize() const { return m_image->AutoSize(); }
    void setAutoSize(bool autoSize) { m_image->setAutoSize(autoSize); }
    bool Stretch() const { return m_image->Stretch(); }
    void setStretch(bool stretch) { m_image->setStretch(stretch); }
    bool Proportional() const { return m_image->Proportional(); }
    void setProportional(bool proportional) { m_image->setProportional(proportional); }
    bool Center() const { return m_image->Center(); }
    void setCenter(bool center) { m_image->setCenter(center); }
    bool Transparent() const { return m_image->Transparent(); }
    void setTransparent(bool transparent) { m_image->setTransparent(transparent); }

    TPictureSet *Pictures() const { return m_pictures; }
    TPictureSet::TButtonState State() const { return m_state; }
    void setState(TPictureSet::TButtonState state);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    TButtonAction Action() const { return m_action; }
    void setAction(TButtonAction action) { m_action = action; }
    int ItemID() const { return m_itemId; }
    void setItemID(int id) { m_itemId = id; }
    TFont *Font() const { return m_image->Font(); }
    void setFont(TFont *font);
    bool Shadow() const { return m_shadow; }
    void setShadow(bool shadow);
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor color);
    int ShadowSize() const { return m_shadowSize; }
    void setShadowSize(int size);
    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    int PadVertical() const { return m_padVertical; }
    void setPadVertical(int pad);
    int PadHorizontal() const { return m_padHorizontal; }
    void setPadHorizontal(int pad);
    bool ShowCaption() const { return m_showCaption; }
    void setShowCaption(bool show);
    TColor ColorSelected() const { return m_colorSelected; }
    void setColorSelected(TColor color);
    TColor ColorNormal() const { return Font()->Color(); }
    void setColorNormal(TColor color);

    void setTextMeasure(std::shared_ptr<const TTextMeasure> measure);

    // The control shows the picture of the current state.
    void PicturesChanged();
    // Draws the caption over the picture just painted (the control's OnAfterPaint).
    void DrawCaption(QPainter &painter);
    // Where DrawCaption puts the caption's text cell, shadow included in the size.
    QRect CaptionRect() const;

private:
    QPointer<TImageEx> m_image;
    TPictureSet *m_pictures;
    TPictureSet::TButtonState m_state = TPictureSet::bsDefault;
    QString m_caption;
    TButtonAction m_action = baExecute;
    int m_itemId = 0;
    bool m_shadow = false;
    TColor m_shadowColor = TColor::clBlack;
    int m_shadowSize = 0;
    TAlignment m_alignment = taLeftJustify;
    int m_padVertical = 0;
    int m_padHorizontal = 0;
    bool m_showCaption = false;
    TColor m_colorSelected = TColor::clNone;
    std::shared_ptr<const TTextMeasure> m_measure;
};
