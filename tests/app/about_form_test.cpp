#include "app/TAboutForm.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs the fade timer by hand until it stops; returns the number of ticks.
int driveFade(TAboutForm &form)
{
    int ticks = 0;
    while (form.Timer()->isActive() && ticks < 1000) {
        form.TimerTimer();
        ++ticks;
    }
    return ticks;
}

QColor textColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

struct RecordingForm
{
    TAboutForm form;
    QList<QUrl> opened;
    RecordingForm()
    {
        form.setLinkOpener([this](const QUrl &url) {
            opened << url;
            return false;  // the desktop fails: nothing may be reported
        });
    }
};

void click(QLabel *label)
{
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 2));
}

} // namespace

TEST(AboutForm, TextsAndGeometry)
{
    TAboutForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("О Программе"));
    EXPECT_EQ(form.size(), QSize(298, 247));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(224, 223, 227));
    EXPECT_EQ(form.Version()->text(), QStringLiteral("Версия 1.1.2"));
    EXPECT_EQ(form.Version()->geometry(), QRect(100, 52, 120, 18));
    EXPECT_EQ(form.InetLink()->text(), QStringLiteral("https://brenwick.example.org"));
    EXPECT_EQ(form.MailLink()->text(), QStringLiteral("brenwick@example.org"));
    EXPECT_EQ(form.AuthorName()->text(), QStringLiteral("Команда Brenwick"));
    EXPECT_EQ(form.Label4()->text(), QStringLiteral("Этот продукт распространяется"));
    EXPECT_EQ(form.Freeware()->text(), QStringLiteral("НАХАЛЯВУ (FREEWARE) !!!"));
    EXPECT_TRUE(form.Freeware()->font().bold());
    EXPECT_EQ(form.Freeware()->font().pixelSize(), 16);
    EXPECT_EQ(textColor(form.Freeware()), QColor(Qt::black));
    EXPECT_EQ(form.OKButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(form.OKButton()->isDefault());
    EXPECT_EQ(form.OKButton()->geometry(), QRect(111, 214, 75, 25));
    for (const char *name : {"Label1", "Comments", "Label2"})
        EXPECT_NE(form.findChild<QLabel *>(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Интернет:"));
    EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("Comments"))->text(), QStringLiteral("E-mail:"));
    EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("Автор:"));
    // the links are blue and show the hand
    EXPECT_EQ(textColor(form.InetLink()), QColor(0, 0, 255));
    EXPECT_EQ(form.MailLink()->cursor().shape(), Qt::PointingHandCursor);
    // the program icon fills its 64 x 64 place inside the white panel
    auto *icon = form.findChild<QLabel *>(QStringLiteral("ProgramIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->geometry(), QRect(4, 4, 64, 64));
    EXPECT_EQ(icon->parentWidget()->geometry(), QRect(12, 12, 73, 73));
}

TEST(AboutForm, NamesThePlayersVersion)
{
    QTemporaryDir temp;
    const QString file = temp.filePath(QStringLiteral("Velmora.EXE"));
    qputenv("BRENWICK_PLAYER", file.toLocal8Bit());
    {
        TAboutForm none;
        EXPECT_EQ(none.findChild<QLabel *>(QStringLiteral("PlayerVersion"))->text(),
                  QStringLiteral("Проигрыватель Velmora.EXE не найден"));
    }
    const QString key = QStringLiteral("ProductVersion");
    const QString version = QStringLiteral("1.1.2");
    QFile exe(file);
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.write(QByteArray(reinterpret_cast<const char *>(key.utf16()), (key.size() + 1) * 2) + QByteArray(2, '\0')
              + QByteArray(reinterpret_cast<const char *>(version.utf16()), (version.size() + 1) * 2));
    exe.close();
    TAboutForm form;
    qunsetenv("BRENWICK_PLAYER");
    EXPECT_EQ(form.findChild<QLabel *>(QStringLiteral("PlayerVersion"))->text(),
              QStringLiteral("Проигрыватель Velmora.EXE 1.1.2"));
}

TEST(AboutForm, HiddenAndOpaqueUntilShown)
{
    TAboutForm form;
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.Timer()->isActive());
    EXPECT_EQ(form.Timer()->interval(), 1);
    EXPECT_FALSE(form.alphaBlend());
}

