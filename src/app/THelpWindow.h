#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>

class QTextBrowser;
class QToolButton;

// The in-program help: the Russian help pages compiled into the program, shown
// in a browser with "Назад", "Вперёд" and "Содержание". Links between pages are
// followed inside the window; links to web or mail addresses go to the desktop.
class THelpWindow : public QWidget
{
    Q_OBJECT

public:
    using LinkOpener = std::function<bool(const QUrl &)>;

    explicit THelpWindow(QWidget *parent = nullptr);

    // Shows the window with a help page ("commands.html", "options.html#paths").
    void showPage(const QString &page);
    void showContents();

    // Follows a link as a click on it would (relative links resolve against the
    // current page).
    void followLink(const QUrl &link);

    void setLinkOpener(LinkOpener opener) { m_linkOpener = std::move(opener); }

    QTextBrowser *browser() const { return m_browser; }
    QToolButton *backButton() const { return m_back; }
    QToolButton *forwardButton() const { return m_forward; }
    QToolButton *contentsButton() const { return m_contents; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void present();
    void updateTitle();

    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_contents = nullptr;
    LinkOpener m_linkOpener;
};

// Owns the help window and answers F1 anywhere in the program with the page of
// the focused control's help context.
class THelp : public QObject
{
    Q_OBJECT

public:
    explicit THelp(QObject *parent = nullptr);
    ~THelp() override;

    // Catch F1 for every window of the application.
    void installF1Key();

    void showContents();
    void showContext(int context);
    void showKeyword(const QString &keyword);
    // The page for F1 with `focus` focused (the active window when null).
    void showFor(const QWidget *focus);

    THelpWindow *window();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPage(const QString &page);

    QPointer<THelpWindow> m_window;
};
