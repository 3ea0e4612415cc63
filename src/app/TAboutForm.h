#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class TBevelPanel;

// The about box "О Программе": the program's icon and title picture, the version
// line, the contact lines with their links, and the note that the product is free.
// It is created once at start-up, shown modally by "О Программе..." and only hidden
// when closed. Each showing fades it in: translucency on at opacity 0, then a
// 1-millisecond timer adds 3 per tick until 255, when translucency goes off again.
class TAboutForm : public QDialog
{
    Q_OBJECT
    Q_PROPERTY(bool AlphaBlend READ alphaBlend)
    Q_PROPERTY(int AlphaBlendValue READ alphaBlendValue)

public:
    // Asks the desktop to open a link; the result is ignored (a link that cannot
    // be opened is not reported).
    using LinkOpener = std::function<bool(const QUrl &)>;

    static constexpr int kClientWidth = 298;
    static constexpr int kClientHeight = 247;
    static constexpr quint32 kBackgroundColor = 14933984;  // $E3DFE0 as $00BBGGRR
    static constexpr int kFadeInterval = 1;                // milliseconds per tick
    static constexpr int kFadeStep = 3;                    // opacity added per tick
    static constexpr int kOpaque = 255;

    // The contact lines of the product.
    static const QString kWebAddress;
    static const QString kMailAddress;
    static const char *const kAuthor;   // translated where shown

    explicit TAboutForm(QWidget *parent = nullptr);

    // Replaces the desktop's link opener (tests record the links instead).
    void setLinkOpener(LinkOpener opener);

    bool alphaBlend() const { return m_alphaBlend; }
    int alphaBlendValue() const { return m_alphaBlendValue; }

    // The controls, by their names, for the main window and for tests.
    QLabel *Version() const { return m_version; }
    QLabel *InetLink() const { return m_inetLink; }
    QLabel *MailLink() const { return m_mailLink; }
    QLabel *AuthorName() const { return m_label3; }
    QLabel *Label4() const { return m_label4; }
    QLabel *Freeware() const { return m_freeware; }
    QPushButton *OKButton() const { return m_okButton; }
    QTimer *Timer() const { return m_timer; }

    // Event handlers under their own names.
    void FormCreate();
    void FormShow();
    void TimerTimer();
    void InetLinkClick();
    void MailLinkClick();
    void FreewareMouseEnter();
    void FreewareMouseLeave();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const QString &text, int left, int top);
    void setFreewareColor(const QColor &color);
    void applyTranslucency();
    void openLink(const QUrl &url);

    TBevelPanel *m_panel1 = nullptr;
    QLabel *m_programIcon = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_playerVersion = nullptr;   // the version of the player the editor ships
    QLabel *m_label1 = nullptr;
    QLabel *m_inetLink = nullptr;
    QLabel *m_comments = nullptr;
    QLabel *m_mailLink = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_freeware = nullptr;
    QPushButton *m_okButton = nullptr;
    QTimer *m_timer = nullptr;

    bool m_alphaBlend = false;
    int m_alphaBlendValue = kOpaque;
    LinkOpener m_linkOpener;
};
