#include "layout/TDesignSession.h"

TDesignSession::TDesignSession(bool withDesignView)
{
    form.hide();
    form.setMenuSource(&project.Tree());
    project.SetDesignParts(&parts);
    if (withDesignView)
        project.SetDesignView(&form);
    layout.FormShow();
}

TDesignSession::~TDesignSession()
{
    project.SetDesignView(nullptr);
    project.SetDesignParts(nullptr);
    form.setMenuSource(nullptr);
}
