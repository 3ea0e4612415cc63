#include "layout/TPreviewForm.h"

#include "kit/WindowAccessibility.h"
#include "layout/TClickPick.h"
#include "layout/TDesignPaint.h"
#include "layout/TMenuContents.h"
#include "layout/TAnchorLayout.h"
#include "layout/TWindowShape.h"
#include "project/TMenuSource.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/PixelMath.h"
#include "window/TPaintSurface.h"
#include "window/TTextBox.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

namespace {

// The window's caption and heading are design properties the project file keeps:
// never translated.
const char *const kCaption = "Предварительный просмотр";
const char *const kHeadingText = "Автозапуск";
const char *const kThemePicture = ":/pictures/theme.bmp";
const char *const kFormFontName = "MS Sans Serif";
constexpr int kFormFontPixels = 11;

struct SurfaceSetup
{
    QRect bounds;
    TSurface::TAnchors anchors;
    const char *font;
    int height;
    qint32 color;
    TFont::TFontStyles style;
};

const SurfaceSetup kMenuBox{QRect(228, 40, 277, 201),
                           TSurface::akLeft | TSurface::akTop | TSurface::akRight | TSurface::akBottom,
                           "Times New Roman", -19, TColor::clYellow, {}};
const SurfaceSetup kCommentBox{QRect(12, 248, 287, 64), TSurface::akLeft | TSurface::akRight | TSurface::akBottom,
                              "Arial", -16, TColor::clWhite, {}};
const SurfaceSetup kTopLabel{QRect(12, 4, 493, 33), TSurface::akLeft | TSurface::akTop | TSurface::akRight,
                            "Times New Roman", -24, TColor::clWhite, TFont::fsItalic};
const QRect kThemeBounds(12, 40, 200, 200);

void applySetup(TPaintSurface *surface, const SurfaceSetup &setup)
{
    surface->setGeometry(setup.bounds);
    surface->setAnchors(setup.anchors);
    TFont *font = surface->Font();
    TFont wanted;
    wanted.setName(QString::fromLatin1(setup.font));
    wanted.setHeight(setup.height);
    wanted.setColor(setup.color);
    wanted.setStyle(setup.style);
    wanted.setCharset(TFont::kCyrillicCharset);
    font->assign(wanted);
}

// A command tree with no nodes: the menu shows its placeholders.
struct EmptyMenuSource : TMenuSource
{
    bool isTreeEmpty() const override { return true; }
    Level currentLevel() const override { return {}; }
};

} // namespace

QString TPreviewForm::DefaultCaption()
{
    return QString::fromUtf8(kCaption);
}

// The transparent top layer: takes every mouse event and draws the frame.
class TFrontBox : public QWidget
{
public:
    explicit TFrontBox(TPreviewForm *form) : QWidget(form), m_form(form)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_form->FrontBoxPaint(painter);
    }
    void mousePressEvent(QMouseEvent *e) override { m_form->FrontBoxMouseDown(e->position().toPoint()); }
    void mouseMoveEvent(QMouseEvent *e) override { m_form->FrontBoxMouseMove(e->position().toPoint()); }
    void mouseReleaseEvent(QMouseEvent *e) override { m_form->FrontBoxMouseUp(e->position().toPoint()); }

private:
    TPreviewForm *m_form;
};

// The object tree's order, walked by the window itself until a tree exists:
// the window, the pictures, the heading, the comment area, the menu area, the
// look of the menu's buttons, then the stand-alone buttons as they were placed.
class TPreviewForm::FixedOrder : public TDesignObjects
{
public:
    explicit FixedOrder(TPreviewForm *form) : m_form(form) {}

    QList<QObject *> designObjects() const override
    {
        QList<QObject *> list{m_form,
                              nullptr,
                              m_form->BackImage(),
                              m_form->ThemeImage(),
                              nullptr,
                              m_form->Heading(),
                              m_form->CommentArea(),
                              nullptr,
                              m_form->MenuArea(),
                              m_form->MenuArea()->ButtonStyle(),
                              nullptr};
        for (TImageEx *control : m_form->pictureControls())
            list << control;
        return list;
    }
    void selectDesignObject(int index) override
    {
        const QList<QObject *> list = designObjects();
        if (index >= 0 && index < list.size())
            m_form->SetSelection(list.at(index));
    }
    bool noSelectText() const override { return m_form->m_noSelectText; }

private:
    TPreviewForm *m_form;
};

