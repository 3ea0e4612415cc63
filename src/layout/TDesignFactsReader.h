#pragma once

#include "project/TDesignFacts.h"

#include <QList>

class TPicButton;
class TPreviewForm;

// Takes the figures the project check needs from the live design: the design
// window's own objects and the stand-alone buttons.
TDesignFacts ReadDesignFacts(TPreviewForm &form, const QList<TPicButton *> &buttons);
