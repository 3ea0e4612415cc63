#include "layout/TClickPick.h"

#include "layout/TDragParts.h"

int pickCandidate(const QList<TPickCandidate> &candidates, const QPoint &clientPos, bool noSelectText)
{
    for (int i = 0; i < candidates.size(); ++i) {
        const TPickCandidate &c = candidates.at(i);
        if (c.kind == TPickCandidate::Skip || !c.visible || !insideBounds(c.bounds, clientPos))
            continue;
        if (c.kind == TPickCandidate::Wrapper && noSelectText && c.isTextBox)
            continue;
        if (c.kind == TPickCandidate::Control && c.fillsParent)
            continue;
        return i;
    }
    return -1;
}
