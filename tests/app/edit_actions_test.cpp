#include "app/TEditActions.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QUndoStack>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// A value of the project set from 700 to 720 in one step.
class SetWidth : public QUndoCommand
{
public:
    SetWidth(int &width, int to) : QUndoCommand(QStringLiteral("изменение «Ширина»")), m_width(width), m_from(width), m_to(to) {}
    void redo() override { m_width = m_to; }
    void undo() override { m_width = m_from; }

private:
    int &m_width;
    int m_from;
    int m_to;
};

// A field whose typing reaches the project as steps of its own, merged.
class SetText : public QUndoCommand
{
public:
    SetText(QString &text, const QString &to) : m_text(text), m_from(text), m_to(to) { setText(QStringLiteral("ввод")); }
    void redo() override { m_text = m_to; }
    void undo() override { m_text = m_from; }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        m_to = static_cast<const SetText *>(other)->m_to;
        setObsolete(m_to == m_from);
        return true;
    }

private:
    QString &m_text;
    QString m_from;
    QString m_to;
};

struct EditActions : ::testing::Test
{
    int width = 700;
    QString text;
    QUndoStack stack;
    QAction undo;
    QAction redo;
    QWidget window;   // goes first, with the edit actions' link
    QLineEdit *field = new QLineEdit(&window);
    QLineEdit *other = new QLineEdit(&window);

    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        undo.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        redo.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
        window.addAction(&undo);
        window.addAction(&redo);
        new TEditActions(window, stack, &undo, &redo);
        QObject::connect(field, &QLineEdit::textChanged, [this](const QString &t) {
            if (t != text)
                stack.push(new SetText(text, t));
        });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
    }
    void key(QWidget *w, Qt::Key k) { QTest::keyClick(w, k, Qt::ControlModifier); }
};

} // namespace

TEST_F(EditActions, FieldAndProjectUndoInterleavedKeepTheRedoHistory)
{
    stack.push(new SetWidth(width, 720));
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("ab"));
    ASSERT_EQ(text, QStringLiteral("ab"));
    EXPECT_EQ(undo.text(), QStringLiteral("Отменить: ввод в поле"));

    key(field, Qt::Key_Z);   // the field's own typing
    EXPECT_EQ(field->text(), QString());
    EXPECT_EQ(width, 720);
    EXPECT_EQ(redo.text(), QStringLiteral("Повторить: ввод в поле"));
    EXPECT_TRUE(redo.isEnabled());
    key(field, Qt::Key_Z);   // nothing left in the field: the project's step
    EXPECT_EQ(width, 700);
    EXPECT_EQ(redo.text(), QStringLiteral("Повторить: изменение «Ширина»"));

    key(field, Qt::Key_Y);   // latest undone first: the project's step
    EXPECT_EQ(width, 720);
    EXPECT_EQ(field->text(), QString());
    EXPECT_EQ(redo.text(), QStringLiteral("Повторить: ввод в поле"));
    key(field, Qt::Key_Y);
    EXPECT_EQ(field->text(), QStringLiteral("ab"));
    EXPECT_EQ(width, 720);
    EXPECT_EQ(text, QStringLiteral("ab"));
    EXPECT_EQ(redo.text(), QStringLiteral("Повторить"));
    EXPECT_FALSE(redo.isEnabled());
}

TEST_F(EditActions, ANewEditEndsWhatCanBeRedone)
{
    stack.push(new SetWidth(width, 720));
    other->setFocus();
    key(other, Qt::Key_Z);   // an empty field hands the key on
    EXPECT_EQ(width, 700);
    stack.push(new SetWidth(width, 710));   // a new edit
    EXPECT_FALSE(redo.isEnabled());
    key(other, Qt::Key_Y);
    EXPECT_EQ(width, 710);
    // The menu's entries act where the keys would.
    QTest::keyClicks(other, QStringLiteral("x"));
    undo.trigger();
    EXPECT_EQ(other->text(), QString());
    EXPECT_EQ(width, 710);
    undo.trigger();
    EXPECT_EQ(width, 700);
    redo.trigger();
    EXPECT_EQ(width, 710);
    redo.trigger();
    EXPECT_EQ(other->text(), QStringLiteral("x"));
}
