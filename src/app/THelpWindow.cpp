#include "app/THelpWindow.h"

#include "kit/HelpContext.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QSize kInitialSize(680, 600);
const char *const kTitle = QT_TRANSLATE_NOOP("THelpWindow", "Справка Velmora Brenwick");

bool isHelpLink(const QUrl &url)
{
    return url.scheme() == QLatin1String("qrc");
}

QToolButton *makeButton(QWidget *parent, const QString &text, const QIcon &icon, const QString &tip)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

} // namespace

THelpWindow::THelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_linkOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/action-help.png")));
    resize(kInitialSize);

    m_back = makeButton(this, tr("Назад"), style()->standardIcon(QStyle::SP_ArrowBack),
                        tr("Вернуться к предыдущему разделу (Alt+Влево)"));
    m_forward = makeButton(this, tr("Вперёд"), style()->standardIcon(QStyle::SP_ArrowForward),
                           tr("Перейти к следующему разделу (Alt+Вправо)"));
    m_contents = makeButton(this, tr("Содержание"), QIcon(QStringLiteral(":/icons/action-help.png")),
                            tr("Открыть содержание справки"));
    m_back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(false);  // followLink decides where a link goes
    m_browser->setOpenExternalLinks(false);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_contents);
    bar->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QToolButton::clicked, this, &THelpWindow::showContents);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &THelpWindow::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &THelpWindow::updateTitle);
}

void THelpWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the help, as it closes a dialog.
    if (event->keyCombination() == QKeyCombination(Qt::Key_Escape)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void THelpWindow::showPage(const QString &page)
{
    const QUrl url = help::pageUrl(page);
    if (m_browser->source() != url)
        m_browser->setSource(url);
    present();
}

void THelpWindow::showContents()
{
    showPage(help::contentsPage());
}

void THelpWindow::followLink(const QUrl &link)
{
    const QUrl target = m_browser->source().resolved(link);
    if (isHelpLink(target)) {
        m_browser->setSource(target);
    } else if (m_linkOpener) {
        (void)m_linkOpener(target);  // a desktop that cannot open it is not our error
    }
}

void THelpWindow::present()
{
    // The help is never modal. While a modal dialog runs (the folder import),
    // the help becomes a window of that dialog, which the dialog does not
    // block; the dialog goes on taking input beside it.
    QWidget *modal = QApplication::activeModalWidget();
    QWidget *owner = (modal && modal != this && !isAncestorOf(modal)) ? modal : nullptr;
    if (parentWidget() != owner)
        setParent(owner, windowFlags() | Qt::Window);
    show();
    raise();
    activateWindow();
}

void THelpWindow::updateTitle()
{
    const QString page = m_browser->documentTitle();
    // The contents page carries the help's own title: it is not said twice.
    const QString title = tr(kTitle);
    setWindowTitle(page.isEmpty() || page == title ? title : page + QStringLiteral(" — ") + title);
}

THelp::THelp(QObject *parent) : QObject(parent)
{
}

THelp::~THelp()
{
    delete m_window;
}

THelpWindow *THelp::window()
{
    // A help window that was a dialog's goes with the dialog; a new one follows.
    if (!m_window)
        m_window = new THelpWindow;
    return m_window;
}

void THelp::installF1Key()
{
    qApp->installEventFilter(this);
}

void THelp::showPage(const QString &page)
{
    window()->showPage(page);
}

void THelp::showContents()
{
    showPage(help::contentsPage());
}

void THelp::showContext(int context)
{
    const QString page = help::pageForContext(context);
    showPage(page.isEmpty() ? help::contentsPage() : page);
}

void THelp::showKeyword(const QString &keyword)
{
    const QString page = help::pageForKeyword(keyword);
    showPage(page.isEmpty() ? help::contentsPage() : page);
}

void THelp::showFor(const QWidget *focus)
{
    if (!focus)
        focus = QApplication::activeWindow();
    showPage(help::pageForWidget(focus));
}

bool THelp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            // The key reaches the focus widget first; its context is what counts.
            showFor(QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget *>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
