#include "app/TTrialForm.h"

#include "kit/WindowAccessibility.h"
#include "base/UserPrompt.h"
#include "layout/TTrialDesign.h"
#include "project/TMenuRun.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {

// The log window's size beside the menu window, and the gap between them.
constexpr int kLogHeight = 180;
constexpr int kMinLogWidth = 420;
constexpr int kGap = 8;

} // namespace

TTrialForm::TTrialForm(const QByteArray &bytes, const TKnownPictures &known, const QString &projectFile, const QString &discDir,
                       UserPrompt &prompt, QWidget *parent)
    : QWidget(parent, Qt::Window), m_design(std::make_unique<TTrialDesign>(bytes, known)),
      m_run(m_design->MakeRun(projectFile, discDir)), m_prompt(prompt)
{
    setObjectName(QStringLiteral("TTrialForm"));
    ExposeAsWindow(staticMetaObject.className());
    setAttribute(Qt::WA_DeleteOnClose);
    const QString name = projectFile.isEmpty() ? tr("новый проект") : QFileInfo(projectFile).fileName();
    const QString title = tr("Проверка меню — %1").arg(name);
    setWindowTitle(tr("Журнал: %1").arg(title));
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("stState"));
    m_log = new QListWidget(this);
    m_log->setObjectName(QStringLiteral("lbLog"));
    m_log->setAccessibleName(tr("Журнал"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addWidget(m_log);

    TPreviewForm &form = m_design->Form();
    form.setWindowTitle(title);
    form.installEventFilter(this);
    form.FrontBox()->installEventFilter(this);
    form.FrontBox()->setMouseTracking(true);
    m_run->SetAsker([this](const QString &question) {
        return m_prompt.ask(tr("Проверка меню"), question, UserPrompt::Buttons::YesNo, UserPrompt::Icon::Question)
               == UserPrompt::Answer::Yes;
    });
    Follow();
}

TTrialForm::~TTrialForm()
{
    m_design->Form().removeEventFilter(this);
    m_design->Form().FrontBox()->removeEventFilter(this);
    // The run reads the design's commands: it goes first.
    m_run.reset();
}

void TTrialForm::Start()
{
    TPreviewForm &form = m_design->Form();
    form.show();
    const QRect frame = form.frameGeometry();
    setGeometry(frame.left(), frame.bottom() + kGap, std::max(frame.width(), kMinLogWidth), kLogHeight);
    show();
    form.raise();
    form.activateWindow();
}

QImage TTrialForm::RenderMenu()
{
    return m_design->Render();
}

void TTrialForm::Follow()
{
    m_design->Show(*m_run, m_pressedEntry);
    const QList<TRunLine> &log = m_run->Log();
    for (; m_shownLines < log.size(); ++m_shownLines) {
        const TRunLine &line = log.at(m_shownLines);
        m_log->addItem(line.kind == TRunLine::lkQuestion
                           ? tr("Вопрос «%1»: %2").arg(line.text, line.answer ? tr("да") : tr("нет"))
                           : line.text);
    }
    m_log->scrollToBottom();
    if (m_run->Ended()) {
        m_state->setText(tr("Меню закрыто. Закройте это окно, чтобы вернуться в редактор."));
        m_design->Form().hide();
    } else {
        m_state->setText(tr("Уровень: %1").arg(m_run->LevelPath()));
        if (m_run->Minimized()) {
            m_design->Form().showMinimized();
            m_run->Restore();
        }
    }
}

bool TTrialForm::eventFilter(QObject *watched, QEvent *event)
{
    TPreviewForm &form = m_design->Form();
    if (watched == &form) {
        if (event->type() == QEvent::Close) {
            // The close cross: the run decides; the window never just hides.
            event->ignore();
            if (!m_run->Ended()) {
                m_run->Close();
                Follow();
            }
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            Key(static_cast<QKeyEvent *>(event)->key());
            return true;
        }
        return false;
    }
    if (watched == form.FrontBox()) {
        switch (event->type()) {
        case QEvent::MouseMove:
            MouseMove(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                MousePress(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                MouseRelease(static_cast<QMouseEvent *>(event)->position().toPoint());
            return true;
        case QEvent::Leave:
            MouseMove(QPoint(-1, -1));
            return false;
        default:
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TTrialForm::MouseMove(const QPoint &pos)
{
    if (m_run->Ended())
        return;
    // The FrontBox covers the client area: its points are the window's.
    const int button = m_design->ButtonAt(pos);
    if (button != m_hoverButton) {
        m_design->SetButtonState(m_hoverButton, TPictureSet::bsDefault);
        m_hoverButton = button;
    }
    if (button >= 0) {
        m_design->SetButtonState(button, button == m_pressedButton ? TPictureSet::bsPressed : TPictureSet::bsSelected);
        return;
    }
    const int entry = m_design->EntryAt(pos);
    if (entry >= 0 && m_pressedButton < 0 && (m_pressedEntry < 0 || entry == m_pressedEntry)) {
        m_run->Select(entry);
        Follow();
    }
}

void TTrialForm::MousePress(const QPoint &pos)
{
    if (m_run->Ended())
        return;
    m_pressedButton = m_design->ButtonAt(pos);
    if (m_pressedButton >= 0) {
        m_design->SetButtonState(m_pressedButton, TPictureSet::bsPressed);
        return;
    }
    m_pressedEntry = m_design->EntryAt(pos);
    if (m_pressedEntry >= 0)
        m_run->Select(m_pressedEntry);
    Follow();
}

void TTrialForm::MouseRelease(const QPoint &pos)
{
    const int button = m_pressedButton;
    const int entry = m_pressedEntry;
    m_pressedButton = -1;
    m_pressedEntry = -1;
    if (m_run->Ended())
        return;
    if (button >= 0) {
        const bool over = m_design->ButtonAt(pos) == button;
        m_design->SetButtonState(button, over ? TPictureSet::bsSelected : TPictureSet::bsDefault);
        if (over)
            m_run->PressButton(button);
    } else if (entry >= 0 && m_design->EntryAt(pos) == entry) {
        m_run->ActivateEntry(entry);
    }
    Follow();
}

void TTrialForm::Key(int key)
{
    if (m_run->Ended())
        return;
    // What each key does is the menu rules' (the player's keys are the same).
    switch (key) {
    case Qt::Key_Down: m_run->Rules().PressKey(rules::Key::Down); break;
    case Qt::Key_Up: m_run->Rules().PressKey(rules::Key::Up); break;
    case Qt::Key_Left: m_run->Rules().PressKey(rules::Key::Left); break;
    case Qt::Key_Backspace: m_run->Rules().PressKey(rules::Key::Backspace); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: m_run->Rules().PressKey(rules::Key::Enter); break;
    case Qt::Key_Escape: m_run->Rules().PressKey(rules::Key::Escape); break;
    default: return;
    }
    Follow();
}

void TTrialForm::closeEvent(QCloseEvent *event)
{
    m_design->Form().removeEventFilter(this);
    m_design->Form().hide();
    QWidget::closeEvent(event);
}
