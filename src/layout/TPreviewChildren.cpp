// The design window's children: the surfaces it creates with their first look,
// the front box that takes the mouse, the stand-alone buttons' controls placed
// among them, and the order of objects the window walks until an object tree
// exists.
#include "layout/TPreviewForm.h"

#include "kit/WindowAccessibility.h"

#include "layout/StartPictures.h"
#include "layout/TFrontBox.h"
#include "window/TButtonBox.h"
#include "window/TImageEx.h"
#include "window/TPaintSurface.h"
#include "window/TTextBox.h"

namespace {

// The window's caption and heading are design properties the project file keeps:
// never translated.
const char *const kCaption = "Предварительный просмотр";
const char *const kHeadingText = "Автозапуск";
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

} // namespace

QString TPreviewForm::DefaultCaption()
{
    return QString::fromUtf8(kCaption);
}

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

    SetStartPicture(*m_themeImage->Picture(), QStringLiteral("theme"));
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

void TPreviewForm::setDesignObjects(TDesignObjects *objects)
{
    m_designObjects = objects;
}

TDesignObjects *TPreviewForm::designObjects() const
{
    return m_designObjects ? m_designObjects : m_fixedOrder.get();
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
