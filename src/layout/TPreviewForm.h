#pragma once

#include "layout/TAnchorLayout.h"
#include "layout/TDesignGesture.h"
#include "layout/TDesignObjects.h"
#include "layout/TWindowShape.h"
#include "project/TDesignView.h"
#include "window/TColor.h"
#include "window/TCursor.h"

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

class TButtonBox;
class TDesignDocument;
class TControlWrapper;
class TImageEx;
class TMenuSource;
class TPaintSurface;
class TSurface;
class TTextBox;
class TFrontBox;

// The design window: the menu window as the player shows it, and the surface on
// which the user selects, moves and resizes its objects with the mouse. It owns
// its surfaces and the heading, comment-area and menu-area objects; the
// stand-alone buttons' picture controls are placed into it from outside.
//
// Children from the bottom of the paint order to the top: BackImage,
// ThemeImage, MenuBox, CommentBox, TopLabel, the stand-alone buttons' picture
// controls, FrontBox (the transparent top layer that takes every mouse event
// and draws the selection frame).
class TPreviewForm : public QWidget, public TDesignView, private TGestureHost
{
    Q_OBJECT
    Q_PROPERTY(TColor ColorTop READ ColorTop WRITE setColorTop)
    Q_PROPERTY(TColor ColorBottom READ ColorBottom WRITE setColorBottom)
    Q_PROPERTY(bool ColorGradient READ ColorGradient WRITE setColorGradient)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(TFormBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AlphaBlend READ AlphaBlend WRITE setAlphaBlend)
    Q_PROPERTY(int AlphaBlendValue READ AlphaBlendValue WRITE setAlphaBlendValue)
    Q_PROPERTY(bool TransparentColor READ TransparentColor WRITE setTransparentColor)
    Q_PROPERTY(TColor TransparentColorValue READ TransparentColorValue WRITE setTransparentColorValue)
    Q_PROPERTY(int ClientWidth READ ClientWidth WRITE setClientWidth)
    Q_PROPERTY(int ClientHeight READ ClientHeight WRITE setClientHeight)
    Q_PROPERTY(TCursor Cursor READ Cursor WRITE setCursorId)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
public:
    enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
    Q_ENUM(TFormBorderStyle)

    static constexpr int kClientWidth = 512;
    static constexpr int kClientHeight = 316;
    static constexpr int kInitialLeft = 47;
    static constexpr int kInitialTop = 193;
    static constexpr int kHelpContext = 42;
    static constexpr int kOpaque = 255;

    explicit TPreviewForm(QWidget *parent = nullptr);
    ~TPreviewForm() override;

    // The fixed objects of the design.
    TButtonBox *MenuArea() const { return m_menuArea; }
    TTextBox *CommentArea() const { return m_commentArea; }
    TTextBox *Heading() const { return m_heading; }
    TImageEx *BackImage() const { return m_backImage; }
    TImageEx *ThemeImage() const { return m_themeImage; }
    TPaintSurface *MenuBox() const { return m_menuBox; }
    TPaintSurface *CommentBox() const { return m_commentBox; }
    TPaintSurface *TopLabel() const { return m_topLabel; }
    QWidget *FrontBox() const;

    // Places a stand-alone button's picture control above every other object
    // and below FrontBox, or, given an index into pictureControls, just below
    // the control there. The control stays owned by its button.
    void placePictureControl(TImageEx *control, qsizetype index = -1);
    // Takes a picture control out of the window (hidden, without a parent);
    // clears the selection when it held the control.
    void removePictureControl(TImageEx *control);
    // The stand-alone buttons' picture controls in the order they were placed.
    QList<TImageEx *> pictureControls() const;

    // TDesignView
    void RefreshMenu() override;
    void SetCommentText(const QString &text) override;
    void ShowPreview() override;
    void HidePreview() override;

    // Fills the menu area from the command tree whether or not the window is
    // visible (RefreshMenu does nothing while it is hidden).
    void fillMenu();

    // The selection: a window object selects its control, a control itself,
    // null nothing. The whole window repaints so that the frame moves.
    void SetSelection(QObject *object);
    QWidget *SelectedControl() const { return m_selected; }

    bool EnableSelect() const { return m_gesture.enableSelect(); }
    void setEnableSelect(bool value) { m_gesture.setEnableSelect(value); }
    bool ShowSelection() const { return m_showSelection; }
    void setShowSelection(bool value);
    bool DoubleBuffered() const { return m_doubleBuffered; }
    void setDoubleBuffered(bool value);
    TDragParts DragParts() const { return m_gesture.dragParts(); }
    // What a press at (x, y) would drag, against SelectedControl's bounds (for
    // the window itself, x and y are screen coordinates like its bounds).
    TDragParts HitTest(int x, int y) const { return m_gesture.hitTest(QPoint(x, y)); }
    QPoint LastPoint() const { return m_gesture.lastPoint(); }

