#include "app/TAboutForm.h"

#include "project/TDiscPreparation.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr QRect kPanel1Bounds(12, 12, 73, 73);
constexpr QRect kProgramIconBounds(4, 4, 64, 64);
constexpr QPoint kImage1Place(92, 16);
constexpr QRect kVersionBounds(100, 52, 120, 18);
constexpr QRect kPlayerBounds(100, 72, 190, 16);
constexpr int kCaptionColumn = 12;    // "Интернет:", "E-mail:", "Автор:"
constexpr int kValueColumn = 96;      // the address, the mail address, the author
constexpr int kWebRow = 96;
constexpr int kMailRow = 120;
constexpr int kAuthorRow = 144;
constexpr QRect kLabel4Bounds(12, 168, 277, 16);
constexpr QRect kFreewareBounds(12, 188, 277, 21);
constexpr int kFreewareFontPixels = 16;  // font height -16
constexpr QRect kOKButtonBounds(111, 214, 75, 25);

const QColor kLinkColor(0, 0, 255);      // clBlue
const QColor kFreewareHover(255, 0, 0);  // clRed
const QColor kFreewareNormal(0, 0, 0);   // clBlack

QColor fromTColor(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace

// The white frame around the program icon: a lowered outer and a raised inner
// one-pixel bevel in the palette's 3-D colours.
class TBevelPanel : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QPalette &pal = palette();
        const QColor light = pal.color(QPalette::Light);
        const QColor shadow = pal.color(QPalette::Dark);
        p.fillRect(rect(), Qt::white);
        QRect r = rect();  // right() and bottom() are the last pixel row and column
        bevel(p, r, shadow, light);  // outer, lowered
        r.adjust(1, 1, -1, -1);
        bevel(p, r, light, shadow);  // inner, raised
    }

private:
    static void bevel(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
    {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
};

const QString TAboutForm::kWebAddress = QStringLiteral("https://brenwick.example.org");
const QString TAboutForm::kMailAddress = QStringLiteral("brenwick@example.org");
const char *const TAboutForm::kAuthor = QT_TRANSLATE_NOOP("TAboutForm", "Команда Brenwick");

TAboutForm::TAboutForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)
    , m_linkOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("О Программе"));
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, fromTColor(kBackgroundColor));
    setPalette(pal);
    setAutoFillBackground(true);

    m_panel1 = new TBevelPanel(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setGeometry(kPanel1Bounds);
    m_programIcon = new QLabel(m_panel1);
    m_programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    m_programIcon->setGeometry(kProgramIconBounds);
    m_programIcon->setScaledContents(true);
    m_programIcon->setPixmap(QPixmap(QStringLiteral(":/icons/app.png")));

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap title(QStringLiteral(":/pictures/about-title.png"));
    m_image1->setPixmap(title);
    m_image1->setGeometry(QRect(kImage1Place, title.size()));

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("Version"));
    m_version->setGeometry(kVersionBounds);
    m_playerVersion = new QLabel(this);
    m_playerVersion->setObjectName(QStringLiteral("PlayerVersion"));
    m_playerVersion->setGeometry(kPlayerBounds);

    m_label1 = addLabel(tr("Интернет:"), kCaptionColumn, kWebRow);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_inetLink = addLabel(kWebAddress, kValueColumn, kWebRow);
    m_inetLink->setObjectName(QStringLiteral("InetLink"));
    m_comments = addLabel(QStringLiteral("E-mail:"), kCaptionColumn, kMailRow);
    m_comments->setObjectName(QStringLiteral("Comments"));
    m_mailLink = addLabel(kMailAddress, kValueColumn, kMailRow);
    m_mailLink->setObjectName(QStringLiteral("MailLink"));
    m_label2 = addLabel(tr("Автор:"), kCaptionColumn, kAuthorRow);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label3 = addLabel(tr(kAuthor), kValueColumn, kAuthorRow);
    m_label3->setObjectName(QStringLiteral("Label3"));
    for (QLabel *link : {m_inetLink, m_mailLink}) {
        QPalette lp = link->palette();
        lp.setColor(QPalette::WindowText, kLinkColor);
        link->setPalette(lp);
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    m_label4 = new QLabel(tr("Этот продукт распространяется"), this);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setGeometry(kLabel4Bounds);
    m_label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_freeware = new QLabel(tr("НАХАЛЯВУ (FREEWARE) !!!"), this);
    m_freeware->setObjectName(QStringLiteral("Freeware"));
    m_freeware->setGeometry(kFreewareBounds);
    m_freeware->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont bold = m_freeware->font();
    bold.setBold(true);
    bold.setPixelSize(kFreewareFontPixels);
    m_freeware->setFont(bold);
    setFreewareColor(kFreewareNormal);
    m_freeware->setAttribute(Qt::WA_Hover);
    m_freeware->installEventFilter(this);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setGeometry(kOKButtonBounds);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &TAboutForm::OKButtonClick);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(kFadeInterval);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &TAboutForm::TimerTimer);

    FormCreate();
}

