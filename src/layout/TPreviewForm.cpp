#include "layout/TPreviewForm.h"

#include "layout/TClickPick.h"
#include "layout/TFrontBox.h"
#include "layout/TDesignDocument.h"
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

// A command tree with no nodes: the menu shows its placeholders.
struct EmptyMenuSource : TMenuSource
{
    bool isTreeEmpty() const override { return true; }
    Level currentLevel() const override { return {}; }
};

} // namespace

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
    // Only the frame moves: its old and its new pixels repaint.
    const QRegion before = selectionFrameRegion();
    m_selected = control;
    const QRegion frames = before | selectionFrameRegion();
    if (!frames.isEmpty())
        m_frontBox->update(frames);
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
    m_mask.invalidate();
    markShapeDirty(rect());
}

void TPreviewForm::markShapeDirty(const QRect &area)
{
    if (!m_transparentColor) {
        m_mask.reset();
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    if (m_mask.markDirty(area))
        QTimer::singleShot(0, this, [this] { updateShape(); });
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
    const QRegion shape = m_mask.update(rect(), [this](const QRect &area) { return shapeRegion(area); });
    // The selection frame lies on top of everything: the colour key never cuts it away.
    const QRegion shown = shape | selectionFrameRegion();
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
    for (QObject *child : children()) {
        auto *surface = qobject_cast<TSurface *>(child);
        if (!surface)
            continue;
        if (surface->Align() == TSurface::alClient) {
            surface->setGeometry(rect());
            continue;
        }
        const unsigned anchors = unsigned(surface->Anchors().toInt());
        const QRect r = m_anchorOrigins.target(surface, surface->geometry(), anchors, oldSize, newSize);
        surface->setBoundsRect(r.x(), r.y(), r.width(), r.height());
        m_anchorOrigins.placed(surface, surface->geometry());
    }
    m_anchorOrigins.endResize();
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
    if (m_document)
        m_document->DragBounds(m_selected, bounds);
    else
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

void TPreviewForm::setDocument(TDesignDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, m_frontBox, nullptr);
    m_document = document;
    if (document)
        connect(document, &TDesignDocument::Changed, m_frontBox, [this] { m_frontBox->update(); });
}

void TPreviewForm::boundsEdited(const QRect &before, const QRect &after)
{
    if (m_document)
        m_document->BoundsEdited(m_selected, before, after);
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