    TColor ColorTop() const { return m_colorTop; }
    void setColorTop(TColor color);
    TColor ColorBottom() const { return m_colorBottom; }
    void setColorBottom(TColor color);
    bool ColorGradient() const { return m_colorGradient; }
    void setColorGradient(bool value);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    // The design window's own title, which a new project's menu window has.
    static QString DefaultCaption();
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(TFormBorderStyle style);
    bool AlphaBlend() const { return m_alphaBlend; }
    void setAlphaBlend(bool value);
    int AlphaBlendValue() const { return m_alphaBlendValue; }
    void setAlphaBlendValue(int value);
    bool TransparentColor() const { return m_transparentColor; }
    void setTransparentColor(bool value);
    TColor TransparentColorValue() const { return m_transparentColorValue; }
    void setTransparentColorValue(TColor color);
    int ClientWidth() const { return width(); }
    void setClientWidth(int value);
    int ClientHeight() const { return height(); }
    void setClientHeight(int value);
    TCursor Cursor() const { return m_cursor; }
    void setCursorId(TCursor cursor);
    int Left() const { return pos().x(); }
    void setLeft(int value);
    int Top() const { return pos().y(); }
    void setTop(int value);
    int Width() const { return frameGeometry().width(); }
    void setWidth(int value);
    int Height() const { return frameGeometry().height(); }
    void setHeight(int value);

    // Where the rest of the editor plugs in.
    void setMenuSource(const TMenuSource *source) { m_menuSource = source; }
    // The object tree's order for click-selection; null restores the window's
    // own fixed order.
    void setDesignObjects(TDesignObjects *objects);
    TDesignObjects *designObjects() const;
    // "Не выделять текст" of the window's own fixed order.
    void setNoSelectText(bool value) { m_noSelectText = value; }
    void setOnModified(std::function<void()> handler) { m_onModified = std::move(handler); }
    // The design document through which the mouse's moves and resizes write
    // the bounds, and which makes a finished one a step; without one they set
    // the bounds directly and only mark modified. The selection's frame
    // follows the document's every change.
    void setDocument(TDesignDocument *document);
    // Sets the bounds of one of the window's controls, or of the window itself
    // (screen position and outer size), as a mouse gesture does.
    void setControlBounds(QWidget *control, const QRect &bounds);
    // The object tree's caption of a control of this window ("Окно" for itself).
    QString controlCaption(const QWidget *control) const;

    // The client area exactly as the window paints it, optionally without the
    // selection frame: the same paint code as the screen.
    QImage renderClient(bool withSelectionFrame = false);

    // The part of area (the whole client area by default) that stays solid
    // under TransparentColor.
    QRegion shapeRegion(const QRect &area = QRect());

    // Paint steps, called from the paint events.
    void FormPaint(QPainter &painter, const QRect &dirty);
    void FrontBoxPaint(QPainter &painter);
    void FrontBoxMouseDown(const QPoint &pos);
    void FrontBoxMouseMove(const QPoint &pos);
    void FrontBoxMouseUp(const QPoint &pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // FrontBox covers the whole client area and takes every mouse event; one
    // sent to the window itself is handled as if FrontBox had received it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // TGestureHost
    Selection selection() const override;
    bool selectionFillsParent() const override;
    QRect selectionBounds() const override;
    void setSelectionBounds(const QRect &bounds) override;
    QPoint windowPosition() const override;
    QSize clientSize() const override;
    void clickSelect(const QPoint &clientPos) override;
    void markModified() override;
    void boundsEdited(const QRect &before, const QRect &after) override;
    void setFrontCursor(Qt::CursorShape shape) override;

    void FormCreate();
    void applyWindowKind();
    void setClientSize(const QSize &size);
    void setOuterBounds(const QRect &bounds);
    QSize frameExtra() const;
    void followAnchors(const QSize &oldSize, const QSize &newSize);
    // Lays the children out for the current client size (anchors, filling
    // controls) when it differs from the size they were laid out for; also
    // while the window is hidden, when Qt holds its resize events back.
    void layoutChildren();
    // The window's shape is brought up to date after the current event: the
    // whole of it, or only the areas that were repainted.
    void scheduleShapeUpdate();
    void markShapeDirty(const QRect &area);
    void updateShape();
    // The pixels of the selection frame, which the shape always keeps.
    QRegion selectionFrameRegion() const;

    class FixedOrder;

    TImageEx *m_backImage = nullptr;
    TImageEx *m_themeImage = nullptr;
    TPaintSurface *m_menuBox = nullptr;
    TPaintSurface *m_commentBox = nullptr;
    TPaintSurface *m_topLabel = nullptr;
    TFrontBox *m_frontBox = nullptr;
    TButtonBox *m_menuArea = nullptr;
    TTextBox *m_commentArea = nullptr;
    TTextBox *m_heading = nullptr;
    QList<QPointer<TImageEx>> m_pictureControls;

    QPointer<QWidget> m_selected;
    TDesignGesture m_gesture{*this};
    bool m_showSelection = true;
    bool m_doubleBuffered = true;
    bool m_noSelectText = false;
    bool m_renderingWithoutFrame = false;

    TColor m_colorTop = TColor::clBlue;
    TColor m_colorBottom = TColor::clBlack;
    bool m_colorGradient = true;
    TFormBorderStyle m_borderStyle = bsSizeable;
    bool m_alphaBlend = false;
    int m_alphaBlendValue = kOpaque;
    bool m_transparentColor = false;
    TColor m_transparentColorValue = TColor::clBlack;
    TCursor m_cursor;

    const TMenuSource *m_menuSource = nullptr;
    std::unique_ptr<FixedOrder> m_fixedOrder;
    TDesignObjects *m_designObjects = nullptr;
    std::function<void()> m_onModified;
    TDesignDocument *m_document = nullptr;

    QSize m_laidOutSize;
    TAnchorOrigins m_anchorOrigins;
    TIncrementalMask m_mask;
};
