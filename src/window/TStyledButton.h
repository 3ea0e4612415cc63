#pragma once

#include "window/TColor.h"
#include "window/TControlWrapper.h"
#include "window/TFont.h"
#include "window/TPictureSet.h"

#include <QObject>
#include <QSize>

class QPainter;
class TButtonBox;

// The look of every button of the menu area: text only, a raised system-style
// button, or a button skinned with pictures. Owned by the menu area; its font,
// shadow and colour properties are views onto the menu area's.
class TStyledButton : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TButtonStyles Style READ Style WRITE setStyle)
    Q_PROPERTY(TPictureSet *Pictures READ Pictures CONSTANT)
    Q_PROPERTY(TColor Color READ Color WRITE setColor)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(TControlWrapper::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int PadVertical READ PadVertical WRITE setPadVertical)
    Q_PROPERTY(int PadHorizontal READ PadHorizontal WRITE setPadHorizontal)
    Q_PROPERTY(TColor ColorSelected READ ColorSelected WRITE setColorSelected STORED false)
    Q_PROPERTY(TColor ColorNormal READ ColorNormal WRITE setColorNormal STORED false)
    Q_PROPERTY(TFont *Font READ Font WRITE setFont STORED false)
    Q_PROPERTY(bool Shadow READ Shadow WRITE setShadow STORED false)
    Q_PROPERTY(TColor ShadowColor READ ShadowColor WRITE setShadowColor STORED false)
    Q_PROPERTY(int ShadowSize READ ShadowSize WRITE setShadowSize STORED false)
public:
    enum TButtonStyles { bssText, bssButton, bssSkinned };
    Q_ENUM(TButtonStyles)

    static constexpr int kDefaultWidth = 200;
    static constexpr int kDefaultHeight = 25;
    static inline const QString kEllipsis = QStringLiteral("...");

    explicit TStyledButton(TButtonBox *box);

    TButtonBox *Box() const { return m_box; }

    TButtonStyles Style() const { return m_style; }
    void setStyle(TButtonStyles style);
    TPictureSet *Pictures() const { return m_pictures; }
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    int Width() const { return m_width; }
    void setWidth(int width);
    int Height() const { return m_height; }
    void setHeight(int height);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    TControlWrapper::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TControlWrapper::TAlignment alignment);
    int PadVertical() const { return m_padVertical; }
    void setPadVertical(int pad);
    int PadHorizontal() const { return m_padHorizontal; }
    void setPadHorizontal(int pad);

    // Views onto the menu area.
    TColor ColorSelected() const;
    void setColorSelected(TColor color);
    TColor ColorNormal() const;
    void setColorNormal(TColor color);
    TFont *Font() const;
    void setFont(TFont *font);
    bool Shadow() const;
    void setShadow(bool shadow);
    TColor ShadowColor() const;
    void setShadowColor(TColor color);
    int ShadowSize() const;
    void setShadowSize(int size);

    // Size of a button holding the text, clipped to the menu area's column
    // width. The state is not used.
    virtual QSize GetSize(const QString &text, TPictureSet::TButtonState state = TPictureSet::bsDefault);
    // Draws one button with its top-left corner at (x, y). No canvas, no drawing.
    // A pressed button (only while a visitor holds the mouse on it) shows the
    // pressed picture, or a sunken bevel.
    void DrawButton(QPainter *canvas, int x, int y, bool selected, const QString &text, bool pressed = false);
    // The text a button of width buttonWidth shows: the text itself, or its
    // longest beginning followed by "..." that fits (just "..." when none does).
    QString ShortenedText(const QString &text, int buttonWidth, int *drawnWidth = nullptr) const;

private:
    TButtonBox *m_box;
    TPictureSet *m_pictures;
    TButtonStyles m_style = bssText;
    TColor m_color = TColor::clNone;
    int m_width = kDefaultWidth;
    int m_height = kDefaultHeight;
    bool m_autoSize = true;
    TControlWrapper::TAlignment m_alignment = TControlWrapper::taLeftJustify;
    int m_padVertical = 0;
    int m_padHorizontal = 0;
};