TPreviewForm::TPreviewForm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    TColor::registerMetaType();
    TCursor::registerMetaType();
    setWindowTitle(DefaultCaption());
    ExposeAsWindow(staticMetaObject.className());
    setProperty("HelpContext", kHelpContext);
    QFont font(QString::fromLatin1(kFormFontName));
    font.setPixelSize(kFormFontPixels);
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Children from the bottom of the paint order to the top.
    m_backImage = new TImageEx(this);
    m_backImage->setObjectName(QStringLiteral("BackImage"));
    m_backImage->setAlign(TSurface::alClient);
    m_backImage->setGeometry(0, 0, kClientWidth, kClientHeight);
    m_themeImage = new TImageEx(this);
    m_themeImage->setObjectName(QStringLiteral("ThemeImage"));
    m_themeImage->setGeometry(kThemeBounds);
    m_themeImage->setAnchors(TSurface::akLeft | TSurface::akTop);
    m_menuBox = new TPaintSurface(this);
    m_menuBox->setObjectName(QStringLiteral("MenuBox"));
    applySetup(m_menuBox, kMenuBox);
    m_commentBox = new TPaintSurface(this);
    m_commentBox->setObjectName(QStringLiteral("CommentBox"));
    applySetup(m_commentBox, kCommentBox);
    m_topLabel = new TPaintSurface(this);
    m_topLabel->setObjectName(QStringLiteral("TopLabel"));
    applySetup(m_topLabel, kTopLabel);
    m_frontBox = new TFrontBox(this);
    m_frontBox->setObjectName(QStringLiteral("FrontBox"));
    m_frontBox->setGeometry(0, 0, kClientWidth, kClientHeight);

    QImage theme(QString::fromLatin1(kThemePicture));
    m_themeImage->Picture()->setBitmap(theme.convertToFormat(QImage::Format_RGB888));
    m_themeImage->setAutoSize(true);

    for (TSurface *surface : {static_cast<TSurface *>(m_backImage), static_cast<TSurface *>(m_themeImage),
                              static_cast<TSurface *>(m_menuBox), static_cast<TSurface *>(m_commentBox),
                              static_cast<TSurface *>(m_topLabel)})
        connect(surface, &TSurface::painted, this, [this, surface] { markShapeDirty(surface->geometry()); });

    m_fixedOrder = std::make_unique<FixedOrder>(this);
    move(kInitialLeft, kInitialTop);
    resize(kClientWidth, kClientHeight);
    m_laidOutSize = size();
    applyWindowKind();
    FormCreate();
    // The design window is visible from its creation on.
    show();
}

TPreviewForm::~TPreviewForm()
{
    // The window objects point at their surfaces and hook their paint: they go
    // before the surfaces, which the widget's child deletion frees.
    delete m_heading;
    delete m_commentArea;
    delete m_menuArea;
    m_heading = m_commentArea = nullptr;
    m_menuArea = nullptr;
    // The stand-alone buttons' controls belong to their buttons.
    for (const QPointer<TImageEx> &control : std::as_const(m_pictureControls))
        if (control)
            control->setParent(nullptr);
}

void TPreviewForm::FormCreate()
{
    m_colorTop = TColor::clBlue;
    m_colorBottom = TColor::clBlack;
    m_colorGradient = true;
    m_menuArea = new TButtonBox(m_menuBox, this);
    m_commentArea = new TTextBox(m_commentBox, this);
    m_heading = new TTextBox(m_topLabel, this);
    m_heading->setRefreshMenuHandler([this] { RefreshMenu(); });
    m_heading->setText({QString::fromUtf8(kHeadingText)});
    m_doubleBuffered = true;
    m_gesture.setEnableSelect(true);
    m_showSelection = true;
    // Filled before the window first shows, as a visible window would be.
    fillMenu();
}

QWidget *TPreviewForm::FrontBox() const
{
    return m_frontBox;
}

void TPreviewForm::placePictureControl(TImageEx *control, qsizetype index)
{
    if (!control)
        return;
    const QList<TImageEx *> placed = pictureControls();
    control->setParent(this);
    control->show();
    m_pictureControls.removeAll(nullptr);
    m_pictureControls.removeAll(control);
    if (index >= 0 && index < placed.size()) {
        control->stackUnder(placed.at(index));
        m_pictureControls.insert(m_pictureControls.indexOf(placed.at(index)), control);
    } else {
        control->raise();
        m_frontBox->raise();
        m_pictureControls << control;
    }
    disconnect(control, &TSurface::painted, this, nullptr);
    connect(control, &TSurface::painted, this, [this, control] { markShapeDirty(control->geometry()); });
    markShapeDirty(control->geometry());
}