TEST(AboutForm, FadesInOnEveryShowing)
{
    TAboutForm form;
    for (int showing = 0; showing < 2; ++showing) {
        form.show();
        EXPECT_TRUE(form.alphaBlend());
        EXPECT_EQ(form.alphaBlendValue(), 0);
        EXPECT_DOUBLE_EQ(form.windowOpacity(), 0.0);
        ASSERT_TRUE(form.Timer()->isActive());

        form.TimerTimer();
        EXPECT_EQ(form.alphaBlendValue(), 3);
        EXPECT_TRUE(form.alphaBlend());

        // 255 is reached after 85 ticks from 0; then the timer stops and the
        // window is fully opaque with translucency off.
        EXPECT_EQ(1 + driveFade(form), 85);
        EXPECT_EQ(form.alphaBlendValue(), 255);
        EXPECT_FALSE(form.alphaBlend());
        EXPECT_FALSE(form.Timer()->isActive());
        EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
        form.OKButton()->click();
        EXPECT_FALSE(form.isVisible());
    }
}

TEST(AboutForm, ReopeningMidFadeRestartsFromZero)
{
    TAboutForm form;
    form.show();
    for (int i = 0; i < 10; ++i)
        form.TimerTimer();
    EXPECT_EQ(form.alphaBlendValue(), 30);
    form.hide();
    form.show();
    EXPECT_EQ(form.alphaBlendValue(), 0);
    EXPECT_TRUE(form.Timer()->isActive());
    EXPECT_EQ(driveFade(form), 85);
}

TEST(AboutForm, FadeRunsOnTheRealTimer)
{
    TAboutForm form;
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.Timer()->isActive(); }, 5000));
    EXPECT_EQ(form.alphaBlendValue(), 255);
    EXPECT_FALSE(form.alphaBlend());
}

TEST(AboutForm, OpacityNeverPassesTheLimit)
{
    // a value that does not land on 255 in steps of 3 is clipped, not exceeded
    TAboutForm form;
    form.show();
    for (int i = 0; i < 84; ++i)
        form.TimerTimer();
    EXPECT_EQ(form.alphaBlendValue(), 252);
    form.TimerTimer();
    EXPECT_EQ(form.alphaBlendValue(), 255);
    form.TimerTimer();  // a tick that was already queued
    EXPECT_EQ(form.alphaBlendValue(), 255);
    EXPECT_FALSE(form.alphaBlend());
}

TEST(AboutForm, FreewareLineTurnsRedUnderThePointer)
{
    TAboutForm form;
    form.show();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(form.Freeware(), &enter);
    EXPECT_EQ(textColor(form.Freeware()), QColor(255, 0, 0));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form.Freeware(), &leave);
    EXPECT_EQ(textColor(form.Freeware()), QColor(0, 0, 0));
    // again, and the other labels are not affected
    QCoreApplication::sendEvent(form.Freeware(), &enter);
    EXPECT_EQ(textColor(form.Freeware()), QColor(255, 0, 0));
    EXPECT_NE(textColor(form.Label4()), QColor(255, 0, 0));
    QCoreApplication::sendEvent(form.Freeware(), &leave);
    EXPECT_EQ(textColor(form.Freeware()), QColor(0, 0, 0));
}

TEST(AboutForm, LinksOpenTheirExactTargets)
{
    RecordingForm r;
    r.form.show();
    click(r.form.InetLink());
    click(r.form.MailLink());
    ASSERT_EQ(r.opened.size(), 2);
    EXPECT_EQ(r.opened[0].toString(), QStringLiteral("https://brenwick.example.org"));
    EXPECT_EQ(r.opened[1].toString(), QStringLiteral("mailto:brenwick@example.org"));
    // a failed open is ignored: the window stays, nothing else happens
    EXPECT_TRUE(r.form.isVisible());
}

TEST(AboutForm, LinksFollowTheLabelsOwnText)
{
    RecordingForm r;
    r.form.InetLink()->setText(QStringLiteral("https://other.example.org/page"));
    r.form.MailLink()->setText(QStringLiteral("someone@example.org"));
    r.form.InetLinkClick();
    r.form.MailLinkClick();
    ASSERT_EQ(r.opened.size(), 2);
    EXPECT_EQ(r.opened[0].toString(), QStringLiteral("https://other.example.org/page"));
    EXPECT_EQ(r.opened[1].toString(), QStringLiteral("mailto:someone@example.org"));
}

TEST(AboutForm, OnlyAFullLeftClickOnALinkOpensIt)
{
    RecordingForm r;
    r.form.show();
    QTest::mouseClick(r.form.InetLink(), Qt::RightButton, {}, QPoint(2, 2));
    // released outside the label: no click
    QTest::mouseRelease(r.form.MailLink(), Qt::LeftButton, {}, QPoint(-20, -20));
    click(r.form.AuthorName());
    EXPECT_TRUE(r.opened.isEmpty());
}

