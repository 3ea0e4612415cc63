#pragma once

#include "project/TDesignFacts.h"

#include <QList>

class TPicButton;
class TPreviewForm;

class QObject;

// The stand-alone buttons found among the children of owners and of the
// design window, in the order of their picture controls there.
QList<TPicButton *> FindPicButtons(TPreviewForm &form, const QList<QObject *> &owners);

// Takes the figures the project check needs from the live design: the design
// window's own objects and the stand-alone buttons.
TDesignFacts ReadDesignFacts(TPreviewForm &form, const QList<TPicButton *> &buttons);