void TPreviewForm::removePictureControl(TImageEx *control)
{
    if (!control || control->parent() != this)
        return;
    if (m_selected == control)
        SetSelection(nullptr);
    markShapeDirty(control->geometry());
    control->hide();
    disconnect(control, &TSurface::painted, this, nullptr);
    control->setParent(nullptr);
    m_pictureControls.removeAll(control);
    update();
}

QList<TImageEx *> TPreviewForm::pictureControls() const
{
    QList<TImageEx *> list;
    for (const QPointer<TImageEx> &control : m_pictureControls)
        if (control && control->parent() == this)
            list << control;
    return list;
}

// ---- menu and comment --------------------------------------------------

void TPreviewForm::RefreshMenu()
{
    if (!isVisible())
        return;
    fillMenu();
}

void TPreviewForm::fillMenu()
{
    const EmptyMenuSource emptyTree;
    const TMenuContents menu = menuContents(m_menuSource ? *m_menuSource : emptyTree);
    m_menuArea->setUpdating(true);
    m_menuArea->setText(menu.lines);
    m_menuArea->setSelectedIndex(menu.selectedIndex);
    m_heading->ShowGroupCaption(menu.groupCaption);
    m_menuArea->setUpdating(false);
    m_menuBox->repaint();
}

void TPreviewForm::SetCommentText(const QString &text)
{
    // One line per line of the comment; a line break at its very end starts no
    // further line.
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.isEmpty() ? QStringList() : text.split(lineBreak);
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    m_commentArea->setText(lines);
    m_commentBox->repaint();
}

void TPreviewForm::ShowPreview()
{
    show();
    raise();
    activateWindow();
}

void TPreviewForm::HidePreview()
{
    hide();
}

void TPreviewForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // What changed in the command tree while the window was hidden shows at once.
    if (!event->spontaneous())
        fillMenu();
}

// ---- selection ---------------------------------------------------------

void TPreviewForm::SetSelection(QObject *object)
{
    QWidget *control = nullptr;
    if (auto *wrapper = qobject_cast<TControlWrapper *>(object))
        control = wrapper->Control();
    else if (auto *widget = qobject_cast<QWidget *>(object))
        control = widget;
    m_selected = control;
    update();
    m_frontBox->update();
    markShapeDirty(QRect());   // the frame's part of the shape moves with it
}

void TPreviewForm::setShowSelection(bool value)
{
    m_showSelection = value;
    if (m_selected) {
        m_frontBox->update();
        markShapeDirty(QRect());
    }
}

void TPreviewForm::setDoubleBuffered(bool value)
{
    // Qt composes every repaint off screen in the window's backing store, so
    // the switch is kept for the design only.
    m_doubleBuffered = value;
}

void TPreviewForm::setDesignObjects(TDesignObjects *objects)
{
    m_designObjects = objects;
}

TDesignObjects *TPreviewForm::designObjects() const
{
    return m_designObjects ? m_designObjects : m_fixedOrder.get();
}

void TPreviewForm::RefreshInspectorValues()
{
    if (m_onRefreshInspector)
        m_onRefreshInspector();
}

// ---- colours and window properties ---------------------------------------

void TPreviewForm::setColorTop(TColor color)
{
    m_colorTop = color;
    update();
    scheduleShapeUpdate();
}

void TPreviewForm::setColorBottom(TColor color)
{
    m_colorBottom = color;
    update();
    scheduleShapeUpdate();
}

void TPreviewForm::setColorGradient(bool value)
{
    m_colorGradient = value;
    update();
    scheduleShapeUpdate();
}

void TPreviewForm::setBorderStyle(TFormBorderStyle style)
{
    if (style < bsNone || style > bsSizeToolWin)
        style = bsSizeable;
    m_borderStyle = style;
    applyWindowKind();
}

void TPreviewForm::applyWindowKind()
{
    const TBorderKind kind = borderKind(m_borderStyle);
    const bool wasVisible = isVisible();
    const QPoint place = pos();
    const QSize client = size();
    if (windowFlags() != kind.flags)
        setWindowFlags(kind.flags);
    if (kind.fixedSize) {
        setFixedSize(client);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(client);
    }
    move(place);
    if (wasVisible && !isVisible())
        show();
}