TEST(AboutForm, ExecReturnsWhenOKIsPressed)
{
    TAboutForm form;
    QTimer::singleShot(0, &form, [&] { form.OKButton()->click(); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}

TEST(AboutForm, ShowsCentredOnTheScreen)
{
    QWidget owner;
    owner.setGeometry(0, 0, 200, 100);  // in a corner: the box still centres on the screen
    TAboutForm form(&owner);
    form.show();
    const QRect screen = form.screen()->availableGeometry();
    const QPoint offset = form.frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
    EXPECT_EQ(form.size(), QSize(298, 247));  // the frame is outside the client area
}

TEST(AboutForm, ContactLinesAndPicturesSitInTheirPlaces)
{
    TAboutForm form;
    auto place = [&](const char *name) {
        auto *w = form.findChild<QWidget *>(QLatin1String(name));
        return w ? w->pos() : QPoint(-1, -1);
    };
    EXPECT_EQ(place("Label1"), QPoint(12, 96));
    EXPECT_EQ(place("InetLink"), QPoint(96, 96));
    EXPECT_EQ(place("Comments"), QPoint(12, 120));
    EXPECT_EQ(place("MailLink"), QPoint(96, 120));
    EXPECT_EQ(place("Label2"), QPoint(12, 144));
    EXPECT_EQ(place("Label3"), QPoint(96, 144));
    EXPECT_EQ(form.Label4()->geometry(), QRect(12, 168, 277, 16));
    EXPECT_EQ(form.Freeware()->geometry(), QRect(12, 188, 277, 21));
    EXPECT_TRUE(form.Label4()->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(form.Freeware()->alignment() & Qt::AlignHCenter);
    // the title picture sizes the control to itself
    auto *title = form.findChild<QLabel *>(QStringLiteral("Image1"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->geometry(), QRect(92, 16, 170, 30));
    // the icon's panel is white inside its bevels
    auto *panel = form.findChild<QWidget *>(QStringLiteral("Panel1"));
    ASSERT_NE(panel, nullptr);
    const QImage shot = panel->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(3, 3)), QColor(Qt::white));
    EXPECT_EQ(QColor(shot.pixel(69, 69)), QColor(Qt::white));
    // two one-pixel bevels on every side, reaching the panel's last row and column:
    // lowered outside (dark above and left), raised inside (dark below and right)
    const QRgb light = panel->palette().color(QPalette::Light).rgb();
    const QRgb dark = panel->palette().color(QPalette::Dark).rgb();
    for (int at : {0, 72}) {
        EXPECT_EQ(shot.pixel(36, at), at ? light : dark) << at;
        EXPECT_EQ(shot.pixel(at, 36), at ? light : dark) << at;
    }
    for (int at : {1, 71}) {
        EXPECT_EQ(shot.pixel(36, at), at == 1 ? light : dark) << at;
        EXPECT_EQ(shot.pixel(at, 36), at == 1 ? light : dark) << at;
    }
    EXPECT_EQ(form.findChild<QTimer *>(QStringLiteral("Timer")), form.Timer());
    EXPECT_EQ(form.findChild<QPushButton *>(QStringLiteral("OKButton")), form.OKButton());
}

TEST(AboutForm, PointerMovesColourTheFreewareLine)
{
    TAboutForm form;
    form.show();
    driveFade(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseMove(&form, QPoint(150, 60));  // over the version line first
    QTest::mouseMove(&form, QPoint(150, 198));
    QCoreApplication::processEvents();
    EXPECT_EQ(textColor(form.Freeware()), QColor(255, 0, 0));
    QTest::mouseMove(&form, QPoint(150, 60));
    QCoreApplication::processEvents();
    EXPECT_EQ(textColor(form.Freeware()), QColor(0, 0, 0));
}

// Receives the links the desktop is asked to open, in place of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

TEST(AboutForm, LinksGoToTheDesktopsOwnOpener)
{
    UrlCatcher catcher;
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher, "open");
    TAboutForm form;
    form.show();
    click(form.InetLink());
    click(form.MailLink());
    for (const char *scheme : {"https", "mailto"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("https://brenwick.example.org")));
    EXPECT_EQ(catcher.urls[1], QUrl(QStringLiteral("mailto:brenwick@example.org")));
}

#include "about_form_test.moc"