QLabel *TAboutForm::addLabel(const QString &text, int left, int top)
{
    auto *label = new QLabel(text, this);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void TAboutForm::setLinkOpener(LinkOpener opener)
{
    m_linkOpener = std::move(opener);
}

void TAboutForm::FormCreate()
{
    m_version->setText(tr("Версия %1").arg(QStringLiteral(BRENWICK_VERSION)));
    // The player that goes onto the discs this editor prepares.
    const QString player = TDiscPreparation::PlayerSource(QCoreApplication::applicationDirPath());
    const QString version = player.isEmpty() ? QString() : TDiscPreparation::PlayerVersion(player);
    m_playerVersion->setText(player.isEmpty()       ? tr("Проигрыватель Velmora.EXE не найден")
                             : version.isEmpty()   ? tr("Проигрыватель Velmora.EXE без версии")
                                                   : tr("Проигрыватель Velmora.EXE %1").arg(version));
}

void TAboutForm::showEvent(QShowEvent *event)
{
    // Sent before the window appears, so the first frame is already transparent.
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TAboutForm::FormShow()
{
    if (const QScreen *screen = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_alphaBlend = true;
    m_alphaBlendValue = 0;
    applyTranslucency();
    m_timer->start();
}

void TAboutForm::TimerTimer()
{
    m_alphaBlendValue = std::min(m_alphaBlendValue + kFadeStep, kOpaque);
    if (m_alphaBlendValue >= kOpaque) {
        m_timer->stop();
        m_alphaBlend = false;
    }
    applyTranslucency();
}

void TAboutForm::applyTranslucency()
{
    setWindowOpacity(m_alphaBlend ? m_alphaBlendValue / qreal(kOpaque) : 1.0);
}

void TAboutForm::openLink(const QUrl &url)
{
    if (m_linkOpener)
        (void)m_linkOpener(url);  // a link the desktop cannot open is ignored
}

void TAboutForm::InetLinkClick()
{
    openLink(QUrl(m_inetLink->text()));
}

void TAboutForm::MailLinkClick()
{
    openLink(QUrl(QStringLiteral("mailto:") + m_mailLink->text()));
}

void TAboutForm::setFreewareColor(const QColor &color)
{
    QPalette pal = m_freeware->palette();
    pal.setColor(QPalette::WindowText, color);
    m_freeware->setPalette(pal);
}

void TAboutForm::FreewareMouseEnter()
{
    setFreewareColor(kFreewareHover);
}

void TAboutForm::FreewareMouseLeave()
{
    setFreewareColor(kFreewareNormal);
}

void TAboutForm::OKButtonClick()
{
    accept();
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_freeware) {
        if (event->type() == QEvent::Enter)
            FreewareMouseEnter();
        else if (event->type() == QEvent::Leave)
            FreewareMouseLeave();
    } else if ((watched == m_inetLink || watched == m_mailLink) && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *link = static_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint())) {
            if (link == m_inetLink)
                InetLinkClick();
            else
                MailLinkClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