void TPreviewForm::setAlphaBlend(bool value)
{
    m_alphaBlend = value;
    setWindowOpacity(m_alphaBlend ? qreal(m_alphaBlendValue) / kOpaque : 1.0);
}

void TPreviewForm::setAlphaBlendValue(int value)
{
    m_alphaBlendValue = std::clamp(value, 0, kOpaque);
    setAlphaBlend(m_alphaBlend);
}

void TPreviewForm::setTransparentColor(bool value)
{
    m_transparentColor = value;
    scheduleShapeUpdate();
}

void TPreviewForm::setTransparentColorValue(TColor color)
{
    m_transparentColorValue = color;
    scheduleShapeUpdate();
}

void TPreviewForm::setClientSize(const QSize &wanted)
{
    const QSize size(std::max(0, wanted.width()), std::max(0, wanted.height()));
    if (borderKind(m_borderStyle).fixedSize)
        setFixedSize(size);
    else
        resize(size);
    layoutChildren();
}

void TPreviewForm::setClientWidth(int value)
{
    setClientSize(QSize(value, height()));
}

void TPreviewForm::setClientHeight(int value)
{
    setClientSize(QSize(width(), value));
}

void TPreviewForm::setCursorId(TCursor cursor)
{
    m_cursor = cursor;
    if (cursor.value() == TCursor::crDefault)
        unsetCursor();
    else
        setCursor(cursor.toQCursor());
}

QSize TPreviewForm::frameExtra() const
{
    return frameGeometry().size() - size();
}

void TPreviewForm::setOuterBounds(const QRect &bounds)
{
    move(bounds.topLeft());
    setClientSize(bounds.size() - frameExtra());
}

// A window placed beyond kFarPixel is held there, so that its place plus its
// size stays an int.
void TPreviewForm::setLeft(int value)
{
    setOuterBounds(QRect(QPoint(std::clamp(value, -kFarPixel, kFarPixel), Top()), frameGeometry().size()));
}

void TPreviewForm::setTop(int value)
{
    setOuterBounds(QRect(QPoint(Left(), std::clamp(value, -kFarPixel, kFarPixel)), frameGeometry().size()));
}

void TPreviewForm::setWidth(int value)
{
    setOuterBounds(QRect(pos(), QSize(value, Height())));
}

void TPreviewForm::setHeight(int value)
{
    setOuterBounds(QRect(pos(), QSize(Width(), value)));
}

// ---- painting ----------------------------------------------------------

void TPreviewForm::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        FormPaint(painter, event->rect());
    }
    // What was repainted may have changed the window's shape (a moved object
    // uncovers the background; a see-through child repaints its parent).
    if (m_transparentColor)
        markShapeDirty(event->rect());
}

void TPreviewForm::FormPaint(QPainter &painter, const QRect &dirty)
{
    // The window's background colour is ColorTop; the gradient goes over it.
    painter.fillRect(dirty, m_colorTop.toQColor(palette()));
    TBackgroundPicture back;
    back.stretch = m_backImage->Stretch();
    back.proportional = m_backImage->Proportional();
    back.visible = m_backImage->Visible();
    back.natural = QSize(m_backImage->Picture()->width(), m_backImage->Picture()->height());
    if (paintsGradient(back, size(), m_colorGradient))
        paintGradient(painter, size(), quint32(m_colorTop.value()), quint32(m_colorBottom.value()), dirty);
}

void TPreviewForm::FrontBoxPaint(QPainter &painter)
{
    if (!m_selected || m_selected == this || !m_showSelection || m_renderingWithoutFrame)
        return;
    paintSelectionFrame(painter, m_selected->geometry());
}

