#pragma once

#include "layout/TDesignSession.h"
#include "project/TMenuRun.h"

#include <QByteArray>
#include <memory>

// The menu window of a test-run: a second, read-only set of window objects
// read from a project file's bytes by the ordinary reader, so that it shows
// exactly what the player reads. Nothing in it can be selected or moved; it
// shows a menu run's state (the menu, the heading, the comment, the pressed
// and hovered buttons) and finds the button under a point.
class TTrialDesign
{
public:
    // Reads the bytes; throws BrenwickError when they are not a readable
    // project. Picture texts among the known ones take their bitmaps.
    explicit TTrialDesign(const QByteArray &bytes, const TKnownPictures &known = {});
    ~TTrialDesign();
    TTrialDesign(const TTrialDesign &) = delete;
    TTrialDesign &operator=(const TTrialDesign &) = delete;

    TPreviewForm &Form() { return m_form; }
    const TProject &Project() const { return m_project; }
    QList<TPicButton *> PicButtons() const { return m_layout.PicButtons(); }
    // A run over this design's commands, options and stand-alone buttons.
    std::unique_ptr<TMenuRun> MakeRun(const QString &projectFile, const QString &discDir) const;

    // Shows the run's state; pressedEntry is the menu button held down (-1: none).
    void Show(const TMenuRun &run, int pressedEntry = -1);
    // The menu button under a point of the window's client area; -1 when none.
    int EntryAt(const QPoint &point);
    // The visible stand-alone button under a point (the topmost); -1 when none.
    int ButtonAt(const QPoint &point) const;
    // Shows a stand-alone button's normal, selected or pressed picture.
    void SetButtonState(int index, TPictureSet::TButtonState state);
    // The client area as the window paints it.
    QImage Render() { return m_form.renderClient(false); }

private:
    class RunSource;
    TDesignSession m_session;
    TPreviewForm &m_form = m_session.form;
    TProject &m_project = m_session.project;
    TLayoutEditor &m_layout = m_session.layout;
    std::unique_ptr<RunSource> m_source;
};