QImage TPreviewForm::renderClient(bool withSelectionFrame)
{
    QImage image(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    const bool old = m_renderingWithoutFrame;
    m_renderingWithoutFrame = !withSelectionFrame;
    render(&image, QPoint(), QRegion(rect()), QWidget::DrawChildren);
    m_renderingWithoutFrame = old;
    return image;
}

// ---- the window's shape --------------------------------------------------

QRegion TPreviewForm::shapeRegion(const QRect &wanted)
{
    // Composed from the same paint steps as the screen, but not through
    // QWidget::render, which would leave out what the current mask hides.
    const QRect area = wanted.isValid() ? wanted & rect() : rect();
    if (area.isEmpty())
        return {};
    QImage image(area.size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.translate(-area.topLeft());
        painter.setClipRect(area);
        FormPaint(painter, area);
        for (QObject *child : children()) {
            auto *surface = qobject_cast<TSurface *>(child);
            if (!surface || surface->isHidden() || !surface->geometry().intersects(area))
                continue;
            painter.save();
            painter.translate(surface->pos());
            painter.setClipRect(0, 0, surface->width(), surface->height(), Qt::IntersectClip);
            surface->paintContent(painter);
            painter.restore();
        }
    }
    return solidRegion(image, m_transparentColorValue.toQColor(palette()).rgb()).translated(area.topLeft());
}

void TPreviewForm::scheduleShapeUpdate()
{
    m_shapeKnown = false;
    markShapeDirty(rect());
}

void TPreviewForm::markShapeDirty(const QRect &area)
{
    if (m_computingShape)
        return;
    if (!m_transparentColor) {
        m_shapeKnown = false;
        m_shapeDirty = QRegion();
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    m_shapeDirty |= area;
    if (m_shapePending)
        return;
    m_shapePending = true;
    QTimer::singleShot(0, this, [this] {
        m_shapePending = false;
        updateShape();
    });
}

QRegion TPreviewForm::selectionFrameRegion() const
{
    if (!m_selected || m_selected == this || !m_showSelection)
        return {};
    const QRect bounds = m_selected->geometry();
    if (bounds.width() <= 0 || bounds.height() <= 0)
        return {};
    // The frame is the one-pixel outline just inside the control's bounds.
    return (QRegion(bounds) - QRegion(bounds.adjusted(1, 1, -1, -1))) & QRegion(rect());
}

void TPreviewForm::updateShape()
{
    if (!m_transparentColor)
        return;
    const QRect area = m_shapeDirty.boundingRect() & rect();
    m_shapeDirty = QRegion();
    m_computingShape = true;
    if (!m_shapeKnown || area == rect()) {
        m_shape = shapeRegion();
        m_shapeKnown = true;
    } else if (!area.isEmpty()) {
        m_shape = (m_shape - area) | shapeRegion(area);
    }
    m_computingShape = false;
    // The selection frame lies on top of everything: the colour key never cuts it away.
    const QRegion shown = m_shape | selectionFrameRegion();
    // An empty mask would show the whole window: keep a region that shows nothing.
    const QRegion solid = shown.isEmpty() ? QRegion(-1, -1, 1, 1) : shown;
    if (mask() != solid)
        setMask(solid);
}

// ---- resizing ------------------------------------------------------------

void TPreviewForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
    update();
    RefreshInspectorValues();
    scheduleShapeUpdate();
}

void TPreviewForm::layoutChildren()
{
    const QSize now = size();
    if (now == m_laidOutSize)
        return;
    if (m_laidOutSize.isValid())
        followAnchors(m_laidOutSize, now);
    m_laidOutSize = now;
    m_frontBox->setGeometry(rect());
}

void TPreviewForm::followAnchors(const QSize &oldSize, const QSize &newSize)
{
    QHash<const QObject *, AnchorOrigin> origins;
    for (QObject *child : children()) {
        auto *surface = qobject_cast<TSurface *>(child);
        if (!surface)
            continue;
        if (surface->Align() == TSurface::alClient) {
            surface->setGeometry(rect());
            continue;
        }
        const unsigned anchors = unsigned(surface->Anchors().toInt());
        AnchorOrigin origin = m_anchorOrigins.value(surface);
        if (origin.applied != surface->geometry() || origin.anchors != anchors || !origin.client.isValid())
            origin = AnchorOrigin{surface->geometry(), oldSize, anchors, QRect()};
        const QRect r = anchoredBounds(origin.bounds, anchors, origin.client, newSize);
        surface->setBoundsRect(r.x(), r.y(), r.width(), r.height());
        origin.applied = surface->geometry();
        origins.insert(surface, origin);
    }
    m_anchorOrigins = origins;
}

void TPreviewForm::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; the preview action shows it again.
    event->accept();
    hide();
}

// ---- mouse -----------------------------------------------------------------

void TPreviewForm::mousePressEvent(QMouseEvent *event)
{
    FrontBoxMouseDown(m_frontBox->mapFrom(this, event->position().toPoint()));
}

void TPreviewForm::mouseMoveEvent(QMouseEvent *event)
{
    FrontBoxMouseMove(m_frontBox->mapFrom(this, event->position().toPoint()));
}

void TPreviewForm::mouseReleaseEvent(QMouseEvent *event)
{
    FrontBoxMouseUp(m_frontBox->mapFrom(this, event->position().toPoint()));
}

void TPreviewForm::FrontBoxMouseDown(const QPoint &pos)
{
    m_gesture.press(pos);
}

void TPreviewForm::FrontBoxMouseMove(const QPoint &pos)
{
    m_gesture.move(pos);
}

void TPreviewForm::FrontBoxMouseUp(const QPoint &pos)
{
    m_gesture.release(pos);
}

TGestureHost::Selection TPreviewForm::selection() const
{
    if (!m_selected)
        return Selection::None;
    return m_selected == this ? Selection::Window : Selection::Object;
}

bool TPreviewForm::selectionFillsParent() const
{
    auto *surface = qobject_cast<TSurface *>(m_selected.data());
    return surface && surface->Align() == TSurface::alClient;
}

QRect TPreviewForm::selectionBounds() const
{
    if (!m_selected)
        return {};
    if (m_selected == this)
        return QRect(pos(), frameGeometry().size());
    return m_selected->geometry();
}

void TPreviewForm::setSelectionBounds(const QRect &bounds)
{
    setControlBounds(m_selected, bounds);
}

void TPreviewForm::setControlBounds(QWidget *control, const QRect &bounds)
{
    if (!control)
        return;
    if (control == this) {
        setOuterBounds(bounds);
        return;
    }
    if (auto *surface = qobject_cast<TSurface *>(control))
        surface->setBoundsRect(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    else
        control->setGeometry(bounds);
    m_frontBox->update();
}

QString TPreviewForm::controlCaption(const QWidget *control) const
{
    if (control == this)
        return tr("Окно");
    static const std::pair<const char *, const char *> kCaptions[] = {
        {"BackImage", QT_TR_NOOP("Фоновая картинка")}, {"ThemeImage", QT_TR_NOOP("Картинка в тему")},
        {"TopLabel", QT_TR_NOOP("Надпись наверху")},   {"CommentBox", QT_TR_NOOP("Комментарий")},
        {"MenuBox", QT_TR_NOOP("Область меню")}};
    for (const auto &[name, caption] : kCaptions) {
        if (control && control->objectName() == QLatin1StringView(name))
            return tr(caption);
    }
    return tr("Кнопка");
}

void TPreviewForm::boundsEdited(const QRect &before, const QRect &after)
{
    if (m_onBoundsEdited)
        m_onBoundsEdited(m_selected, before, after);
    else
        markModified();
}

QPoint TPreviewForm::windowPosition() const
{
    return pos();
}

QSize TPreviewForm::clientSize() const
{
    return size();
}

void TPreviewForm::clickSelect(const QPoint &clientPos)
{
    TDesignObjects *objects = designObjects();
    const QList<QObject *> list = objects->designObjects();
    QList<TPickCandidate> candidates;
    candidates.reserve(list.size());
    for (QObject *object : list) {
        TPickCandidate c;
        if (!object || object == this) {
            c.kind = TPickCandidate::Skip;
        } else if (auto *wrapper = qobject_cast<TControlWrapper *>(object)) {
            c.kind = TPickCandidate::Wrapper;
            c.bounds = wrapper->Control() ? wrapper->Control()->geometry() : QRect();
            c.visible = wrapper->Control() && wrapper->Visible();
            c.isTextBox = qobject_cast<TTextBox *>(object) != nullptr;
        } else if (auto *widget = qobject_cast<QWidget *>(object)) {
            c.kind = TPickCandidate::Control;
            c.bounds = widget->geometry();
            auto *surface = qobject_cast<TSurface *>(widget);
            c.visible = surface ? surface->Visible() : !widget->isHidden();
            c.fillsParent = surface && surface->Align() == TSurface::alClient;
        }
        candidates << c;
    }
    const int index = pickCandidate(candidates, clientPos, objects->noSelectText());
    if (index >= 0)
        objects->selectDesignObject(index);
}

void TPreviewForm::markModified()
{
    if (m_onModified)
        m_onModified();
}

void TPreviewForm::setFrontCursor(Qt::CursorShape shape)
{
    // The default cursor shows the window's own Cursor.
    if (shape == Qt::ArrowCursor)
        m_frontBox->unsetCursor();
    else
        m_frontBox->setCursor(shape);
}
